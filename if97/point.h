// What the solvers share: the region of (p, T), the evaluation of a region at
// (p, T) (region 3 by iterating its density), the saturated states, and the
// conversion of an SI point into a plant State.
#pragma once

#include <string>

#include "if97/regions.h"
#include "if97/state.h"

namespace entalix::if97 {

// PropertyError naming the range unless 273.15 K <= T <= 2273.15 K, 0 < p <= 100 MPa
// (50 MPa above 1073.15 K).
void check_range(double p, double T);
[[noreturn]] void throw_no_state(const std::string& what);

// The region of a single-phase (p, T) inside the range; on the saturation line
// on_saturation decides between 1 and 2 (or the two sides of region 3).
Region region_of(double p, double T, Phase on_saturation);

// The basic equation of region r at (p, T). Region 3 iterates its density from the
// backward equation of the side given, and works out the whole Point unless
// extent is vhs (regions 1, 2 and 5 also newton).
Point point_in(Region r, double p, double T, Phase side, Extent extent = Extent::whole);
Point point_pt(double p, double T, Phase on_saturation, Region* region = nullptr, Extent extent = Extent::whole);

// The saturated states at p and T: p, T, v, h, u and s; the other members of the
// Points are not worked out (NaN), except at the critical point.
struct Saturation {
    double p;
    double T;
    Point liquid;
    Point vapour;
};
Saturation saturation_at_t(double T);
Saturation saturation_at_p(double p);

State to_state(const Point& point, Region region);
State mixture(const Saturation& sat, double x);

}  // namespace entalix::if97
