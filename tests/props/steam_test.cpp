// Superheated steam against the published figures, the consistency of its
// equations as derivatives of one Gibbs function, and where they end.
#include "ifc67/steam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/property_error.h"
#include "ifc67/saturation.h"
#include "ifc67/units.h"
#include "tests/props/printed.h"

namespace entalix::props {
namespace {

SteamState steam(double p_mpa, double t) {
    SteamState state;
    ifc_pt_steam(state, p_mpa / kMPaPerAt, t);
    return {state.p, state.t, state.v, state.h * kKJPerKcal, state.s * kKJPerKcal, state.x};
}

TEST(Steam, PublishedFigures) {
    testing::expect_figures({
        {"v 1 MPa 300 C", [] { return steam(1, 300).v; }, 0.25797447, 8},
        {"h 1 MPa 300 C", [] { return steam(1, 300).h; }, 3052.1431, 4},
        {"s 1 MPa 300 C", [] { return steam(1, 300).s; }, 7.125141, 6},
        {"v 0.1 MPa 100 C", [] { return steam(0.1, 100).v; }, 1.6955231, 7},
        {"h 0.1 MPa 100 C", [] { return steam(0.1, 100).h; }, 2676.1804, 4},
        {"s 0.1 MPa 100 C", [] { return steam(0.1, 100).s; }, 7.361818, 6},
        {"v 3.5 kPa 700 K", [] { return steam(0.0035, 426.85).v; }, 92.29775, 5},
        {"h 3.5 kPa 700 K", [] { return steam(0.0035, 426.85).h; }, 3335.2735, 4},
        {"s 3.5 kPa 700 K", [] { return steam(0.0035, 426.85).s; }, 10.173887, 6},
        {"v 5 MPa 500 C", [] { return steam(5, 500).v; }, 0.068493275, 9},
        {"h 5 MPa 500 C", [] { return steam(5, 500).h; }, 3433.6607, 4},
        {"s 5 MPa 500 C", [] { return steam(5, 500).s; }, 6.977015, 6},
        // Every term active, the L-function's among them.
        {"v 10 MPa 400 C", [] { return steam(10, 400).v; }, 0.026407987, 9},
        {"h 10 MPa 400 C", [] { return steam(10, 400).h; }, 3099.9249, 4},
        {"s 10 MPa 400 C", [] { return steam(10, 400).s; }, 6.218176, 6},
        {"h 10 MPa 320 C", [] { return steam(10, 320).h; }, 2783.4700, 4},
        {"s 10 MPa 320 C", [] { return steam(10, 320).s; }, 5.714517, 6},
        // Below the saturation temperature of 179.88 degC: the metastable vapour.
        {"v 1 MPa 150 C", [] { return steam(1, 150).v; }, 0.17550924, 8},
        {"h 1 MPa 150 C", [] { return steam(1, 150).h; }, 2694.1265, 4},
        {"x 1 MPa 150 C", [] { return steam(1, 150).x; }, 1.0, 12},
    });
}

// Reduced chi, epsilon and sigma at (beta, theta).
struct Reduced {
    double chi, eps, sigma;
};
Reduced reduced_at(double beta, double theta) {
    SteamState s;
    ifc_pt_steam(s, beta * kPc, theta * kTc - kKelvinOffset);
    return {s.v / kVc, s.h / kPcVc, s.s / kPcVcOverTc};
}

// d(eps) = theta d(sigma) + chi d(beta): volume, enthalpy and entropy derive from one
// Gibbs function. A wrong term in one of the three breaks this where a handful of
// figures may not notice.
TEST(Steam, EnthalpyEntropyAndVolumeAreConsistent) {
    for (double p_mpa : {0.002, 0.05, 0.3, 1.0, 1.7, 3.0, 6.0, 10.0, 14.0, 19.0}) {
        const double ts = ifc_pswsat_t(p_mpa);
        for (double t : {ts + 2.0, ts + 30.0, 350.0, 480.0, 620.0, 800.0}) {
            if (t <= ts) continue;
            const double beta = p_mpa / kMPaPerAt / kPc, theta = (t + kKelvinOffset) / kTc;
            const double dth = 1e-5, dbe = 1e-5 * beta;
            const Reduced c = reduced_at(beta, theta);
            const Reduced tp = reduced_at(beta, theta + dth), tm = reduced_at(beta, theta - dth);
            const Reduced bp = reduced_at(beta + dbe, theta), bm = reduced_at(beta - dbe, theta);
            const double cp = (tp.eps - tm.eps) / (2 * dth);
            EXPECT_NEAR(cp, theta * (tp.sigma - tm.sigma) / (2 * dth), 1e-6 * cp) << p_mpa << ", " << t;
            EXPECT_NEAR((bp.eps - bm.eps) / (2 * dbe), theta * (bp.sigma - bm.sigma) / (2 * dbe) + c.chi, 1e-6 * c.chi)
                << p_mpa << ", " << t;
        }
    }
}

// Below beta = 0.005 the mu = 6 .. 8 terms leave enthalpy and entropy, below
// beta = 0.1 the L-function term leaves all three: neither step may show.
TEST(Steam, NoVisibleStepAtTheSmallTermThresholds) {
    for (double p_at : {0.005 * kPc, 0.1 * kPc}) {
        for (double t = ifc_sat_t(p_at) + 0.1; t <= 800.0; t += 25.0) {
            SteamState below, at;
            ifc_pt_steam(below, std::nextafter(p_at, 0.0), t);
            ifc_pt_steam(at, p_at, t);
            EXPECT_LT(std::fabs(at.h - below.h) * kKJPerKcal, 2e-6) << p_at << ", " << t;
            EXPECT_LT(std::fabs(at.s - below.s) * kKJPerKcal, 1e-8) << p_at << ", " << t;
            EXPECT_LT(std::fabs(at.v - below.v), 1e-9 * at.v) << p_at << ", " << t;
        }
    }
}

TEST(Steam, FailsWithoutPositivePressureAndTemperature) {
    EXPECT_THROW(steam(0, 300), PropertyError);
    EXPECT_THROW(steam(-1, 300), PropertyError);
    EXPECT_THROW(steam(10, -kKelvinOffset), PropertyError);
    EXPECT_THROW(steam(1e-308, 300), PropertyError);  // I1 theta/beta overflows
    EXPECT_THROW(steam(1e60, 300), PropertyError);    // beta^6 overflows
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(steam(bad, 300), PropertyError);
        EXPECT_THROW(steam(10, -bad), PropertyError);
    }
    EXPECT_NO_THROW(steam(10, 1500));  // far above the tables the equations still hold
}

}  // namespace
}  // namespace entalix::props
