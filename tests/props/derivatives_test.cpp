// The derivatives of the subregion 1 and 2 equations against difference quotients
// of the state procedures' v and h, against another formulation, and where they fail.
#include "ifc67/derivatives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "base/property_error.h"
#include "ifc67/saturation.h"
#include "ifc67/steam.h"
#include "ifc67/units.h"
#include "ifc67/water.h"

namespace entalix::props {
namespace {

enum class Phase { water, steam };

Derivatives67 derivatives(Phase phase, double p_mpa, double t) {
    return phase == Phase::water ? ifc_derivatives_water(p_mpa, t) : ifc_derivatives_steam(p_mpa, t);
}

// v in m^3/kg and h in kJ/kg from the state procedures.
struct VH {
    double v, h;
};
VH state(Phase phase, double p_mpa, double t) {
    SteamState s;
    if (phase == Phase::water)
        ifc_pt_water(s, p_mpa / kMPaPerAt, t);
    else
        ifc_pt_steam(s, p_mpa / kMPaPerAt, t);
    return {s.v, s.h * kKJPerKcal};
}

// A central difference extrapolated twice (Richardson), error of order step^6: the
// step can be wide enough that rounding in v and h stays below 1e-9 of the slope.
template <typename F>
double slope(F f, double x, double step) {
    const auto central = [&](double k) { return (f(x + k) - f(x - k)) / (2.0 * k); };
    const double d1 = central(step), d2 = central(step / 2.0), d4 = central(step / 4.0);
    const double r1 = (4.0 * d2 - d1) / 3.0, r2 = (4.0 * d4 - d2) / 3.0;
    return (16.0 * r2 - r1) / 15.0;
}

// The five derivatives from difference quotients of v and h alone, through
// cp - cv = T v alpha^2 / kappa and w^2 = (cp/cv) v / kappa: independent of the
// code under test.
Derivatives67 quotients(Phase phase, double p_mpa, double t) {
    // Water is nearly incompressible: a wide pressure step, across p = 0 if need be
    // (its equations are smooth there); steam's volume goes as 1/p.
    const double dp = phase == Phase::water ? 0.05 : 1e-3 * p_mpa;
    const double dt = 0.5;
    const double v = state(phase, p_mpa, t).v;
    const double cp = slope([&](double x) { return state(phase, p_mpa, x).h; }, t, dt);
    const double v_t = slope([&](double x) { return state(phase, p_mpa, x).v; }, t, dt);
    const double v_p = slope([&](double x) { return state(phase, x, t).v; }, p_mpa, dp);
    const double alpha = v_t / v, kappa = -v_p / v;
    const double cv = cp - 1e3 * (t + kKelvinOffset) * v * alpha * alpha / kappa;
    return {cp, cv, std::sqrt(cp / cv * v / (kappa * 1e-6)), alpha, kappa};
}

// Seven significant digits of the exact derivatives; the quotients themselves are
// good to about 2e-8 (measured), so a wrong term in any partial shows.
constexpr double kSevenDigits = 1e-7;

void expect_close(double actual, double expected, double scale, const char* what, double p, double t) {
    EXPECT_NEAR(actual, expected, kSevenDigits * std::fabs(scale)) << what << " at " << p << " MPa, " << t << " C";
}

// Pressures across the range, clear of the two pressures where the state procedure
// of steam starts to leave out small terms (0.1106 and 2.2120 MPa).
const std::vector<double> kPressures{0.001, 0.003, 0.01, 0.05, 0.1,  0.3,  1.0,  2.0,  3.0,
                                     5.0,   10.0,  15.0, 16.5, 20.0, 22.5, 30.0, 60.0, 100.0};

// Every state of the grid in one phase: water up to 350 degC and 0.1 K below
// saturation, steam from 0.1 K above saturation to 800 degC within subregion 2.
template <typename Check>
void for_each_state(Phase phase, Check check) {
    for (double p : kPressures) {
        const double ts = p < ifc_pswsat_p(350.0) ? ifc_pswsat_t(p) : 350.0;
        std::vector<double> temperatures;
        if (phase == Phase::water) {
            for (double t = 0.01; t < ts - 0.1; t += 12.5) temperatures.push_back(t);
            temperatures.push_back(ts - 0.1);
        } else {
            temperatures.push_back(ts + 0.1);
            for (double t = std::ceil(ts); t <= 800.0; t += 12.5) temperatures.push_back(t);
            // Above 350 degC subregion 2 reaches up to the boundary pressure only.
            std::erase_if(temperatures, [&](double t) { return p / kMPaPerAt > ifc_boundary_p(std::max(t, 350.0)); });
        }
        for (double t : temperatures) check(p, t);
    }
}

TEST(Derivatives, PositiveAndAgreeWithQuotientsOfVolumeAndEnthalpyOverTheWholeRange) {
    for (Phase phase : {Phase::water, Phase::steam}) {
        int states = 0;
        for_each_state(phase, [&](double p, double t) {
            const Derivatives67 d = derivatives(phase, p, t);
            const Derivatives67 q = quotients(phase, p, t);
            // Water contracts on heating only below its density maximum near 4 degC.
            const bool expands = phase == Phase::steam || t > 10.0;
            EXPECT_TRUE(d.cp > d.cv && d.cv > 0.0 && d.w > 0.0 && d.kappa_t > 0.0 && (d.alpha_v > 0.0 || !expands))
                << p << " MPa, " << t << " C";
            expect_close(d.cp, q.cp, q.cp, "cp", p, t);
            expect_close(d.kappa_t, q.kappa_t, q.kappa_t, "kappa_t", p, t);
            // alpha_v of water passes through zero near 4 degC: there seven digits
            // of 1e-5 1/K, a twentieth of its value at 20 degC.
            expect_close(d.alpha_v, q.alpha_v, std::fabs(q.alpha_v) + 1e-5, "alpha_v", p, t);
            expect_close(d.cp - d.cv, q.cp - q.cv, q.cp, "cp - cv", p, t);
            expect_close(d.w, q.w, q.w, "w", p, t);
            ++states;
        });
        EXPECT_GT(states, 150);
    }
}

// IAPWS-95 figures of the same states. The two formulations differ by a few tenths
// of a percent here (up to half a percent in the speed of sound in cold water).
struct Reference {
    Phase phase;
    double p_mpa, t;
    double Derivatives67::*member;
    double iapws95;
    double tolerance;  // relative
};
TEST(Derivatives, CloseToAnotherFormulation) {
    const std::vector<Reference> rows{
        {Phase::water, 0.1, 20.0, &Derivatives67::cp, 4.18406, 0.002},
        {Phase::water, 0.1, 25.0, &Derivatives67::cp, 4.18132, 0.002},
        {Phase::water, 0.1, 25.0, &Derivatives67::w, 1496.70, 0.005},
        {Phase::water, 20.0, 300.0, &Derivatives67::cp, 5.31620, 0.003},
        {Phase::water, 20.0, 300.0, &Derivatives67::w, 1004.07, 0.005},
        {Phase::water, 100.0, 50.0, &Derivatives67::w, 1712.12, 0.005},
        {Phase::steam, 1.0, 300.0, &Derivatives67::cp, 2.14249, 0.003},
        {Phase::steam, 1.0, 300.0, &Derivatives67::w, 578.49, 0.003},
        {Phase::steam, 10.0, 400.0, &Derivatives67::w, 582.00, 0.003},
        {Phase::steam, 10.0, 400.0, &Derivatives67::cv, 2.00841, 0.003},
        {Phase::steam, 0.001, 10.0, &Derivatives67::w, 416.39, 0.003},
        {Phase::steam, 0.001, 10.0, &Derivatives67::kappa_t, 1.0008e3, 0.001},
    };
    for (const Reference& r : rows) {
        const double value = derivatives(r.phase, r.p_mpa, r.t).*r.member;
        EXPECT_NEAR(value, r.iapws95, r.tolerance * r.iapws95) << r.p_mpa << " MPa, " << r.t << " C";
    }
}

TEST(Derivatives, FailWhereTheEquationsFail) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        Phase phase;
        double p_mpa, t;
    } rows[]{
        {Phase::water, nan, 20.0},  {Phase::water, 1.0, nan},    {Phase::water, 1.0, -kKelvinOffset},
        {Phase::water, 1.0, 400.0}, {Phase::steam, 0.0, 300.0},  {Phase::steam, -1.0, 300.0},
        {Phase::steam, 1.0, nan},   {Phase::steam, 1.0, -300.0}, {Phase::steam, nan, 300.0},
    };
    for (const auto& r : rows) {
        EXPECT_THROW(derivatives(r.phase, r.p_mpa, r.t), PropertyError) << r.p_mpa << " MPa, " << r.t << " C";
    }
}

}  // namespace
}  // namespace entalix::props
