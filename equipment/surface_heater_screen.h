// The surface-heater screen Form6: heating steam of a heater whose steam heats
// the water across a heating surface and leaves as drain.
#pragma once

#include <string>

#include "shell/screen.h"

namespace entalix::equipment {

// The steam flow (t/h) as the text of jqll, from the enthalpies (kJ/kg) of the
// heating steam hs, the water before hwi and after hwo the heater and the drain
// hd, and the water flow G (t/h): D = ((hwo - hwi) / (hs - hd)) * G.
// Throws ArithmeticFault at hs = hd.
std::string surface_heater_flow(double hs, double hwi, double hwo, double hd, double G);

// "计算": the balance from the screen's texts.
// An extrapolated property of the balance leaves its warning in *warning.
std::string SurfaceHeaterBalance(const shell::Fields& fields, props::WaterSteam& properties,
                                 std::string* warning = nullptr);

}  // namespace entalix::equipment
