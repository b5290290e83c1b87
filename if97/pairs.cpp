// The pair solvers beyond (p,T), (p,h) and (p,s): each searches one isobar or
// isotherm, or reads the saturation line.
#include <cmath>

#include "base/property_error.h"
#include "if97/constants.h"
#include "if97/lines.h"
#include "if97/point.h"

namespace entalix::if97 {
namespace {

double checked_fraction(double x) {
    if (!(x >= 0.0 && x <= 1.0)) throw props::PropertyError("vapour fraction outside 0 to 1");
    return x;
}

}  // namespace

// The density maximum of water near 4 degC lets an isobar meet one v twice below
// 8 degC: the warmer state is taken, as cold feedwater rarely sits below 4 degC.
State state_pv(double p, double v) { return solve_isobar(p, v, Quantity::v); }

State state_px(double p, double x) {
    checked_fraction(x);
    props::finite(p, "pressure");
    return mixture(saturation_at_p(p), x);
}

// An isotherm may meet one h twice in compressed water (h first rises, then falls
// with pressure, or the reverse near the critical temperature), and below about
// 250 degC compressed water reaches the h of wet states with under 1 % steam: the
// compressed water is taken (feedwater at 200 degC and 10 MPa, not a trace of
// steam at 1.55 MPa), and of two compressed states the one of lower pressure.
State state_th(double t, double h) { return solve_isotherm(props::finite(t, "temperature") + kKelvin, h, Quantity::h); }

// Likewise for s, which turns on an isotherm and rises above s' only in water
// below about 4 degC.
State state_ts(double t, double s) { return solve_isotherm(props::finite(t, "temperature") + kKelvin, s, Quantity::s); }

State state_tv(double t, double v) { return solve_isotherm(props::finite(t, "temperature") + kKelvin, v, Quantity::v); }

State state_tx(double t, double x) {
    checked_fraction(x);
    const double T = props::finite(t, "temperature") + kKelvin;
    return mixture(saturation_at_t(std::fabs(T - kTc) < 1e-9 ? kTc : T), x);
}

}  // namespace entalix::if97
