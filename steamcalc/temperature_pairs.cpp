// The pairs with a known temperature: (t, h), (t, s), (t, v) and (t, x).
// The given value is placed against the saturated-water and saturated-steam
// values at t: inside the two-phase band (its ends included) the mixing rule
// gives the state; outside it the pressure is scanned, upward through
// compressed water or downward through superheated steam. Above the critical
// temperature there is no band.
#include <optional>
#include <string>

#include "props/ifc67_lines.h"
#include "props/validity.h"
#include "shell/errors.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {
namespace {

// Below this the (t, h) pair looks for compressed water; from the critical
// temperature on it scans the pressure with the steam equations.
constexpr double kWaterTemperatureLimit = 374.0;
constexpr double kSupercriticalTemperature = 374.15;
// Upper end of the compressed-water scans, a little above the critical
// pressure, and lower end of the superheated-steam scans.
constexpr double kPressureCeiling = 22.129;
constexpr double kPressureFloor = 0.001;

// Where water and steam have a two-phase band at all.
bool below_critical(double t) { return props::ifc67::at_or_below_critical_temperature(t); }

enum class Region { Water, Steam };
// Where the shown dryness of a scanned state comes from: the (p, s) inverse of
// the shown state, or the region's own equations (0 for water, 1 for steam).
enum class DrynessFrom { PressureEntropy, Region };

// The state at a scanned pressure, every value from one region's equations.
StateTexts scanned_state(Press& press, double p_found, double t_working, Region region, DrynessFrom dryness) {
    auto& w = press.props();
    StateScope scope(w);
    StateTexts state;
    state.p = R6(p_found);
    state.t = R6(t_working);
    const double p = value_of(state.p), t = value_of(state.t);
    const bool water = region == Region::Water;
    state.v = R6(water ? w.pswv_ptwtr(p, t) : w.pswv_ptstm(p, t));
    state.h = R6(water ? w.pswh_ptwtr(p, t) : w.pswh_ptstm(p, t));
    state.s = R6(number(water ? w.pswA_ptwtr("s", p, t) : w.pswA_ptstm("s", p, t)));
    state.x = percent_of_rounded(dryness == DrynessFrom::PressureEntropy
                                     ? w.pswA_ps("x", p, value_of(state.s))
                                     : (water ? w.pswA_ptwtr("x", p, t) : w.pswA_ptstm("x", p, t)));
    state.warning = scope.warning();
    return state;
}

// The scanned state, refined inside the scan's last step when the grid point
// does not give back the typed value of row; the grid point stands when it does.
StateTexts scanned_and_refined(Press& press, Row row, const MatchedProperty& matched, double target, double start,
                               Direction direction, double p_found, double t_working, Region region,
                               DrynessFrom dryness) {
    StateTexts state = scanned_state(press, p_found, t_working, region, dryness);
    if (press.gives_back(state, row) || p_found == start) return state;
    const double previous = direction == Direction::Up ? p_found - kSearchStep : p_found + kSearchStep;
    return scanned_state(press, refine_in_step(matched, target, p_found, previous), t_working, region, dryness);
}

// Steps 3.2 to 3.5 of (t, s), shared by (t, v): the wet state of vapour
// fraction xf at the given temperature.
StateTexts wet_state_from_fraction(Press& press, double t_working, double xf) {
    auto& w = press.props();
    StateScope scope(w);
    const double p_saturation = w.saturation_line_p(t_working);
    const double h_mixed =
        (1.0 - xf) * w.pswh_ptwtr(p_saturation, t_working) + xf * w.pswh_ptstm(p_saturation, t_working);
    StateTexts state;
    state.p = R6(p_saturation);
    state.t = R6(t_working);
    const double t = value_of(state.t);
    state.v = R6(number(w.pswA_ph("v", w.saturation_line_p(t), h_mixed)));
    state.h = R6(h_mixed);
    state.s = R6(number(w.pswA_ph("s", w.saturation_line_p(t), value_of(state.h))));
    state.x = percent_of_rounded(w.pswA_ps("x", value_of(state.p), value_of(state.s)));
    state.warning = scope.warning();
    return state;
}

// The property that (t, s) or (t, v) matches, from one region's equations.
using RegionProperty = double (*)(props::WaterSteam&, double p, double t);

// The working values of a branch-wise procedure: a later branch tests the
// temperature and the matched value as the branches before it left them, and
// what it shows replaces theirs.
struct Working {
    std::string t;
    std::string y;
    std::optional<Shown> shown;
};

// (t, s) and (t, v): the same three branches on a different property.
std::optional<Shown> solve_temperature_and(Press& press, Row row, RegionProperty water, RegionProperty steam) {
    auto& w = press.props();
    Working work{press.text(kRowT), press.text(row), std::nullopt};
    press.read_atmospheric();
    const auto take = [&](const StateTexts& state) {
        work.t = state.t;
        work.y = row == kRowS ? state.s : state.v;
        work.shown = press.shown(state);
    };

    double t = press.working(work.t, kRowT);
    const double y_water = water(w, w.saturation_line_p(t), t);
    const double y_steam = steam(w, w.saturation_line_p(t), t);
    double y = press.working(work.y, row);
    // A: two-phase, its ends included. The vapour fraction by entropy, or by volume.
    if (below_critical(t) && y_water - y <= 0 && y_steam - y >= 0) {
        const double xf =
            row == kRowV ? (y - y_water) / (y_steam - y_water) : 1.0 - (y_steam - y) / (y_steam - y_water);
        take(wet_state_from_fraction(press, t, xf));
        // Exactly on an end of the band: the saturated state, which the
        // rounded working values must not carry into another branch.
        if (y == y_water || y == y_steam) return work.shown;
    }
    // B: compressed water, scanned up from the saturation pressure.
    t = press.working(work.t, kRowT);
    y = press.working(work.y, row);
    if (water(w, w.saturation_line_p(t), t) - y > 0) {
        std::optional<double> p;
        const double start = w.saturation_line_p(t);
        const MatchedProperty matched = [&w, water, t](double pp) { return water(w, pp, t); };
        if (water(w, kPressureCeiling, t) - y < 0)
            p = press.search(start, Direction::Up, matched, y, Sense::Above, kScanPressureCeiling);
        if (p)
            take(scanned_and_refined(press, row, matched, y, start, Direction::Up, *p, t, Region::Water,
                                     DrynessFrom::Region));
        else
            work.shown = out_of_range();
    }
    // C: superheated steam, scanned down from the saturation pressure.
    t = press.working(work.t, kRowT);
    y = press.working(work.y, row);
    if (steam(w, w.saturation_line_p(t), t) - y < 0) {
        std::optional<double> p;
        const double start = w.saturation_line_p(t);
        const MatchedProperty matched = [&w, steam, t](double pp) { return steam(w, pp, t); };
        if (steam(w, kPressureFloor, t) - y > 0)
            p = press.search(start, Direction::Down, matched, y, Sense::Below, kScanPressureFloor);
        if (p)
            take(scanned_and_refined(press, row, matched, y, start, Direction::Down, *p, t, Region::Steam,
                                     DrynessFrom::Region));
        else
            work.shown = out_of_range();
    }
    return work.shown;
}

}  // namespace

