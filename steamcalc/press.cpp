// The working values of one press of "计  算": typed and rounded texts read
// strictly, the exact gauge sum, and the caption in either screen's pressure.
#include "steamcalc/press.h"

#include <stdexcept>

#include "shell/errors.h"
#include "shell/numbers.h"

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
    const std::optional<double> value = shell::ParseStrictNumber(text);
    if (!value) throw shell::NotANumber(kRowMeanings[row].quantity);
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
    return TypedPressure(*this, pg + *pa_);
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
