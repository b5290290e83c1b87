// One press of "计  算": the working values that the pair procedures share,
// and what differs between the absolute and the gauge screen.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "props/validity.h"
#include "props/water_steam.h"
#include "shell/state_values.h"
#include "steamcalc/exact_decimal.h"
#include "steamcalc/state_solver.h"

namespace entalix::steamcalc {

// Rounding steps of the procedures: the rounded text is what later steps read.
std::string R6(double y);
std::string R4(double y);
// An absolute pressure as shown: six decimals, or four significant digits
// below 0.001 MPa, where six decimals would keep too few of them.
std::string pressure_text(double p);
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
    std::string warning;  // why the numbers deserve care, when an equation was extrapolated
};

// What a pair procedure shows: a found state as shown, or "参数超限".
struct Shown {
    std::optional<shell::StateValues> values;  // nullopt for "参数超限"
    std::string warning;
    std::optional<StateTexts> state;  // nullopt for "参数超限"
};
Shown out_of_range();

// The calls inside one of these compute the values a caption shows: each is
// checked against the range of the formulation and marked where an equation
// was used beyond its validity. Outside, a press's calls only test regions
// and probe scans, unchecked, as the step lists make them.
class StateScope {
public:
    explicit StateScope(props::WaterSteam& w) : w_(w) {
        w_.clear_extrapolation();
        w_.set_checking(true);
    }
    ~StateScope() { w_.set_checking(false); }
    StateScope(const StateScope&) = delete;
    StateScope& operator=(const StateScope&) = delete;
    // Why the numbers deserve care. Where the equations were carried so far
    // beyond their range that their error may pass 1 % in volume or 10 kJ/kg
    // in enthalpy, no number is shown at all: the state is refused, as in the
    // near-critical region, and IAPWS-IF97 named for it.
    std::string warning() const {
        const props::Extrapolation& e = w_.extrapolation();
        if (e.water > 1 || e.steam > 1) throw props::PropertyRefusal(props::kMsgNearCritical);
        return w_.warning();
    }

private:
    props::WaterSteam& w_;
};

class Press {
public:
    // The press's water and steam tests regions and probes scans unchecked;
    // a StateScope checks the calls that compute what is shown.
    Press(const PairInput& input, std::optional<std::string_view> atmospheric, props::WaterSteam& water,
          ScanMethod method, Row first, Row second)
        : input_(input), atmospheric_(atmospheric), method_(method), first_(first), second_(second), props_(water) {
        props_.set_checking(false);
        props_.clear_extrapolation();
    }

    props::WaterSteam& props() { return props_; }
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

    // The text of a pressure the press found: on the gauge screen six decimals,
    // as its gauge pressure is shown; on the absolute screen pressure_text.
    std::string found_pressure(double p) const;

    // The state as shown: on the gauge screen with its gauge pressure.
    shell::StateValues values(const StateTexts& state);
    Shown shown(const StateTexts& state);

    // Why a found state cannot be shown: a volume not above zero, a dryness
    // outside 0 to 100 %, a temperature below 0 degC, the two typed values not
    // given back (p and t to their six decimals, x to its shown digits, h, s
    // and v within 0.1 %), a small pressure shown with too few digits, or a
    // state that does not agree with itself (inconsistency). nullopt when it can.
    std::optional<std::string> flaw(const StateTexts& state);
    // Whether the state gives back the typed value of row, as flaw() asks.
    bool gives_back(const StateTexts& state, Row row);

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
    Row first_;
    Row second_;
    props::WaterSteam& props_;
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

// Either calculator's press (atmospheric set: the gauge screen) with the scan
// method of the IFC-67 step lists given: the calculators scan with fixed
// steps, and the plain scan is the reference they are compared with.
StateAnswer solve_state(const PairInput& input, std::optional<std::string_view> atmospheric, props::WaterSteam& water,
                        ScanMethod method);

// Why a shown state does not agree with itself: recomputed from its shown
// pressure and temperature (one phase), or from its shown temperature (from_p
// false) or pressure and its dryness (wet: wet_pair, or a dryness strictly
// between 0 and 100 %), the formulation does not give the shown volume,
// enthalpy and entropy to their shown digits; the dryness is taken as exact
// (x_exact) where it is the one typed. nullopt when it does.
std::optional<std::string> inconsistency(props::WaterSteam& w, const StateTexts& state, bool wet_pair, bool from_p,
                                         bool x_exact);

// The pair procedures; nullopt when no branch applies. (h, s) is the same
// for both formulations: the formulation solves the pair itself.
std::optional<Shown> solve_pt(Press& press);
std::optional<Shown> solve_ph(Press& press);
std::optional<Shown> solve_ps(Press& press);
std::optional<Shown> solve_pv(Press& press);
std::optional<Shown> solve_px(Press& press);
std::optional<Shown> solve_th(Press& press);
std::optional<Shown> solve_ts(Press& press);
std::optional<Shown> solve_tv(Press& press);
std::optional<Shown> solve_tx(Press& press);
std::optional<Shown> solve_hs(Press& press);

// A state of one region's equations at (p, t) given as shown texts: v, h and
// s from those equations, the dryness 0 for water and 100 % for steam.
StateTexts region_state(Press& press, const std::string& p_text, const std::string& t_text, bool water);

// The state of a pair found straight on the equations of compressed water or
// superheated steam, where they are valid: for a press whose step list fails,
// ends in "参数超限" or finds a state that cannot be shown. nullopt when the
// pair has no state there; PropertyRefusal (near-critical) when the state lies
// between the two, where this library has no equation.
std::optional<Shown> direct_state(Press& press, Row first, Row second);

// A scan's grid point refined inside its last step, [from, to] or [to, from],
// where matched - target changes sign: the point itself when it has no
// neighbour on the other side.
double refine_in_step(const MatchedProperty& matched, double target, double grid_point, double previous_point);

// Steps 4 to 8 of (p, x), shared with (t, x): the wet state of dryness X at the
// saturation state (p, t) given as rounded texts.
StateTexts wet_state_from_dryness(Press& press, const std::string& p_text, const std::string& t_text,
                                  double dryness_percent);

}  // namespace entalix::steamcalc
