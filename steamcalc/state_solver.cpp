// Selection of the pair and the result text of a press.
#include "steamcalc/state_solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "props/validity.h"
#include "shell/errors.h"
#include "shell/numbers.h"
#include "steamcalc/inverse_pairs.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {
namespace {

using Procedure = std::optional<Shown> (*)(Press&);
using props::KnownPair;
// A pair of known quantities: its rows, IFC-67's step list for it, and the
// pair as a formulation that solves pairs directly knows it (none for (h, s),
// whose procedure asks either formulation for the state of the pair).
struct Pair {
    Row first;
    Row second;
    Procedure step_list;
    std::optional<KnownPair> known;
};
// Tested in the order of kComputablePairs; every pair whose two rows are
// ticked runs.
constexpr std::array<Pair, kPairCount> kPairs{{
    {kRowP, kRowT, solve_pt, KnownPair::PT},
    {kRowP, kRowH, solve_ph, KnownPair::PH},
    {kRowP, kRowS, solve_ps, KnownPair::PS},
    {kRowP, kRowV, solve_pv, KnownPair::PV},
    {kRowP, kRowX, solve_px, KnownPair::PX},
    {kRowT, kRowH, solve_th, KnownPair::TH},
    {kRowT, kRowS, solve_ts, KnownPair::TS},
    {kRowT, kRowV, solve_tv, KnownPair::TV},
    {kRowT, kRowX, solve_tx, KnownPair::TX},
    {kRowH, kRowS, solve_hs, std::nullopt},
}};
constexpr bool same_rows() {
    for (int i = 0; i < kPairCount; ++i)
        if (kPairs[i].first != kComputablePairs[i][0] || kPairs[i].second != kComputablePairs[i][1]) return false;
    return true;
}
static_assert(same_rows(), "every computable pair has its procedure");

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

// A state of one phase that the step list found but wrote with a volume,
// enthalpy or entropy that its own shown p and t do not give (a value read
// through an inverse at a rounded input): the same p and t with the values the
// equations give there, when that state can be shown. A typed enthalpy or
// entropy keeps its four decimals.
std::optional<Shown> rewritten(Press& press, const Pair& pair, const StateTexts& found) {
    if (pair.first == kRowX || pair.second == kRowX || (found.x > 0.0 && found.x < 100.0)) return std::nullopt;
    StateTexts state;
    try {
        state = region_state(press, found.p, found.t, found.x <= 0.0);
    } catch (const props::PropertyRefusal&) {
        throw;
    } catch (const props::PropertyError&) {
        return std::nullopt;
    }
    if (pair.first == kRowP && pair.second == kRowH) state.h = found.h;
    if (pair.first == kRowP && pair.second == kRowS) state.s = found.s;
    if (press.flaw(state)) return std::nullopt;
    return press.shown(state);
}

// One pair's procedure, then what a shown state must satisfy. Where the step
// list fails, ends in "参数超限" or finds a state that cannot be shown, its p
// and t are kept with the values they give, or else the state is looked for
// directly; what the step list shows otherwise stands.
std::optional<Shown> run_pair(Press& press, const Pair& pair) {
    std::optional<Shown> shown;
    try {
        shown = pair.step_list(press);
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
        if (std::optional<Shown> kept = rewritten(press, pair, *shown->state)) return kept;
        if (std::optional<Shown> found = found_directly(press, pair)) return found;
        throw shell::CalculationError(*flaw);
    }
    return shown;
}

// The one seam between the formulations: IAPWS-IF97 finds the state of any
// pair straight on its own inverses, IFC-67 follows its step lists.
std::optional<Shown> solve_pair(Press& press, const Pair& pair) {
    if (!pair.known) return pair.step_list(press);
    if (press.props().solves_pairs()) return state_on_inverses(press, *pair.known);
    return run_pair(press, pair);
}

}  // namespace

bool computable_pair(int first, int second) {
    return std::any_of(kPairs.begin(), kPairs.end(), [first, second](const Pair& pair) {
        return (pair.first == first && pair.second == second) || (pair.first == second && pair.second == first);
    });
}

StateAnswer solve_state(const PairInput& input, std::optional<std::string_view> atmospheric, props::WaterSteam& water,
                        ScanMethod method) {
    StateAnswer answer;
    bool any_pair = false;
    for (const Pair& pair : kPairs) {
        if (!input.ticks[pair.first] || !input.ticks[pair.second]) continue;
        any_pair = true;
        Press press(input, atmospheric, water, method, pair.first, pair.second);
        if (std::optional<Shown> shown = solve_pair(press, pair)) {
            answer.out_of_range = !shown->values;
            answer.state = std::move(shown->values);
            answer.warning = std::move(shown->warning);
        }
    }
    const auto ticked = std::count(input.ticks.begin(), input.ticks.end(), true);
    if (!answer.state && !answer.out_of_range)
        answer.note = any_pair ? kNoStateNote : ticked == 2 ? kPairWithoutPOrT : kNoPairNote;
    return answer;
}

std::optional<std::string> StateAnswer::caption() const {
    if (state) return shell::state_caption(*state);
    if (out_of_range) return std::string(kOutOfRange);
    return std::nullopt;
}

StateAnswer SolveStateFromPair(const PairInput& input, props::WaterSteam& water) {
    return solve_state(input, std::nullopt, water, ScanMethod::Fast);
}

StateAnswer SolveGaugeStateFromPair(const PairInput& input, std::string_view atmospheric, props::WaterSteam& water) {
    return solve_state(input, atmospheric, water, ScanMethod::Fast);
}

}  // namespace entalix::steamcalc
