// Selection of the pair, the working values of a press, and the result text.
#include "steamcalc/state_solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "props/validity.h"
#include "shell/errors.h"
#include "shell/numbers.h"
#include "steamcalc/press.h"

namespace entalix::steamcalc {
namespace {

constexpr const char* kAtmosphericQuantity = "大气压";

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
    StateAnswer answer;
    bool any_pair = false;
    for (const Pair& pair : kPairs) {
        if (!input.ticks[pair.first] || !input.ticks[pair.second]) continue;
        any_pair = true;
        Press press(input, atmospheric, method, pair.first, pair.second);
        if (std::optional<Shown> shown = run_pair(press, pair)) {
            answer.caption = std::move(shown->caption);
            answer.warning = std::move(shown->warning);
        }
    }
    if (!answer.caption) answer.note = any_pair ? kNoStateNote : kNoPairNote;
    return answer;
}

// What a typed value of a row may be, checked when the press first reads it.
void check_domain(Row row, double value) {
    if (row == kRowT && !(value >= props::kLowestTemperature && value <= props::kHighestTemperature))
        throw shell::CalculationError("“温度”须在0–800 ℃之间（IFC-67适用范围）");
    if (row == kRowP && !(value > 0.0 && value <= props::kHighestPressure))
        throw shell::CalculationError("“压力”须大于0且不超过100 MPa（IFC-67适用范围）");
    if (row == kRowV && !(value > 0.0)) throw shell::CalculationError("“比容”须大于0");
    if (row == kRowX && !(value >= 0.0 && value <= 100.0)) throw shell::CalculationError("“干度”须在0–100 %之间");
}

// Half a unit in the last decimal of a shown number.
double half_unit_of(const std::string& text) {
    const std::size_t point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

}  // namespace

std::string R6(double y) { return shell::FormatWithPattern(y, "0.000000"); }
std::string R4(double y) { return shell::FormatWithPattern(y, "0.0000"); }

double value_of(const std::string& rounded_text) {
    const std::optional<double> value = shell::ParseStrictNumber(rounded_text);
    if (!value) throw std::logic_error("a rounded result is not a number: " + rounded_text);
    return *value;
}

double number(const props::Selected& selected) { return props::selected_number(selected); }

double percent_of_rounded(const props::Selected& dryness) { return 100.0 * value_of(R4(number(dryness))); }

double Press::working(const std::string& text, Row row) const {
    const std::optional<double> value = shell::ParseStrictNumber(text);
    if (!value) throw shell::NotANumber(kRowMeanings[row].quantity);
    check_domain(row, *value);
    return *value;
}

double Press::typed(Row row) const { return working(input_.texts[row], row); }

ExactDecimal Press::exact(std::string_view text, const char* quantity) const {
    std::optional<ExactDecimal> value = ExactDecimal::parse(text);
    if (!value) throw shell::NotANumber(quantity);
    return *value;
}

void Press::read_atmospheric() {
    if (atmospheric_ && !pa_) pa_ = exact(*atmospheric_, kAtmosphericQuantity);
}

Press::TypedPressure Press::typed_pressure() {
    if (!gauge()) return TypedPressure(*this, std::nullopt);
    const ExactDecimal pg = exact(input_.texts[kRowP], kRowMeanings[kRowP].quantity);
    read_atmospheric();
    const ExactDecimal absolute = pg + *pa_;
    const double value = absolute.to_double();
    if (!(value > 0.0 && value <= props::kHighestPressure))
        throw shell::CalculationError("“压力”加大气压所得的绝对压力须大于0且不超过100 MPa（IFC-67适用范围）");
    return TypedPressure(*this, absolute);
}

double Press::TypedPressure::value() const { return absolute_ ? absolute_->to_double() : press_.typed(kRowP); }

std::string Press::TypedPressure::rounded() const { return absolute_ ? absolute_->fixed(6) : R6(value()); }

std::string Press::caption(const StateTexts& state) {
    if (!gauge()) return ComposeStateCaption(state.p, state.t, state.v, state.h, state.s, state.x);
    read_atmospheric();
    // The shown pressure is gauge again: the rounded absolute pressure less the
    // atmospheric pressure, digit for digit.
    const std::optional<ExactDecimal> absolute = ExactDecimal::parse(state.p);
    if (!absolute) throw std::logic_error("a rounded pressure is not a number: " + state.p);
    return ComposeStateCaption((*absolute - *pa_).general(), state.t, state.v, state.h, state.s, state.x);
}

Shown Press::shown(const StateTexts& state) { return Shown{caption(state), state.warning, state}; }

bool Press::gives_back(const StateTexts& state, Row row) {
    switch (row) {
        case kRowP:
            return state.p == typed_pressure().rounded();
        case kRowT:
            return state.t == R6(typed(kRowT));
        case kRowX:
            // To the shown two decimals, with room for the rounding of h and s
            // on the way to the library's dryness.
            return std::fabs(state.x - typed(kRowX)) <= 0.006;
        default:
            break;
    }
    const std::string& text = row == kRowH ? state.h : row == kRowS ? state.s : state.v;
    const double typed_value = typed(row);
    const double tolerance = std::max(1e-3 * std::fabs(typed_value), half_unit_of(text) * (1.0 + 1e-9));
    return std::fabs(value_of(text) - typed_value) <= tolerance;
}

std::optional<std::string> Press::flaw(const StateTexts& state) {
    if (!(value_of(state.v) > 0.0)) return std::string("计算所得比容不大于零，这样的状态不存在");
    if (!(state.x >= 0.0 && state.x <= 100.0)) return std::string("计算所得干度不在0–100 %之间，这样的状态不存在");
    for (Row row : {first_, second_}) {
        if (gives_back(state, row)) continue;
        std::string why = std::string("所得状态不能重现所给的“") + kRowMeanings[row].quantity + "”";
        if (row == kRowH || row == kRowS || row == kRowV) why += "（相差超过0.1 %）";
        return why + "，不予显示";
    }
    return std::nullopt;
}

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
