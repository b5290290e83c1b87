// The B23 boundary between regions 2 and 3, a quadratic in T.
#include <cmath>

#include "base/property_error.h"
#include "if97/regions.h"

namespace entalix::if97 {
namespace {

// IAPWS-IF97 (revised release 2007), B23 equation, Eqs. 5 and 6, Table 1.
inline constexpr double n1 = 0.34805185628969e3;
inline constexpr double n2 = -0.11671859879975e1;
inline constexpr double n3 = 0.10192970039326e-2;
inline constexpr double n4 = 0.57254459862746e3;
inline constexpr double n5 = 0.13918839778870e2;

}  // namespace

double b23_pressure(double T) { return n1 + n2 * T + n3 * T * T; }

double b23_temperature(double p) { return n4 + props::fractional_pow((p - n5) / n3, 0.5, "B23 boundary"); }

}  // namespace entalix::if97
