// The heating-area screen Form15: floor area an hourly heat supply can heat.
#pragma once

#include <string>
#include <string_view>

namespace entalix::estimators {

// A = Qh / q / 36 * 1000, left to right: Qh in GJ per hour, q in W/m2; the text
// of yxgl, "0.00", in units of 10 000 m2.
std::string HeatingArea(std::string_view heat_per_hour, std::string_view power_per_m2);

}  // namespace entalix::estimators
