// Surface tension of water against its own vapour after the IAPWS release on
// surface tension (1976, revised 2014): sigma = B tau^mu (1 + b tau), tau = 1 - T/Tc,
// which vanishes at the critical point.
#include "base/property_error.h"
#include "transport/reference.h"
#include "transport/transport.h"

namespace entalix::transport {
namespace {

inline constexpr double kB = 235.8e-3;  // N/m
inline constexpr double kb = -0.625;
inline constexpr double kMu = 1.256;

}  // namespace

double surface_tension(double T) {
    const double tau = 1.0 - props::finite(T, "surface tension: T") / kTstar;
    // Above the critical point tau < 0: no surface, and the power refuses.
    return props::finite(kB * props::fractional_pow(tau, kMu, "surface tension: tau") * (1.0 + kb * tau),
                         "surface tension");
}

}  // namespace entalix::transport
