// The working values of one press of "计  算": typed and rounded texts read
// strictly and checked against the range of the formulation, the exact gauge
// sum, the shown state in either screen's pressure, and whether a found state
// gives back the two values that were typed.
#include "steamcalc/press.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "base/elementary.h"
#include "props/ifc67_lines.h"
#include "props/validity.h"
#include "shell/errors.h"
#include "shell/numbers.h"
#include "shell/reading.h"
#include "steamcalc/calculator_layout.h"

namespace entalix::steamcalc {
namespace {

constexpr const char* kAtmosphericQuantity = "大气压";

// "（IFC-67适用范围）" or "（IAPWS-IF97适用范围）".
std::string range_of(props::Formulation formulation) {
    return "（" + std::string(props::formulation_name(formulation)) + "适用范围）";
}

// What a typed value of a row may be in the range of the formulation, checked
// when the press first reads it.
void check_domain(Row row, double value, props::Formulation formulation) {
    const bool if97 = formulation == props::Formulation::IF97;
    const double highest = if97 ? props::kIf97HighestTemperature : props::kHighestTemperature;
    if (row == kRowT && !(value >= props::kLowestTemperature && value <= highest))
        throw shell::CalculationError(std::string("“温度”须在0–") + (if97 ? "2000" : "800") + " ℃之间" +
                                      range_of(formulation));
    if (row == kRowP && !(value > 0.0 && value <= props::kHighestPressure))
        throw shell::CalculationError("“压力”须大于0且不超过100 MPa" + range_of(formulation));
    if (row == kRowV && !(value > 0.0)) throw shell::CalculationError("“比容”须大于0");
    if (row == kRowX && !(value >= 0.0 && value <= 100.0)) throw shell::CalculationError("“干度”须在0–100 %之间");
}

// Half a unit in the last decimal of a shown number.
double half_unit_of(const std::string& text) {
    const std::size_t point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return 0.5 * elementary::pow(10.0, -decimals);
}

}  // namespace

std::string R6(double y) { return shell::FormatWithPattern(y, "0.000000"); }
std::string R4(double y) { return shell::FormatWithPattern(y, "0.0000"); }

std::string pressure_text(double p) { return shell::FormatPressureMPa(p); }

std::string Press::found_pressure(double p) const { return gauge() ? R6(p) : pressure_text(p); }

double value_of(const std::string& rounded_text) {
    const std::optional<double> value = shell::ParseStrictNumber(rounded_text);
    if (!value) throw std::logic_error("a rounded result is not a number: " + rounded_text);
    return *value;
}

double number(const props::Selected& selected) { return props::selected_number(selected); }

double percent_of_rounded(const props::Selected& dryness) { return 100.0 * value_of(R4(number(dryness))); }

double Press::working(const std::string& text, Row row) const {
    // Row p is read here on the absolute screen only.
    const shell::Meaning m = row_meaning(row, shell::PressureKind::Absolute);
    const double value = shell::read_typed_number(text, m.quantity, m.unit);
    shell::check_domain(m, value, text);
    check_domain(row, value, props_.formulation());
    return value;
}

double Press::typed(Row row) const { return working(input_.texts[row], row); }

ExactDecimal Press::exact(std::string_view text, const char* quantity) const {
    // Both fields read exactly are pressures in MPa. The shared reader decides
    // what was typed; its digits are then kept as they are.
    std::optional<ExactDecimal> value = ExactDecimal::parse(shell::field_number_text(text, quantity, "MPa"));
    if (!value) throw shell::NotANumber(quantity);
    return *value;
}

void Press::read_atmospheric() {
    if (!atmospheric_ || pa_) return;
    pa_ = exact(*atmospheric_, kAtmosphericQuantity);
    const shell::Meaning atmosphere{shell::Role::Atmospheric, kAtmosphericQuantity, "MPa"};
    shell::check_domain(atmosphere, pa_->to_double(), *atmospheric_);
}

Press::TypedPressure Press::typed_pressure() {
    if (!gauge()) return TypedPressure(*this, std::nullopt);
    const ExactDecimal pg = exact(input_.texts[kRowP], kRowMeanings[kRowP].quantity);
    read_atmospheric();
    const ExactDecimal absolute = pg + *pa_;
    const double value = absolute.to_double();
    if (!(value > 0.0))
        throw shell::OutOfDomain(std::string("“") + kRowMeanings[kRowP].quantity +
                                 "”加上大气压须大于0 MPa（绝对压力现为" + absolute.fixed(4) + " MPa）");
    if (!(value <= props::kHighestPressure))
        throw shell::CalculationError("“压力”加大气压所得的绝对压力须大于0且不超过100 MPa" +
                                      range_of(props_.formulation()));
    return TypedPressure(*this, absolute);
}

double Press::TypedPressure::value() const { return absolute_ ? absolute_->to_double() : press_.typed(kRowP); }

std::string Press::TypedPressure::rounded() const { return absolute_ ? absolute_->fixed(6) : pressure_text(value()); }

shell::StateValues Press::values(const StateTexts& state) {
    std::string p = state.p;
    if (gauge()) {
        read_atmospheric();
        // The shown pressure is gauge again: the rounded absolute pressure less
        // the atmospheric pressure, digit for digit.
        const std::optional<ExactDecimal> absolute = ExactDecimal::parse(state.p);
        if (!absolute) throw std::logic_error("a rounded pressure is not a number: " + state.p);
        p = (*absolute - *pa_).general();
    }
    // The dryness in percent with at most 15 significant digits.
    return {shell::shown_number(std::move(p)), shell::shown_number(state.t),
            shell::shown_number(state.v),      shell::shown_number(state.h),
            shell::shown_number(state.s),      shell::shown_number(shell::FormatGeneralNumber(state.x))};
}

Shown Press::shown(const StateTexts& state) { return Shown{values(state), state.warning, state}; }

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
    if (!(value_of(state.t) >= props::kLowestTemperature))
        return "计算所得温度低于0 ℃" + range_of(props_.formulation()) + "，不予显示";
    if (state.p != found_pressure(value_of(state.p))) return std::string("所得压力太小，六位小数不能示出，不予显示");
    // Steam beyond its boundary line below the critical temperature lies
    // within a few kPa of the saturation line, where the equations may not
    // even give the right phase.
    const double t_shown = value_of(state.t);
    if (props_.formulation() == props::Formulation::IFC67 && state.x >= 100.0 && t_shown > props::kWaterEquationLimit &&
        props::ifc67::at_or_below_critical_temperature(t_shown) &&
        value_of(state.p) > props::ifc67::boundary_pressure(t_shown))
        return std::string(props::kMsgNearCritical);
    for (Row row : {first_, second_}) {
        if (gives_back(state, row)) continue;
        std::string why = std::string("所得状态不能重现所给的“") + kRowMeanings[row].quantity + "”";
        if (row == kRowH || row == kRowS || row == kRowV) why += "（相差超过0.1 %）";
        return why + "，不予显示";
    }
    const bool wet_pair = first_ == kRowX || second_ == kRowX;
    const bool x_exact = wet_pair && std::fabs(state.x - typed(kRowX)) <= 1e-9;
    return inconsistency(props_, state, wet_pair, first_ == kRowP, x_exact);
}

}  // namespace entalix::steamcalc
