// The saturation screen Form8: saturation pressure from temperature and back.
#pragma once

#include <string>
#include <string_view>

#include "shell/screen.h"

namespace entalix::equipment {

const shell::ScreenDesc& form8();

// "↑": the gauge saturation pressure (MPa) for the temperature in Text1 and the
// atmospheric pressure in Text7; "错误" at or above 374.15 degC (IFC-67), above
// 373.946 degC (IAPWS-IF97).
std::string SatGaugePressureFromTemperature(std::string_view temperature, std::string_view atmospheric,
                                            props::WaterSteam& properties, std::string* warning = nullptr);

// "↓": the saturation temperature (degC) for the gauge pressure in Text2 and the
// atmospheric pressure in Text7; "错误" at an absolute pressure of 22.129 MPa or
// more (IFC-67), above 22.064 MPa (IAPWS-IF97).
std::string SatTemperatureFromGaugePressure(std::string_view gauge_pressure, std::string_view atmospheric,
                                            props::WaterSteam& properties, std::string* warning = nullptr);

}  // namespace entalix::equipment
