// The nine pairs with IAPWS-IF97. Its inverses find the state of any pair
// directly, the wet region and the supercritical fluid included, so no scan is
// needed: what is shown is the state found, written as the IFC-67 presses
// write theirs (p, t, v, h and s with six decimals, the typed h of (p, h) and
// s of (p, s) with four, the dryness in percent to two decimals), and checked
// to give back the two values typed.
#include "steamcalc/if97_pairs.h"

#include <array>
#include <optional>
#include <string>

#include "if97/state.h"
#include "props/validity.h"
#include "shell/errors.h"
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

// The reading of the typed texts, the gauge sum, the checks of a state found
// and how it is shown are those of every press (Press); what differs is how the
// state is found.
class If97Press {
public:
    If97Press(const PairInput& input, std::optional<std::string_view> atmospheric, Pair pair)
        : press_(input, atmospheric, ScanMethod::Fast, pair.first, pair.second), pair_(pair) {}

    Shown solve() {
        // The gauge screen's atmospheric pressure first: every pair shows a
        // gauge pressure.
        press_.read_atmospheric();
        const StateTexts state = pair_.first == kRowP ? at_pressure() : at_temperature();
        if (const std::optional<std::string> flaw = press_.flaw(state)) throw shell::CalculationError(*flaw);
        return Shown{press_.values(state), std::string(), state};
    }

private:
    double typed(Row row) const { return press_.typed(row); }

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
        const std::string p_text = press_.typed_pressure().rounded();
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

    Press press_;
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
        answer.state = std::move(shown.values);
        answer.warning.clear();
    }
    if (!answer.state) answer.note = any_pair ? kNoStateNote : kNoPairNote;
    return answer;
}

}  // namespace entalix::steamcalc
