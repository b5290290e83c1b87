// The caption of every pair on states in water, wet steam and steam. The
// expected texts are built here from the property functions and the rounding
// rules of the procedures (R6, R4, 100 x R4 of the dryness), scans included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "catalog/catalog.h"
#include "props/public.h"
#include "shell/errors.h"
#include "shell/memory_app.h"
#include "shell/numbers.h"
#include "steamcalc/state_solver.h"

namespace entalix::steamcalc {
namespace {

using props::pswsat_p;
using props::pswsat_t;
using props::selected_number;

std::string r6(double y) { return shell::FormatWithPattern(y, "0.000000"); }
std::string r4(double y) { return shell::FormatWithPattern(y, "0.0000"); }
double val(const std::string& text) { return shell::ParseStrictNumber(text).value(); }
std::string exact_text(double y) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", y);
    return buffer;
}

std::string lines(const std::string& p, const std::string& t, const std::string& v, const std::string& h,
                  const std::string& s, double x) {
    return "p=" + p + "\r\nt=" + t + "\r\nv=" + v + "\r\nh=" + h + "\r\ns=" + s +
           "\r\nx=" + shell::FormatGeneralNumber(x) + "%";
}

PairInput pair(Row a, std::string a_text, Row b, std::string b_text) {
    PairInput input;
    input.ticks[a] = input.ticks[b] = true;
    input.texts[a] = std::move(a_text);
    input.texts[b] = std::move(b_text);
    return input;
}

std::string solved(const PairInput& input) { return SolveStateFromPair(input).caption().value_or("<none>"); }

// The definition of a scan: one step of 0.001 after the other.
double scan(double y, double step, const std::function<bool(double)>& goes_on) {
    for (int k = 0; k < 2000000 && goes_on(y); ++k) y += step;
    return y;
}

class StateCaption : public ::testing::Test {
protected:
    props::SteamProperties w;
    double x_of_ps(double p, const std::string& s) {
        return 100.0 * val(r4(selected_number(w.pswA_ps("x", p, val(s)))));
    }

