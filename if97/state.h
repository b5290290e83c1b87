// IAPWS-IF97 states in the units of the plant: p in MPa (absolute), t in degC,
// v in m3/kg, h in kJ/kg, s in kJ/(kg K), x the vapour mass fraction.
//
// Range: 0 to 800 degC up to 100 MPa, and 800 to 2000 degC up to 50 MPa, p > 0.
// Every function throws props::PropertyError with a short English text when no
// state exists, an input lies outside that range, or an iteration fails.
#pragma once

namespace entalix::if97 {

// Region of the formulation a state was evaluated in; four is the wet mixture
// (and the saturated states of state_px and state_tx).
enum class Region { one = 1, two = 2, three = 3, four = 4, five = 5 };

// The side of the saturation line.
enum class Phase { liquid, vapour };

struct State {
    double p = 0.0;
    double t = 0.0;
    double v = 0.0;
    double h = 0.0;
    double s = 0.0;
    // 0..1 in the wet region; outside it 0 for water (regions 1, 3 denser than the
    // critical density) and 1 for steam (regions 2, 5, 3 lighter than critical).
    double x = 0.0;
    Region region = Region::one;
    // Set when a metastable extension of an equation was evaluated outside its
    // region (If97Properties's water functions on the steam side, and back).
    bool extrapolated = false;
};

// The single-phase state at (p, t). On the saturation line itself (p = psat(t)),
// on_saturation picks saturated water or saturated steam.
State state_pt(double p, double t, Phase on_saturation = Phase::liquid);

// The state of the given side at (p, t): the stable state where (p, t) lies on that
// side, else that side's equation continued into the metastable range (region 1 or
// region 2; region 3 near the critical point) with extrapolated set. Above the
// critical temperature or pressure there is one fluid, which both sides return.
State state_pt_side(double p, double t, Phase side);

// Inverses over the whole range, with the wet region below the critical pressure.
// Where a pair has two states: state_pv takes the warmer one (the density maximum
// of water near 4 degC); state_th and state_ts take compressed water before a wet
// state and, of two compressed states, the one of lower pressure. The isotherms
// are searched down to 1e-8 MPa.
State state_ph(double p, double h);
State state_ps(double p, double s);
State state_pv(double p, double v);
State state_px(double p, double x);
State state_th(double t, double h);
State state_ts(double t, double s);
State state_tv(double t, double v);
State state_tx(double t, double x);

// The state of enthalpy h and entropy s, a reading off the h-s chart: single
// phase, or wet with its saturation temperature and x by the lever rule. Each
// pair has one state; PropertyError where none lies in the range.
State state_hs(double h, double s);

// The saturation line in degC and MPa: 0 degC to 373.946 degC, 611.213 Pa to 22.064 MPa.
double saturation_pressure_c(double t);
double saturation_temperature_c(double p);

}  // namespace entalix::if97
