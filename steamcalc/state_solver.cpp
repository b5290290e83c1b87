// Selection of the pair and the result text of a press.
#include "steamcalc/state_solver.h"

#include <array>

#include "shell/numbers.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {
namespace {

using Procedure = std::optional<std::string> (*)(Press&);
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

StateAnswer solve(const PairInput& input, std::optional<std::string_view> atmospheric, ScanMethod method) {
    StateAnswer answer;
    bool any_pair = false;
    for (const Pair& pair : kPairs) {
        if (!input.ticks[pair.first] || !input.ticks[pair.second]) continue;
        any_pair = true;
        Press press(input, atmospheric, method);
        if (std::optional<std::string> caption = pair.solve(press)) answer.caption = std::move(caption);
    }
    if (!answer.caption) answer.note = any_pair ? kNoStateNote : kNoPairNote;
    return answer;
}

}  // namespace

std::string ComposeStateCaption(std::string_view p, std::string_view t, std::string_view v, std::string_view h,
                                std::string_view s, double dryness_percent) {
    std::string caption;
    const auto line = [&caption](std::string_view name, std::string_view text) {
        caption.append(name).append(text).append("\r\n");
    };
    line("p=", p);
    line("t=", t);
    line("v=", v);
    line("h=", h);
    line("s=", s);
    caption.append("x=").append(shell::FormatGeneralNumber(dryness_percent)).append("%");
    return caption;
}

StateAnswer SolveStateFromPair(const PairInput& input, ScanMethod method) { return solve(input, std::nullopt, method); }

StateAnswer SolveGaugeStateFromPair(const PairInput& input, std::string_view atmospheric, ScanMethod method) {
    return solve(input, atmospheric, method);
}

}  // namespace entalix::steamcalc
