// The pair (h, s), a reading off the h-s chart: the formulation's own state of
// the pair (pswA_hs), written as the other pairs write theirs (p, t and v with
// six decimals, the typed h and s with four, the dryness in percent to two
// decimals) and checked to give back the two values typed.
#include <optional>
#include <string>

#include "props/validity.h"
#include "shell/errors.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {

std::optional<Shown> solve_hs(Press& press) {
    // The gauge screen's atmospheric pressure first: the state shows a gauge
    // pressure.
    press.read_atmospheric();
    const double h = press.typed(kRowH);
    const double s = press.typed(kRowS);
    auto& w = press.props();
    StateScope scope(w);
    StateTexts state;
    try {
        state.p = press.found_pressure(number(w.pswA_hs("p", h, s)));
        state.t = R6(number(w.pswA_hs("t", h, s)));
        state.v = R6(number(w.pswA_hs("v", h, s)));
        state.x = percent_of_rounded(w.pswA_hs("x", h, s));
    } catch (const props::PropertyRefusal&) {
        throw;
    } catch (const props::PropertyError&) {
        // No state of the range has that enthalpy and entropy.
        throw props::PropertyRefusal(w.solves_pairs() ? "在IAPWS-IF97适用范围内没有由这两个参数确定的状态"
                                                      : "在IFC-67适用范围内没有由这两个参数确定的状态");
    }
    state.h = R4(h);
    state.s = R4(s);
    state.warning = scope.warning();
    if (const std::optional<std::string> flaw = press.flaw(state)) throw shell::CalculationError(*flaw);
    return press.shown(state);
}

}  // namespace entalix::steamcalc
