// Whether a shown state agrees with itself: the formulation, given the shown
// pressure and temperature (one phase) or the shown temperature or pressure
// and dryness (wet steam), gives back the shown volume, enthalpy and entropy.
//
// "Gives back" allows for the rounding of what is shown: each quantity is
// recomputed at the corners of the box the shown inputs stand for (the shown
// number plus or minus half a unit in its last digit) and must lie between the
// least and the greatest of those values, widened by half a unit of its own
// last digit. A dryness shown as 0 or 100 % is taken as exact: it says that
// the state lies on the saturation line, where a trace of the other phase
// would change the volume of a low-pressure state several times over.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "base/elementary.h"
#include "props/validity.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Half a unit in the last decimal of a shown number.
double half_unit(const std::string& text) {
    const std::size_t point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return 0.5 * elementary::pow(10.0, -decimals);
}

struct Span {
    double lo = kInf;
    double hi = -kInf;
    void add(double y) {
        if (!std::isfinite(y)) return;
        lo = std::min(lo, y);
        hi = std::max(hi, y);
    }
    bool empty() const { return lo > hi; }
    // Whether the shown text lies in the span, widened by its own rounding.
    bool holds(const std::string& text) const {
        const double y = value_of(text);
        const double room = half_unit(text) * (1.0 + 1e-9) + 1e-12 * std::fabs(y);
        return y >= lo - room && y <= hi + room;
    }
};

struct Spans {
    Span v, h, s;
    void add(const props::FluidState& st) {
        v.add(st.v);
        h.add(st.h);
        s.add(st.s);
    }
};

// The values of one state; an equation that fails leaves NaN.
props::FluidState single_phase(props::WaterSteam& w, double p, double t, bool water) {
    props::FluidState st;
    st.v = st.h = st.s = std::numeric_limits<double>::quiet_NaN();
    try {
        if (w.solves_pairs()) return w.pair_state(props::KnownPair::PT, p, t);
        st.v = water ? w.pswv_ptwtr(p, t) : w.pswv_ptstm(p, t);
        st.h = water ? w.pswh_ptwtr(p, t) : w.pswh_ptstm(p, t);
        st.s = number(water ? w.pswA_ptwtr("s", p, t) : w.pswA_ptstm("s", p, t));
    } catch (const props::PropertyError&) {
    }
    return st;
}

// The wet state of vapour fraction xf on the saturation line at t (from_p
// false) or at p (from_p true), with its saturation pressure or temperature.
props::FluidState wet(props::WaterSteam& w, double line_value, double xf, bool from_p) {
    props::FluidState st;
    st.p = st.t = st.v = st.h = st.s = std::numeric_limits<double>::quiet_NaN();
    try {
        if (w.solves_pairs()) return w.pair_state(from_p ? props::KnownPair::PX : props::KnownPair::TX, line_value, xf);
        const double p = from_p ? line_value : w.saturation_line_p(line_value);
        const double t = from_p ? w.saturation_line_t(line_value) : line_value;
        const auto mix = [xf](double water, double steam) { return water + xf * (steam - water); };
        st.p = p;
        st.t = t;
        st.v = mix(w.pswv_ptwtr(p, t), w.pswv_ptstm(p, t));
        st.h = mix(w.pswh_ptwtr(p, t), w.pswh_ptstm(p, t));
        st.s = mix(number(w.pswA_ptwtr("s", p, t)), number(w.pswA_ptstm("s", p, t)));
    } catch (const props::PropertyError&) {
    }
    return st;
}

}  // namespace

namespace {

// The first quantity of a state that its recomputation does not give back;
// nullptr when all agree, or when the formulation cannot recompute a state of
// one phase (left to the other checks). A wet state is recomputed from its shown temperature
// (from_p false) or pressure, with its dryness.
const char* disagreeing(props::WaterSteam& w, const StateTexts& state, bool is_wet, bool from_p, double dx) {
    const double p = value_of(state.p), t = value_of(state.t);
    const double dp = half_unit(state.p), dt = half_unit(state.t);
    Spans spans;
    Span line;  // the saturation temperature or pressure of a wet state
    if (is_wet) {
        const double base = from_p ? p : t, d = from_p ? dp : dt;
        for (const double a : {base - d, base, base + d})
            for (const double x : {state.x - dx, state.x, state.x + dx}) {
                const props::FluidState st = wet(w, a, std::clamp(x, 0.0, 100.0) / 100.0, from_p);
                spans.add(st);
                line.add(from_p ? st.t : st.p);
            }
    } else {
        const bool water = state.x <= 0.0;
        for (const double a : {p - dp, p, p + dp})
            for (const double b : {t - dt, t, t + dt})
                if (a > 0.0) spans.add(single_phase(w, a, b, water));
    }
    if (spans.v.empty() || spans.h.empty() || spans.s.empty()) return is_wet ? "状态" : nullptr;
    if (!spans.v.holds(state.v)) return "比容";
    if (!spans.h.holds(state.h)) return "焓";
    if (!spans.s.holds(state.s)) return "熵";
    if (is_wet && !line.empty() && !line.holds(from_p ? state.t : state.p)) return from_p ? "温度" : "压力";
    return nullptr;
}

}  // namespace

std::optional<std::string> inconsistency(props::WaterSteam& w, const StateTexts& state, bool wet_pair, bool from_p,
                                         bool x_exact) {
    // The dryness stands for its shown two decimals, unless it is the one
    // typed: at 0.1 % a trace of steam already holds most of the volume.
    const bool at_end = state.x <= 0.0 || state.x >= 100.0;
    const double dx = x_exact ? 0.0 : 0.005;
    // One phase, or a wet state found from its temperature or its pressure:
    // both ends of the saturation line are shown, and a dryness shown as 0 or
    // 100 % may be a wet state rounded.
    const char* what = nullptr;
    if (!wet_pair && at_end) {
        what = disagreeing(w, state, false, false, 0.0);
        if (what == nullptr) return std::nullopt;
    }
    for (const bool p_first : {from_p, !from_p}) {
        const char* wet_what = disagreeing(w, state, true, p_first, dx);
        if (wet_what == nullptr) return std::nullopt;
        if (what == nullptr) what = wet_what;
    }
    return std::string("所得状态的“") + what + "”与其所示压力、温度" + (at_end && !wet_pair ? "" : "和干度") +
           "不符，不予显示";
}

}  // namespace entalix::steamcalc
