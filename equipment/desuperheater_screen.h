// The desuperheater screen Form7: incoming steam and injected water of a
// desuperheating station.
#pragma once

#include <string>

#include "shell/screen.h"

namespace entalix::equipment {

struct DesuperheaterTexts {
    std::string jqll;   // incoming steam flow, t/h
    std::string jwsll;  // desuperheating water flow, t/h
};

// The balance from the enthalpies (kJ/kg) of the incoming steam hin, the water
// hw and the supplied steam hout, and the supplied flow G (t/h):
// Din = ((hout - hw) / (hin - hw)) * G and G - Din. Throws ArithmeticFault at hin = hw.
DesuperheaterTexts desuperheater_flows(double hin, double hw, double hout, double G);

// "计算": the balance from the screen's texts.
// An extrapolated property of the balance leaves its warning in *warning.
DesuperheaterTexts DesuperheaterBalance(const shell::Fields& fields, props::WaterSteam& properties,
                                        std::string* warning = nullptr);

}  // namespace entalix::equipment