    std::string steam_pt(const std::string& p_text, double t_typed) {
        const double p = val(p_text), t = val(r6(t_typed));
        const std::string h = r6(w.pswh_ptstm(p, t)), s = r6(w.psws_ph(p, val(h)));
        return lines(p_text, r6(t_typed), r6(w.pswv_ptstm(p, t)), h, s, x_of_ps(p, s));
    }
    std::string from_ph(double p, double h) {
        const std::string hr = r4(h), s = r6(selected_number(w.pswA_ph("s", p, val(hr))));
        return lines(r6(p), r6(selected_number(w.pswA_ph("t", p, h))), r6(selected_number(w.pswA_ph("v", p, h))), hr, s,
                     x_of_ps(p, s));
    }
    std::string from_ps(double p, double s) {
        const std::string sr = r4(s);
        return lines(r6(p), r6(selected_number(w.pswA_ps("t", p, s))), r6(selected_number(w.pswA_ps("v", p, s))),
                     r6(selected_number(w.pswA_ps("h", p, s))), sr, x_of_ps(p, sr));
    }
    std::string from_px(const std::string& p_text, const std::string& t_text, double x) {
        const double p = val(p_text), t = val(t_text);
        const std::string h = r6(((100 - x) * w.pswh_ptwtr(p, t)) / 100 + (w.pswh_ptstm(p, t) * x) / 100);
        const std::string s = r6(w.psws_ph(p, val(h)));
        return lines(p_text, t_text, r6(selected_number(w.pswA_ph("v", p, val(h)))), h, s, x_of_ps(p, s));
    }
    // A state found by a pressure scan at t, in one region.
    std::string scanned(double p_found, double t_typed, bool water, bool x_from_ps) {
        const std::string pr = r6(p_found), tr = r6(t_typed);
        const double p = val(pr), t = val(tr);
        const std::string v = r6(water ? w.pswv_ptwtr(p, t) : w.pswv_ptstm(p, t));
        const std::string h = r6(water ? w.pswh_ptwtr(p, t) : w.pswh_ptstm(p, t));
        const std::string s = r6(selected_number(water ? w.pswA_ptwtr("s", p, t) : w.pswA_ptstm("s", p, t)));
        const double x =
            x_from_ps ? x_of_ps(p, s)
                      : 100.0 * val(r4(selected_number(water ? w.pswA_ptwtr("x", p, t) : w.pswA_ptstm("x", p, t))));
        return lines(pr, tr, v, h, s, x);
    }
};

TEST_F(StateCaption, PressureAndTemperature) {
    // Compressed water at 1 MPa and 100 degC, figures of the property tables.
    EXPECT_EQ(solved(pair(kRowP, "1", kRowT, "100")),
              "p=1.000000\r\nt=100.000000\r\nv=0.001043\r\nh=419.738645\r\ns=1.306164\r\nx=0%");
    EXPECT_EQ(solved(pair(kRowP, "1", kRowT, "300")), steam_pt("1.000000", 300));
    // On the saturation temperature itself: steam.
    const double ts = pswsat_t(1.0);
    EXPECT_EQ(solved(pair(kRowP, "1", kRowT, exact_text(ts))), steam_pt("1.000000", ts));
}

TEST_F(StateCaption, PressureAndEnthalpyShowsTheEnthalpyWithFourDecimals) {
    for (double h : {400.0, 1500.0, 3051.0, 2000.123456})
        EXPECT_EQ(solved(pair(kRowP, "1", kRowH, exact_text(h))), from_ph(1, h)) << h;
    EXPECT_NE(solved(pair(kRowP, "1", kRowH, "1500")).find("\r\nh=1500.0000\r\n"), std::string::npos);
    EXPECT_NE(solved(pair(kRowP, "1", kRowH, "1500")).find("\r\nx=36.62%"), std::string::npos);
}

TEST_F(StateCaption, PressureAndEntropyShowsTheEntropyWithFourDecimals) {
    for (double s : {1.2, 4.0, 7.5}) EXPECT_EQ(solved(pair(kRowP, "1", kRowS, exact_text(s))), from_ps(1, s)) << s;
    EXPECT_NE(solved(pair(kRowP, "1", kRowS, "7.5")).find("t=410.698"), std::string::npos);
}

TEST_F(StateCaption, PressureAndVolumeScansTheTemperature) {
    const double p = 1.0, ts = pswsat_t(p);
    // Water: cooled until the water volume is no more than the typed one.
    const double t_water = scan(ts, -0.001, [&](double t) { return w.pswv_ptwtr(p, t) - 0.00105 > 1e-7; });
    const std::string h_water = r6(w.pswh_ptwtr(1, val(r6(t_water))));
    const std::string s_water = r6(w.psws_ph(1, val(h_water)));
    EXPECT_EQ(
        solved(pair(kRowP, "1", kRowV, "0.00105")),
        lines("1.000000", r6(t_water), r6(w.pswv_ptwtr(1, val(r6(t_water)))), h_water, s_water, x_of_ps(1, s_water)));
    // Wet: the mixing rule at the saturation temperature, by the volume.
    {
        const double v1 = w.pswv_ptwtr(p, ts), v2 = w.pswv_ptstm(p, ts), x = (0.1 - v1) / (v2 - v1);
        const double h1 = w.pswh_ptwtr(p, ts), h2 = w.pswh_ptstm(p, ts);
        const double s1 = selected_number(w.pswA_ptwtr("s", p, ts)), s2 = selected_number(w.pswA_ptstm("s", p, ts));
        EXPECT_EQ(solved(pair(kRowP, "1", kRowV, "0.1")), lines("1.000000", r6(ts), "0.100000", r6(h1 + x * (h2 - h1)),
                                                                r6(s1 + x * (s2 - s1)), 100.0 * val(r4(x))));
    }
    // Steam: heated until the steam volume reaches the typed one.
    const double t_steam = scan(ts, 0.001, [&](double t) { return w.pswv_ptstm(p, t) - 0.25797447 < 1e-7; });
    EXPECT_NEAR(t_steam, 300.0, 0.002);
    EXPECT_EQ(solved(pair(kRowP, "1", kRowV, "0.25797447")), steam_pt("1.000000", t_steam));
}

TEST_F(StateCaption, PressureAndDrynessTakesAnyPercentageFromZeroToHundred) {
    const std::string ts = r6(pswsat_t(1));
    for (double x : {0.0, 50.0, 100.0})
        EXPECT_EQ(solved(pair(kRowP, "1", kRowX, exact_text(x))), from_px("1.000000", ts, x)) << x;
    for (double x : {120.0, -10.0})
        EXPECT_THROW(solved(pair(kRowP, "1", kRowX, exact_text(x))), shell::CalculationError);
}

TEST_F(StateCaption, TemperatureAndDryness) {
    EXPECT_EQ(solved(pair(kRowT, "150", kRowX, "25")), from_px(r6(pswsat_p(150)), "150.000000", 25));
}

TEST_F(StateCaption, TemperatureAndEnthalpyInEveryBranch) {
    // A, two-phase: the dryness from the mixing rule, with six decimals.
    {
        const double t = 150, h = 1500, ps = pswsat_p(t);
        const double h1 = w.pswh_ptwtr(ps, t), h2 = w.pswh_ptstm(ps, t);
        const std::string s = r6(selected_number(w.pswA_ph("s", pswsat_p(150.0), 1500.0)));
        EXPECT_EQ(solved(pair(kRowT, "150", kRowH, "1500")),
                  lines(r6(ps), "150.000000", r6(selected_number(w.pswA_ph("v", pswsat_p(150.0), h))), "1500.000000", s,
                        val(r6(100 * (1 - (h2 - h) / (h2 - h1))))));
    }
    // B, compressed water: at 300 degC the water enthalpy falls with pressure.
    {
        const double t = 300, h = 0.5 * (w.pswh_ptwtr(pswsat_p(t), t) + w.pswh_ptwtr(22.129, t));
        const double p = scan(pswsat_p(t), 0.001, [&](double pp) { return w.pswh_ptwtr(pp, t) - h > 1e-7; });
        EXPECT_EQ(solved(pair(kRowT, "300", kRowH, exact_text(h))), scanned(p, t, true, true));
    }
    // C, supercritical: up from 0.001 MPa with the steam equations.
    {
        const double p = scan(0.001, 0.001, [&](double pp) { return w.pswh_ptstm(pp, 500) - 3300 > 1e-7; });
        EXPECT_EQ(solved(pair(kRowT, "500", kRowH, "3300")), scanned(p, 500, false, true));
        // Above the enthalpy at 0.001 MPa no pressure gives the typed enthalpy back.
        EXPECT_THROW(solved(pair(kRowT, "500", kRowH, "4000")), shell::CalculationError);
    }
    // D, superheated below the critical temperature, down from the saturation pressure.
    {
        const double p = scan(pswsat_p(200), -0.001, [&](double pp) { return w.pswh_ptstm(pp, 200) - 2850 < 1e-7; });
        EXPECT_EQ(solved(pair(kRowT, "200", kRowH, "2850")), scanned(p, 200, false, false));
    }
}

TEST_F(StateCaption, SuperheatedEnthalpyBranchAgreesWithPressureAndEnthalpy) {
    // The state found from (t, h) has the typed enthalpy to within the grid's
    // resolution, and (p, h) at that pressure gives back the temperature.
    for (double t : {120.0, 200.0, 300.0, 350.0}) {
        const double h = w.pswh_ptstm(0.5 * pswsat_p(t), t);
        const std::string caption = solved(pair(kRowT, exact_text(t), kRowH, exact_text(h)));
        const double p = val(caption.substr(2, caption.find('\r') - 2));
        EXPECT_NEAR(w.pswh_ptstm(p, t), h, std::fabs(w.pswh_ptstm(p + 0.001, t) - w.pswh_ptstm(p, t)) + 1e-6);
        EXPECT_NEAR(selected_number(w.pswA_ph("t", p, h)), t, 0.05) << caption;
    }
}

TEST_F(StateCaption, TemperatureAndEntropyOrVolumeInEveryBranch) {
    const double t = 200, ps = pswsat_p(t);
    for (Row row : {kRowS, kRowV}) {
        const char* name = row == kRowS ? "s" : "v";
        const auto water = [&](double p) { return selected_number(w.pswA_ptwtr(name, p, t)); };
        const auto steam = [&](double p) { return selected_number(w.pswA_ptstm(name, p, t)); };
        // A: the vapour fraction by entropy or by volume, then the enthalpy by the mixing rule.
        const double y1 = water(ps), y2 = steam(ps), y = 0.3 * y1 + 0.7 * y2;
        const double xf = row == kRowV ? (y - y1) / (y2 - y1) : 1 - (y2 - y) / (y2 - y1);
        const double hm = (1 - xf) * w.pswh_ptwtr(ps, t) + xf * w.pswh_ptstm(ps, t);
        const std::string hr = r6(hm), s = r6(selected_number(w.pswA_ph("s", pswsat_p(200.0), val(hr))));
        EXPECT_EQ(solved(pair(kRowT, "200", row, exact_text(y))),
                  lines(r6(ps), "200.000000", r6(selected_number(w.pswA_ph("v", pswsat_p(200.0), hm))), hr, s,
                        x_of_ps(val(r6(ps)), s)));
        // B: compressed water, up from the saturation pressure.
        const double yb = 0.5 * (water(ps) + water(22.129));
        const double pb = scan(ps, 0.001, [&](double p) { return water(p) - yb > 1e-7; });
        EXPECT_EQ(solved(pair(kRowT, "200", row, exact_text(yb))), scanned(pb, t, true, false));
        // C: superheated steam, down from the saturation pressure.
        const double yc = steam(0.3);
        const double pc = scan(ps, -0.001, [&](double p) { return steam(p) - yc < 1e-7; });
        EXPECT_EQ(solved(pair(kRowT, "200", row, exact_text(yc))), scanned(pc, t, false, false));
    }
}

struct OutOfRangeCase {
    const char* name;
    Row row;
    const char* t;
    const char* value;
};

// Past the value at 22.129 MPa (water) or at 0.001 MPa (steam), and the scans
// that reach their bound.
const OutOfRangeCase kOutOfRangeCases[] = {
    {"EnthalpyBelowWaterAtCeiling", kRowH, "300", "1000"},
    {"EnthalpyAboveSteamAtFloor", kRowH, "200", "3000"},
    {"EntropyBelowWaterAtCeiling", kRowS, "200", "2.2"},
};

class OutOfRange : public ::testing::TestWithParam<OutOfRangeCase> {};

TEST_P(OutOfRange, ShowsParameterOutOfRange) {
    const OutOfRangeCase& c = GetParam();
    EXPECT_EQ(solved(pair(kRowT, c.t, c.row, c.value)), kOutOfRange);
}

INSTANTIATE_TEST_SUITE_P(Guards, OutOfRange, ::testing::ValuesIn(kOutOfRangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScanBoundsOnScreen, ShowParameterOutOfRange) {
    // Smaller than any water volume at 1 MPa: the cooling scan reaches 0 degC.
    EXPECT_EQ(SolveStateFromPair(pair(kRowP, "1", kRowV, "0.0009")).caption(), std::string(kOutOfRange));
    // Larger than the steam volume at 800 degC.
    EXPECT_EQ(SolveStateFromPair(pair(kRowP, "1", kRowV, "100")).caption(), std::string(kOutOfRange));
    // Below the triple-point pressure the water scan would start below 0 degC.
    EXPECT_EQ(SolveStateFromPair(pair(kRowP, "0.0005", kRowV, "0.0009")).caption(), std::string(kOutOfRange));
}

struct UnchangedCase {
    const char* name;
    PairInput input;
    std::string_view note;
};

class Unchanged : public ::testing::TestWithParam<UnchangedCase> {};

TEST_P(Unchanged, LeavesTheCaptionAndSaysWhy) {
    const StateAnswer answer = SolveStateFromPair(GetParam().input);
    EXPECT_FALSE(answer.caption().has_value());
    EXPECT_EQ(answer.note, GetParam().note);
}

PairInput ticked(std::initializer_list<Row> rows) {
    PairInput input;
    for (Row r : rows) input.ticks[r] = true;
    input.texts = {"1", "100", "2000", "5", "0.1", "50"};
    return input;
}

INSTANTIATE_TEST_SUITE_P(Cases, Unchanged,
                         ::testing::Values(UnchangedCase{"NoRowTicked", ticked({}), kNoPairNote},
                                           UnchangedCase{"OneRowTicked", ticked({kRowH}), kNoPairNote}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AbsoluteScreen, NonNumericTextStopsThePressAndKeepsTheLabel) {
    shell::MemoryApp app(catalog::screen_desc);
    app.start();
    app.click(shell::ScreenId::Form1, "Command6");
    app.click(shell::ScreenId::Form10, "Command1");
    const auto form = shell::ScreenId::Form11;
    app.click(form, "Command1");
    EXPECT_EQ(app.text(form, "Label3"), "");
    EXPECT_EQ(app.text(form, "Message"), kNoPairNote);
    app.click(form, "Check1");
    app.click(form, "Check2");
    app.type(form, "Text1", "1");
    app.type(form, "Text2", "100");
    app.click(form, "Command1");
    const std::string caption = app.text(form, "Label3");
    EXPECT_EQ(caption.substr(0, 12), "p=1.000000\r\n");
    EXPECT_EQ(app.text(form, "Message"), "");
    for (const auto& [bad, message] : {std::pair{"abc", "“温度”无法识别：“abc”"},
                                       {"", "“温度”为空"},
                                       {"1,5", "“温度”无法识别：“1,5”（小数点请用“.”）"},
                                       {"12abc", "“温度”无法识别：“12abc”"}}) {
        app.type(form, "Text2", bad);
        app.click(form, "Command1");
        EXPECT_EQ(app.text(form, "Label3"), caption);
        EXPECT_EQ(app.text(form, "Message"), message);
    }
    // A pressure that cannot exist stops the press the same way.
    app.type(form, "Text2", "100");
    app.type(form, "Text1", "-1");
    app.click(form, "Command1");
    EXPECT_EQ(app.text(form, "Label3"), caption);
    EXPECT_EQ(app.text(form, "Message"), "“压力”须大于0 MPa（现为“-1”）");
}

}  // namespace
}  // namespace entalix::steamcalc
