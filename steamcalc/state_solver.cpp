// Selection of the pair and the result text of a press.
#include "steamcalc/state_solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "props/formulation.h"
#include "props/validity.h"
#include "shell/errors.h"
#include "steamcalc/if97_pairs.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {
namespace {

using Procedure = std::optional<Shown> (*)(Press&);
struct Pair {
    Row first;
    Row second;
    Procedure solve;
};
// Tested in this order; every pair whose two rows are ticked runs.
constexpr std::array<Pair, 9> kPairs{{
    {kRowP, kRowT, solve_pt},
    {kRowP, kRowH, solve_ph},
    {kRowP, kRowS, solve_ps},
    {kRowP, kRowV, solve_pv},
    {kRowP, kRowX, solve_px},
    {kRowT, kRowH, solve_th},
    {kRowT, kRowS, solve_ts},
    {kRowT, kRowV, solve_tv},
    {kRowT, kRowX, solve_tx},
}};

// The state found directly, when there is one that can be shown. A typing
// slip met only now, or a failure of the equations, leaves the press's own
// outcome standing; the near-critical region is said as such.
std::optional<Shown> found_directly(Press& press, const Pair& pair) {
    std::optional<Shown> found;
    try {
        found = direct_state(press, pair.first, pair.second);
    } catch (const props::PropertyRefusal&) {
        throw;
    } catch (const props::PropertyError&) {
        return std::nullopt;
    } catch (const shell::CalculationError&) {
        return std::nullopt;
    }
    if (found && found->state && press.flaw(*found->state)) return std::nullopt;
    return found;
}

// One pair's procedure, then what a shown state must satisfy. Where the step
// list fails, ends in "参数超限" or finds a state that cannot be shown, the
// state is looked for directly; what the step list shows otherwise stands.
std::optional<Shown> run_pair(Press& press, const Pair& pair) {
    std::optional<Shown> shown;
    try {
        shown = pair.solve(press);
    } catch (const props::PropertyError&) {
        if (std::optional<Shown> found = found_directly(press, pair)) return found;
        throw;
    }
    // No branch applied (above the critical temperature, where the band of
    // the branch tests has closed): the state may still be found.
    if (!shown) return found_directly(press, pair);
    if (!shown->state) {
        if (std::optional<Shown> found = found_directly(press, pair)) return found;
        return shown;
    }
    if (const std::optional<std::string> flaw = press.flaw(*shown->state)) {
        if (std::optional<Shown> found = found_directly(press, pair)) return found;
        throw shell::CalculationError(*flaw);
    }
    return shown;
}

StateAnswer solve(const PairInput& input, std::optional<std::string_view> atmospheric, ScanMethod method) {
    if (props::current_formulation() == props::Formulation::IF97) return solve_if97(input, atmospheric);
    StateAnswer answer;
    bool any_pair = false;
    for (const Pair& pair : kPairs) {
        if (!input.ticks[pair.first] || !input.ticks[pair.second]) continue;
        any_pair = true;
        Press press(input, atmospheric, method, pair.first, pair.second);
        if (std::optional<Shown> shown = run_pair(press, pair)) {
            answer.out_of_range = !shown->values;
            answer.state = std::move(shown->values);
            answer.warning = std::move(shown->warning);
        }
    }
    if (!answer.state && !answer.out_of_range) answer.note = any_pair ? kNoStateNote : kNoPairNote;
    return answer;
}

}  // namespace

std::optional<std::string> StateAnswer::caption() const {
    if (state) return shell::state_caption(*state);
    if (out_of_range) return std::string(kOutOfRange);
    return std::nullopt;
}

StateAnswer SolveStateFromPair(const PairInput& input, ScanMethod method) { return solve(input, std::nullopt, method); }

StateAnswer SolveGaugeStateFromPair(const PairInput& input, std::string_view atmospheric, ScanMethod method) {
    return solve(input, atmospheric, method);
}

}  // namespace entalix::steamcalc
