// The pump screen Form14: shaft power of a pump.
#pragma once

#include <string>
#include <string_view>

namespace entalix::estimators {

// N = Q * rho * H / 102 / eta * 100 / 3600, left to right: rho in kg/m3, H in m
// of water column, Q in m3/h, eta in percent; the text of yxgl, "0.00", in kW.
std::string PumpShaftPower(std::string_view density, std::string_view head, std::string_view flow,
                           std::string_view efficiency);

}  // namespace entalix::estimators
