// The IFC-67 saturation line (the K-function) and its fixed-slope inversion.
#include "ifc67/saturation.h"

#include <array>
#include <cmath>

#include "base/elementary.h"
#include "base/property_error.h"
#include "ifc67/units.h"

namespace entalix::props {
namespace {

// IFC-67 saturation-line coefficients k1 .. k9.
struct SaturationCoefficients {
    double k1, k2, k3, k4, k5, k6, k7, k8, k9;
};
inline constexpr SaturationCoefficients K{
    -7.691234564, -26.08023696, -168.1706546, 64.23285504, -118.9646225, 4.16711732, 20.9750676, 1.0e9, 6.0,
};

// Relative pressure error at which the saturation temperature is accepted.
inline constexpr double kSatTolerance = 5e-6;

}  // namespace

double ifc_sat_p(double t) {
    finite(t, "temperature");
    const double theta = reduced_temperature(t);
    // Below absolute zero the K-function still gives numbers, and absurd ones
    // (10^111 MPa at -300 degC): there is no saturation line there.
    if (!(theta > 0.0)) throw PropertyError("temperature at or below absolute zero");
    const double u = 1.0 - theta;
    const double n = u * (K.k1 + u * (K.k2 + u * (K.k3 + u * (K.k4 + u * K.k5))));
    const double d = 1.0 + K.k6 * u + K.k7 * u * u;
    const double l = finite(n / (theta * d), "saturation exponent") - u / (K.k8 * u * u + K.k9);
    return finite(kPc * elementary::exp(finite(l, "saturation exponent")), "saturation pressure");
}

double ifc_sat_t(double p) {
    finite(p, "pressure");
    // Start from the model p = (t/100)^4, so 1 at starts at 100 degC.
    double t = 100.0 * fractional_pow(p, 0.25, "pressure");
    for (int corrections = 0;; ++corrections) {
        const double ps = ifc_sat_p(t);
        // Relative to p, before any correction: a start that already fits is kept.
        if (finite(std::fabs(ps - p) / p, "relative pressure error") < kSatTolerance) return t;
        if (corrections == kMaxCorrections) throw PropertyError("saturation temperature does not converge");
        // Newton step on p = (t/100)^4, whose slope at ps is ps^0.75 / 25.
        t = finite(t + 25.0 * (p - ps) / fractional_pow(ps, 0.75, "saturation pressure"), "saturation temperature");
    }
}

double ifc_pswsat_p(double t) { return ifc_sat_p(t) * kMPaPerAt; }

double ifc_pswsat_t(double p) { return ifc_sat_t(p / kMPaPerAt); }

}  // namespace entalix::props
