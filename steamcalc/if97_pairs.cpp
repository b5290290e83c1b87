// The nine pairs with IAPWS-IF97. Its inverses find the state of any pair
// directly, the wet region and the supercritical fluid included, so no scan is
// needed: what is shown is the state found, written as the IFC-67 presses
// write theirs (p, t, v, h and s with six decimals, the typed h of (p, h) and
// s of (p, s) with four, the dryness in percent to two decimals), and checked
// to give back the two values typed.
#include "steamcalc/if97_pairs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "if97/state.h"
#include "props/validity.h"
#include "shell/errors.h"
#include "shell/numbers.h"
#include "steamcalc/exact_decimal.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {
namespace {

constexpr const char* kMsgNoState = "在IAPWS-IF97适用范围内没有由这两个参数确定的状态";

struct Pair {
    Row first;
    Row second;
};
// Tested in the order of the IFC-67 presses; every pair whose rows are ticked runs.
constexpr std::array<Pair, 9> kPairs{{
    {kRowP, kRowT},
    {kRowP, kRowH},
    {kRowP, kRowS},
    {kRowP, kRowV},
    {kRowP, kRowX},
    {kRowT, kRowH},
    {kRowT, kRowS},
    {kRowT, kRowV},
    {kRowT, kRowX},
}};

// What a typed value of a row may be in the range of IAPWS-IF97.
void check_domain(Row row, double value) {
    if (row == kRowT && !(value >= props::kLowestTemperature && value <= props::kIf97HighestTemperature))
        throw shell::CalculationError("“温度”须在0–2000 ℃之间（IAPWS-IF97适用范围）");
    if (row == kRowP && !(value > 0.0 && value <= props::kHighestPressure))
        throw shell::CalculationError("“压力”须大于0且不超过100 MPa（IAPWS-IF97适用范围）");
    if (row == kRowV && !(value > 0.0)) throw shell::CalculationError("“比容”须大于0");
    if (row == kRowX && !(value >= 0.0 && value <= 100.0)) throw shell::CalculationError("“干度”须在0–100 %之间");
}

// Half a unit in the last decimal of a shown number.
double half_unit_of(const std::string& text) {
    const std::size_t point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

class If97Press {
public:
    If97Press(const PairInput& input, std::optional<std::string_view> atmospheric, Pair pair)
        : input_(input), atmospheric_(atmospheric), pair_(pair) {}

    Shown solve() {
        // The gauge screen's atmospheric pressure first: every pair shows a
        // gauge pressure.
        if (atmospheric_) pa_ = exact(*atmospheric_, "大气压");
        StateTexts state = pair_.first == kRowP ? at_pressure() : at_temperature();
        if (!(value_of(state.v) > 0.0)) throw shell::CalculationError("计算所得比容不大于零，这样的状态不存在");
        if (!(state.x >= 0.0 && state.x <= 100.0))
            throw shell::CalculationError("计算所得干度不在0–100 %之间，这样的状态不存在");
        for (Row row : {pair_.first, pair_.second}) {
            if (gives_back(state, row)) continue;
            std::string why = std::string("所得状态不能重现所给的“") + kRowMeanings[row].quantity + "”";
            if (row == kRowH || row == kRowS || row == kRowV) why += "（相差超过0.1 %）";
            throw shell::CalculationError(why + "，不予显示");
        }
        return Shown{caption(state), std::string(), state};
    }

private:
    double typed(Row row) const {
        const std::optional<double> value = shell::ParseStrictNumber(input_.texts[row]);
        if (!value) throw shell::NotANumber(kRowMeanings[row].quantity);
        check_domain(row, *value);
        return *value;
    }

    ExactDecimal exact(std::string_view text, const char* quantity) const {
        std::optional<ExactDecimal> value = ExactDecimal::parse(text);
        if (!value) throw shell::NotANumber(quantity);
        return *value;
    }

    // The absolute pressure as shown: R6 of the typed one, or on the gauge
    // screen the exact sum of the typed gauge pressure and the atmosphere.
    std::string typed_pressure() const {
        if (!pa_) return R6(typed(kRowP));
        const ExactDecimal absolute = exact(input_.texts[kRowP], kRowMeanings[kRowP].quantity) + *pa_;
        const double value = absolute.to_double();
        if (!(value > 0.0 && value <= props::kHighestPressure))
            throw shell::CalculationError("“压力”加大气压所得的绝对压力须大于0且不超过100 MPa（IAPWS-IF97适用范围）");
        return absolute.fixed(6);
    }

    // Every value of a state found, the typed pressure or temperature as typed
    // and rounded.
    static StateTexts texts(const if97::State& state, const std::string& p_text, const std::string& t_text) {
        StateTexts out;
        out.p = p_text.empty() ? R6(state.p) : p_text;
        out.t = t_text.empty() ? R6(state.t) : t_text;
        out.v = R6(state.v);
        out.h = R6(state.h);
        out.s = R6(state.s);
        out.x = 100.0 * value_of(R4(state.x));
        return out;
    }

    template <typename Solve>
    static if97::State found(Solve solve) {
        try {
            return solve();
        } catch (const props::PropertyRefusal&) {
            throw;
        } catch (const props::PropertyError&) {
            throw props::PropertyRefusal(kMsgNoState);
        }
    }

    StateTexts at_pressure() {
        const std::string p_text = typed_pressure();
        const double p = value_of(p_text);
        const Row row = pair_.second;
        if (row == kRowT) {
            const std::string t_text = R6(typed(kRowT));
            const double t = value_of(t_text);
            props::check_if97_state(p, t);
            // On the saturation line itself the state counts as steam.
            return texts(found([&] { return if97::state_pt(p, t, if97::Phase::vapour); }), p_text, t_text);
        }
        if (row == kRowX) {
            const double x = typed(kRowX);
            // Above the critical pressure water and steam are one phase.
            if (p > props::kIf97CriticalPressure) throw shell::CalculationError(props::kMsgIf97NoWetAbovePressure);
            return texts(found([&] { return if97::state_px(p, x / 100.0); }), p_text, "");
        }
        if (row == kRowV) {
            const double v = typed(kRowV);
            return texts(found([&] { return if97::state_pv(p, v); }), p_text, "");
        }
        // The state of the typed enthalpy or entropy, which is shown with four
        // decimals.
        const double y = typed(row);
        StateTexts out =
            texts(found([&] { return row == kRowH ? if97::state_ph(p, y) : if97::state_ps(p, y); }), p_text, "");
        (row == kRowH ? out.h : out.s) = R4(y);
        return out;
    }

    StateTexts at_temperature() {
        const std::string t_text = R6(typed(kRowT));
        const double t = value_of(t_text);
        const Row row = pair_.second;
        if (row == kRowX) {
            const double x = typed(kRowX);
            // Above the critical temperature water and steam are one phase.
            if (t > props::kIf97CriticalTemperature)
                throw shell::CalculationError(props::kMsgIf97NoWetAboveTemperature);
            return texts(found([&] { return if97::state_tx(t, x / 100.0); }), "", t_text);
        }
        const double y = typed(row);
        return texts(found([&] {
                         if (row == kRowH) return if97::state_th(t, y);
                         if (row == kRowS) return if97::state_ts(t, y);
                         return if97::state_tv(t, y);
                     }),
                     "", t_text);
    }

    // As the IFC-67 presses ask: p and t to their six decimals, x to its shown
    // digits, h, s and v within 0.1 % (or half a unit of their last decimal).
    bool gives_back(const StateTexts& state, Row row) const {
        switch (row) {
            case kRowP:
                return state.p == typed_pressure();
            case kRowT:
                return state.t == R6(typed(kRowT));
            case kRowX:
                return std::fabs(state.x - typed(kRowX)) <= 0.006;
            default:
                break;
        }
        const std::string& text = row == kRowH ? state.h : row == kRowS ? state.s : state.v;
        const double typed_value = typed(row);
        const double tolerance = std::max(1e-3 * std::fabs(typed_value), half_unit_of(text) * (1.0 + 1e-9));
        return std::fabs(value_of(text) - typed_value) <= tolerance;
    }

    // The six lines; on the gauge screen the rounded absolute pressure less the
    // atmosphere, digit for digit.
    std::string caption(const StateTexts& state) const {
        if (!pa_) return ComposeStateCaption(state.p, state.t, state.v, state.h, state.s, state.x);
        const std::optional<ExactDecimal> absolute = ExactDecimal::parse(state.p);
        if (!absolute) throw std::logic_error("a rounded pressure is not a number: " + state.p);
        return ComposeStateCaption((*absolute - *pa_).general(), state.t, state.v, state.h, state.s, state.x);
    }

    const PairInput& input_;
    std::optional<std::string_view> atmospheric_;
    std::optional<ExactDecimal> pa_;
    Pair pair_;
};

}  // namespace

StateAnswer solve_if97(const PairInput& input, std::optional<std::string_view> atmospheric) {
    StateAnswer answer;
    bool any_pair = false;
    for (const Pair& pair : kPairs) {
        if (!input.ticks[pair.first] || !input.ticks[pair.second]) continue;
        any_pair = true;
        Shown shown = If97Press(input, atmospheric, pair).solve();
        answer.caption = std::move(shown.caption);
        answer.warning.clear();
    }
    if (!answer.caption) answer.note = any_pair ? kNoStateNote : kNoPairNote;
    return answer;
}

}  // namespace entalix::steamcalc
