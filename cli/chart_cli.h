// entalix-calc --chart: the h-s or T-s chart with states on it, as SVG.
#pragma once

#include <string>
#include <vector>

#include "props/formulation.h"

namespace entalix::cli {

// The arguments after --chart: hs|ts, then any of --full, --view s0,s1,y0,y1,
// --size WxH, --process, and the states as pairs q=value q=value (p absolute
// MPa, t degC, h kJ/kg, s kJ/(kg K), x 0..1). UsageError for bad syntax; a
// property failure of a state throws as a calculation does.
std::string chart_svg(const std::vector<std::string>& args, props::Formulation formulation);

}  // namespace entalix::cli
