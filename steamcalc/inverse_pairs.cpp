// The nine pairs on a formulation's own inverses (IAPWS-IF97). They find the
// state of any pair directly, the wet region and the supercritical fluid
// included, so no scan is needed: what is shown is the state found, written as
// the step lists write theirs (p, t, v, h and s with six decimals, the typed h
// of (p, h) and s of (p, s) with four, the dryness in percent to two
// decimals), and checked to give back the two values typed.
#include "steamcalc/inverse_pairs.h"

#include <optional>
#include <string>

#include "props/validity.h"
#include "shell/errors.h"

namespace entalix::steamcalc {
namespace {

using props::KnownPair;

constexpr const char* kMsgNoState = "在IAPWS-IF97适用范围内没有由这两个参数确定的状态";

// The reading of the typed texts, the gauge sum, the checks of a state found
// and its caption are those of every press (Press); what differs is how the
// state is found.
class InversePress {
public:
    InversePress(Press& press, KnownPair pair) : press_(press), pair_(pair) {}

    Shown solve() {
        // The gauge screen's atmospheric pressure first: every pair shows a
        // gauge pressure.
        press_.read_atmospheric();
        const StateTexts state = at_pressure() ? on_isobar() : on_isotherm();
        if (const std::optional<std::string> flaw = press_.flaw(state)) throw shell::CalculationError(*flaw);
        return Shown{press_.values(state), std::string(), state};
    }

private:
    bool at_pressure() const {
        return pair_ == KnownPair::PT || pair_ == KnownPair::PH || pair_ == KnownPair::PS || pair_ == KnownPair::PV ||
               pair_ == KnownPair::PX;
    }
    double typed(Row row) const { return press_.typed(row); }

    // Every value of a state found, the typed pressure or temperature as typed
    // and rounded.
    StateTexts texts(const props::FluidState& state, const std::string& p_text, const std::string& t_text) const {
        StateTexts out;
        out.p = p_text.empty() ? press_.found_pressure(state.p) : p_text;
        out.t = t_text.empty() ? R6(state.t) : t_text;
        out.v = R6(state.v);
        out.h = R6(state.h);
        out.s = R6(state.s);
        out.x = 100.0 * value_of(R4(state.x));
        return out;
    }

    // The state of the pair at (a, b): a failure of the inverses means that
    // the range holds no such state.
    props::FluidState found(double a, double b) {
        try {
            return press_.props().pair_state(pair_, a, b);
        } catch (const props::PropertyRefusal&) {
            throw;
        } catch (const props::PropertyError&) {
            throw props::PropertyRefusal(kMsgNoState);
        }
    }

    StateTexts on_isobar() {
        const std::string p_text = press_.typed_pressure().rounded();
        const double p = value_of(p_text);
        switch (pair_) {
            case KnownPair::PT: {
                const std::string t_text = R6(typed(kRowT));
                const double t = value_of(t_text);
                props::check_if97_state(p, t);
                return texts(found(p, t), p_text, t_text);
            }
            case KnownPair::PX: {
                const double x = typed(kRowX);
                // Above the critical pressure water and steam are one phase.
                if (p > props::kIf97CriticalPressure) throw shell::CalculationError(props::kMsgIf97NoWetAbovePressure);
                return texts(found(p, x / 100.0), p_text, "");
            }
            case KnownPair::PV:
                return texts(found(p, typed(kRowV)), p_text, "");
            default:
                break;
        }
        // The state of the typed enthalpy or entropy, which is shown with four
        // decimals.
        const Row row = pair_ == KnownPair::PH ? kRowH : kRowS;
        const double y = typed(row);
        StateTexts out = texts(found(p, y), p_text, "");
        (row == kRowH ? out.h : out.s) = R4(y);
        return out;
    }

    StateTexts on_isotherm() {
        const std::string t_text = R6(typed(kRowT));
        const double t = value_of(t_text);
        if (pair_ == KnownPair::TX) {
            const double x = typed(kRowX);
            // Above the critical temperature water and steam are one phase.
            if (t > props::kIf97CriticalTemperature)
                throw shell::CalculationError(props::kMsgIf97NoWetAboveTemperature);
            return texts(found(t, x / 100.0), "", t_text);
        }
        const Row row = pair_ == KnownPair::TH ? kRowH : pair_ == KnownPair::TS ? kRowS : kRowV;
        return texts(found(t, typed(row)), "", t_text);
    }

    Press& press_;
    KnownPair pair_;
};

}  // namespace

Shown state_on_inverses(Press& press, KnownPair pair) { return InversePress(press, pair).solve(); }

}  // namespace entalix::steamcalc
