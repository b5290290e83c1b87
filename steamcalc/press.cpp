// The working values of one press of "计  算": typed and rounded texts read
// whole, the exact gauge sum, and the caption in either screen's pressure.
#include "steamcalc/press.h"

#include <stdexcept>

#include "shell/errors.h"
#include "shell/numbers.h"
#include "shell/reading.h"
#include "steamcalc/calculator_layout.h"

namespace entalix::steamcalc {
namespace {

constexpr const char* kAtmosphericQuantity = "大气压";

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
    // Row p is read here on the absolute screen only.
    const shell::Meaning m = row_meaning(row, shell::PressureKind::Absolute);
    const double value = shell::read_typed_number(text, m.quantity, m.unit);
    shell::check_domain(m, value, text);
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
    if (!(absolute.to_double() > 0.0))
        throw shell::OutOfDomain(std::string("“") + kRowMeanings[kRowP].quantity +
                                 "”加上大气压须大于0 MPa（绝对压力现为" + absolute.fixed(4) + " MPa）");
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

}  // namespace entalix::steamcalc