std::optional<Shown> solve_th(Press& press) {
    auto& w = press.props();
    Working work{press.text(kRowT), press.text(kRowH), std::nullopt};
    press.read_atmospheric();
    const auto take = [&](const StateTexts& state) {
        work.t = state.t;
        work.y = state.h;
        work.shown = press.shown(state);
    };

    double t = press.working(work.t, kRowT);
    double h = 0.0;
    // A: two-phase, its ends included; the dryness comes from the mixing rule,
    // with six decimals. No band above the critical temperature.
    if (below_critical(t)) {
        const double h_water = w.pswh_ptwtr(w.saturation_line_p(t), t);
        const double h_steam = w.pswh_ptstm(w.saturation_line_p(t), t);
        h = press.working(work.y, kRowH);
        if (h_water - h <= 0 && h_steam - h >= 0) {
            const double x_mixed = 100.0 * (1.0 - (h_steam - h) / (h_steam - h_water));
            StateScope scope(w);
            StateTexts state;
            state.p = R6(w.saturation_line_p(t));
            state.t = R6(t);
            const double t_rounded = value_of(state.t);
            state.v = R6(number(w.pswA_ph("v", w.saturation_line_p(t_rounded), h)));
            state.h = R6(h);
            state.s = R6(number(w.pswA_ph("s", w.saturation_line_p(t_rounded), value_of(state.h))));
            state.x = value_of(R6(x_mixed));
            state.warning = scope.warning();
            take(state);
            if (h == h_water || h == h_steam) return work.shown;
        }
    }
    // B: compressed water, scanned up from the saturation pressure.
    t = press.working(work.t, kRowT);
    h = press.working(work.y, kRowH);
    if (t < kWaterTemperatureLimit && w.pswh_ptwtr(w.saturation_line_p(t), t) - h > 0) {
        std::optional<double> p;
        const double start = w.saturation_line_p(t);
        const MatchedProperty matched = [&w, t](double pp) { return w.pswh_ptwtr(pp, t); };
        if (w.pswh_ptwtr(kPressureCeiling, t) - h < 0)
            p = press.search(start, Direction::Up, matched, h, Sense::Above, kScanPressureCeiling);
        if (p)
            take(scanned_and_refined(press, kRowH, matched, h, start, Direction::Up, *p, t, Region::Water,
                                     DrynessFrom::PressureEntropy));
        else
            work.shown = out_of_range();
    }
    // C: supercritical, scanned up from the lowest pressure with the steam
    // equations. The gauge screen scans only while the enthalpy lies below the
    // one at the lowest pressure; the absolute screen shows the state there.
    t = press.working(work.t, kRowT);
    h = press.working(work.y, kRowH);
    if (t >= kSupercriticalTemperature && (!press.gauge() || w.pswh_ptstm(kPressureFloor, t) - h > 0)) {
        const MatchedProperty matched = [&w, t](double pp) { return w.pswh_ptstm(pp, t); };
        const std::optional<double> p =
            press.search(kPressureFloor, Direction::Up, matched, h, Sense::Above, kScanPressureCeiling);
        if (p)
            take(scanned_and_refined(press, kRowH, matched, h, kPressureFloor, Direction::Up, *p, t, Region::Steam,
                                     DrynessFrom::PressureEntropy));
        else
            work.shown = out_of_range();
    }
    // D: superheated steam below the critical temperature, found like branch C
    // of (t, s): scanned down from the saturation pressure.
    t = press.working(work.t, kRowT);
    h = press.working(work.y, kRowH);
    if (t < kSupercriticalTemperature && w.pswh_ptstm(w.saturation_line_p(t), t) - h < 0) {
        std::optional<double> p;
        const double start = w.saturation_line_p(t);
        const MatchedProperty matched = [&w, t](double pp) { return w.pswh_ptstm(pp, t); };
        if (w.pswh_ptstm(kPressureFloor, t) - h > 0)
            p = press.search(start, Direction::Down, matched, h, Sense::Below, kScanPressureFloor);
        if (p)
            take(scanned_and_refined(press, kRowH, matched, h, start, Direction::Down, *p, t, Region::Steam,
                                     DrynessFrom::Region));
        else
            work.shown = out_of_range();
    }
    return work.shown;
}

std::optional<Shown> solve_ts(Press& press) {
    return solve_temperature_and(
        press, kRowS, [](props::WaterSteam& w, double p, double t) { return number(w.pswA_ptwtr("s", p, t)); },
        [](props::WaterSteam& w, double p, double t) { return number(w.pswA_ptstm("s", p, t)); });
}

std::optional<Shown> solve_tv(Press& press) {
    return solve_temperature_and(
        press, kRowV, [](props::WaterSteam& w, double p, double t) { return number(w.pswA_ptwtr("v", p, t)); },
        [](props::WaterSteam& w, double p, double t) { return number(w.pswA_ptstm("v", p, t)); });
}

std::optional<Shown> solve_tx(Press& press) {
    const double dryness = press.typed(kRowX);
    press.read_atmospheric();
    const double t = press.typed(kRowT);
    // Above the critical temperature water and steam are one phase.
    if (!below_critical(t)) throw shell::CalculationError(props::kMsgNoWetAboveTemperature);
    return press.shown(wet_state_from_dryness(press, R6(press.props().saturation_line_p(t)), R6(t), dryness));
}

}  // namespace entalix::steamcalc
