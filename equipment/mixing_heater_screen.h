// The mixing-heater screen Form5: heating steam and outlet water of a
// direct-contact heater.
#pragma once

#include <string>

#include "shell/screen.h"

namespace entalix::equipment {

struct MixingHeaterTexts {
    std::string jqll;  // heating steam flow, t/h
    std::string csll;  // outlet water flow, t/h
};

// The balance from the enthalpies (kJ/kg) of the heating steam hs, the inlet
// water hw and the saturated outlet water h3, and the inlet water flow G (t/h):
// D = ((h3 - hw) / (hs - h3)) * G and G + D. Throws ArithmeticFault at hs = h3.
MixingHeaterTexts mixing_heater_flows(double hs, double hw, double h3, double G);

// "计算": the balance from the screen's texts.
// An extrapolated property of the balance leaves its warning in *warning.
MixingHeaterTexts MixingHeaterBalance(const shell::Fields& fields, props::WaterSteam& properties,
                                      std::string* warning = nullptr);

}  // namespace entalix::equipment
