// One press of "计  算": the working values that the pair procedures share,
// and what differs between the absolute and the gauge screen.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "props/public.h"
#include "steamcalc/exact_decimal.h"
#include "steamcalc/state_solver.h"

namespace entalix::steamcalc {

// Rounding steps of the procedures: the rounded text is what later steps read.
std::string R6(double y);
std::string R4(double y);
// The value of a text the calculation wrote itself.
double value_of(const std::string& rounded_text);
// 100 x the value of R4(dryness fraction): the dryness shown, with two decimals.
double percent_of_rounded(const props::Selected& dryness);
double number(const props::Selected& selected);

// The five working values of a found state as rounded texts, and the dryness
// in percent: what the caption shows and what later branches read.
struct StateTexts {
    std::string p, t, v, h, s;
    double x = 0.0;
};

class Press {
public:
    Press(const PairInput& input, std::optional<std::string_view> atmospheric, ScanMethod method)
        : input_(input), atmospheric_(atmospheric), method_(method) {}

    props::SteamProperties& props() { return props_; }
    const std::string& text(Row row) const { return input_.texts[row]; }
    // The strict reading of a typed text; NotANumber names the row's quantity.
    double typed(Row row) const;
    // Same, for a working value that may be a typed text or a rounded one.
    double working(const std::string& text, Row row) const;

    // The absolute pressure of row p: its number for the property functions and
    // its R6 text. On the gauge screen both come from the exact sum of the typed
    // gauge pressure and the atmospheric pressure, read here in that order.
    struct Pressure {
        double value = 0.0;
        std::string rounded;
    };
    class TypedPressure;
    TypedPressure typed_pressure();

    // The pairs with t read the atmospheric pressure before any property
    // function; nothing on the absolute screen.
    void read_atmospheric();
    bool gauge() const { return atmospheric_.has_value(); }

    std::string caption(const StateTexts& state);

    std::optional<double> search(double y0, Direction direction, const MatchedProperty& f, double g, Sense sense,
                                 ScanBound bound) const {
        return StepSearch(y0, direction, f, g, sense, bound, method_);
    }

private:
    ExactDecimal exact(std::string_view text, const char* quantity) const;

    const PairInput& input_;
    std::optional<std::string_view> atmospheric_;
    std::optional<ExactDecimal> pa_;
    ScanMethod method_;
    props::SteamProperties props_;
};

// Row p as typed: on the absolute screen the text is read when a step first
// needs its number (so the procedures meet a bad text in their own order).
class Press::TypedPressure {
public:
    TypedPressure(const Press& press, std::optional<ExactDecimal> absolute)
        : press_(press), absolute_(std::move(absolute)) {}
    double value() const;
    std::string rounded() const;

private:
    const Press& press_;
    std::optional<ExactDecimal> absolute_;  // the exact sum on the gauge screen
};

// The nine pair procedures; nullopt when no branch applies.
std::optional<std::string> solve_pt(Press& press);
std::optional<std::string> solve_ph(Press& press);
std::optional<std::string> solve_ps(Press& press);
std::optional<std::string> solve_pv(Press& press);
std::optional<std::string> solve_px(Press& press);
std::optional<std::string> solve_th(Press& press);
std::optional<std::string> solve_ts(Press& press);
std::optional<std::string> solve_tv(Press& press);
std::optional<std::string> solve_tx(Press& press);

// Steps 4 to 8 of (p, x), shared with (t, x): the wet state of dryness X at the
// saturation state (p, t) given as rounded texts.
StateTexts wet_state_from_dryness(Press& press, const std::string& p_text, const std::string& t_text,
                                  double dryness_percent);

}  // namespace entalix::steamcalc
