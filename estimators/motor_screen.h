// The motor screen Form9: running power of a three-phase motor.
#pragma once

#include <string>
#include <string_view>

namespace entalix::estimators {

// P = cn^(1/k) * sqrt(3) * U * I with the load ratio k = I / In: U in kV, I and
// In in A, cn the rated power factor; the text of yxgl, "0.00", in kW.
std::string MotorRunningPower(std::string_view voltage, std::string_view current, std::string_view rated_current,
                              std::string_view power_factor);

}  // namespace entalix::estimators
