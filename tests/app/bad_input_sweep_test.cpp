// Every calculation event of every screen, with each hostile text in each of
// its fields: no crash, no non-finite text, all results or none.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

#include "base/property_error.h"
#include "catalog/catalog.h"
#include "cli/calls.h"
#include "props/formulation.h"
#include "shell/controller.h"
#include "shell/errors.h"
#include "tests/support/invariants.h"

namespace entalix {
namespace {

using shell::ScreenId;

// Tick patterns that reach the compute button of the steam calculators: the ten pairs.
const std::vector<std::pair<const char*, const char*>> kPairs{
    {"Check1", "Check2"}, {"Check1", "Check3"}, {"Check1", "Check4"}, {"Check1", "Check5"}, {"Check1", "Check6"},
    {"Check2", "Check3"}, {"Check2", "Check4"}, {"Check2", "Check5"}, {"Check2", "Check6"}, {"Check3", "Check4"},
};

// Ordinary plant figures for the balances, so that a press gets through its
// checks and writes; every other field not under attack reads "1".
const std::map<ScreenId, std::map<std::string, std::string>> kPlant{
    {ScreenId::Form5,
     {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "100"}, {"Text4", "1"}, {"Text5", "100"}, {"Text6", "0.5"}}},
    {ScreenId::Form6,
     {{"Text1", "300"},
      {"Text2", "1"},
      {"Text3", "1"},
      {"Text4", "100"},
      {"Text5", "1"},
      {"Text6", "150"},
      {"Text7", "200"},
      {"Text8", "160"}}},
    {ScreenId::Form7,
     {{"Text1", "400"},
      {"Text2", "3"},
      {"Text3", "100"},
      {"Text4", "4"},
      {"Text5", "250"},
      {"Text6", "1"},
      {"Text7", "50"}}},
};

std::string plausible(ScreenId id, const shell::ControlDesc& field) {
    if (field.meaning.role == shell::Role::Atmospheric) return "0.0983";
    if (const auto screen = kPlant.find(id); screen != kPlant.end())
        if (const auto text = screen->second.find(field.name); text != screen->second.end()) return text->second;
    return "1";
}

void sweep(ScreenId id, const std::string& event, shell::Fields base, const std::vector<std::string>& targets) {
    const shell::ScreenDesc& desc = catalog::screen_desc(id);
    const std::string_view formulation = props::formulation_name(base.formulation());
    for (const std::string& field : targets) {
        for (const std::string& text : testing::hostile_texts()) {
            shell::Fields fields = base;
            fields.set(field, text);
            std::optional<shell::Outcome> outcome;
            ASSERT_NO_THROW(outcome = shell::run_event(desc, event, fields))
                << formulation << ' ' << shell::screen_name(id) << ' ' << event << ' ' << field << "=\"" << text << '"';
            ASSERT_TRUE(outcome.has_value());
            EXPECT_EQ(testing::broken_promise(id, event, fields, *outcome), "")
                << formulation << ' ' << shell::screen_name(id) << ' ' << event << ' ' << field << "=\"" << text << '"';
        }
    }
}

class BadInputSweepIn : public ::testing::TestWithParam<props::Formulation> {};

TEST_P(BadInputSweepIn, EveryEventEveryFieldEveryHostileText) {
    for (const catalog::EventRef& e : catalog::calculation_events()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(e.screen);
        std::vector<std::string> text_fields;
        shell::Fields base = desc.default_fields();
        base.set_formulation(GetParam());
        for (const shell::ControlDesc* f : desc.typed_fields()) {
            if (f->meaning.role == shell::Role::TickBox) continue;
            text_fields.push_back(f->name);
            base.set(f->name, plausible(e.screen, *f));
        }
        const bool steam = e.screen == ScreenId::Form11 || e.screen == ScreenId::Form12;
        const std::string& event = e.binding->event;
        if (!steam || event != "Command1_Click") {
            sweep(e.screen, event, base, text_fields);
            continue;
        }
        for (const auto& [a, b] : kPairs) {
            shell::Fields ticked = base;
            ticked.set(a, "1");
            ticked.set(b, "1");
            std::vector<std::string> targets{std::string("Text") + a[5], std::string("Text") + b[5]};
            if (e.screen == ScreenId::Form12) targets.push_back("Text7");
            sweep(e.screen, event, ticked, targets);
        }
    }
}

// What a property call gave: a finite number, a refusal, or what it must never give.
enum class Gave { Number, Refusal, NonFinite, Text };

std::string argument_text(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

// A call of entalix-calc's property functions with numbers as arguments. A
// NaN or an infinity does not read as a number: only such an argument may be
// refused before the library is asked.
Gave call_in(props::Formulation formulation, const std::string& name, const std::vector<std::string>& names,
             const std::vector<double>& numbers) {
    std::vector<std::string> args = names;
    bool finite = true;
    for (double v : numbers) {
        args.push_back(argument_text(v));
        finite = finite && std::isfinite(v);
    }
    try {
        const props::Selected result = cli::call_function(name, args, formulation);
        const double* value = std::get_if<double>(&result);
        if (value == nullptr) return Gave::Text;
        return std::isfinite(*value) ? Gave::Number : Gave::NonFinite;
    } catch (const props::PropertyError&) {
        return Gave::Refusal;
    } catch (const shell::CalculationError&) {
        if (finite) throw;
        return Gave::Refusal;
    }
}

template <typename Call>
Gave direct(Call f) {
    try {
        return std::isfinite(f()) ? Gave::Number : Gave::NonFinite;
    } catch (const props::PropertyError&) {
        return Gave::Refusal;
    }
}

// The property functions at and around every boundary give a finite number
// or a PropertyError, and a point well inside the range gives a number.
TEST_P(BadInputSweepIn, PropertyFunctionsAtTheBoundaries) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> pressures{0,      -1,       nan,    inf,     -inf,   0.000611657, 0.0006112,
                                        22.064, 22.11988, 19.747, 19.748,  22.129, 100,         1e-12,
                                        1e300,  0.001,    1,      16.5292, 50,     50.001};
    const std::vector<double> temperatures{0,      -1,  nan, inf,   -inf, 0.01, -273.15, -273.16, 364.64, 374.15,
                                           406.23, 800, 801, 1e300, 100,  2600, 350,     373.946, 2000,   2000.01};
    const std::vector<double> enthalpies{0, -1, nan, inf, 1e300, 419, 2676, 4000, 9000};
    const std::vector<double> entropies{0, -1, nan, inf, 1e300, 1.3, 7.36, 12, 20};
    const auto call = [formulation = GetParam()](const std::string& name, const std::vector<std::string>& names,
                                                 const std::vector<double>& numbers) {
        return call_in(formulation, name, names, numbers);
    };
    const auto answers = [](Gave gave) { return gave == Gave::Number || gave == Gave::Refusal; };
    for (double t : temperatures) EXPECT_TRUE(answers(call("pswsat_p", {}, {t}))) << "pswsat_p " << t;
    for (double p : pressures) {
        EXPECT_TRUE(answers(call("pswsat_t", {}, {p}))) << "pswsat_t " << p;
        for (double t : temperatures)
            for (const char* f : {"pswv_ptwtr", "pswv_ptstm", "pswh_ptwtr", "pswh_ptstm"})
                EXPECT_TRUE(answers(call(f, {}, {p, t}))) << f << ' ' << p << ' ' << t;
        for (double h : enthalpies) EXPECT_TRUE(answers(call("pswA_ph", {"t"}, {p, h}))) << "pswA_ph " << p << ' ' << h;
        for (double s : entropies) EXPECT_TRUE(answers(call("pswA_ps", {"h"}, {p, s}))) << "pswA_ps " << p << ' ' << s;
    }
    for (double h : enthalpies)
        for (double s : entropies) {
            EXPECT_TRUE(answers(call("pswA_hs", {"t"}, {h, s}))) << "pswA_hs " << h << ' ' << s;
            const auto owned = props::make_water_steam(GetParam());
            EXPECT_TRUE(answers(direct([&] { return owned->pswp_hs(h, s); }))) << "pswp_hs " << h << ' ' << s;
        }
    // The same directly in doubles, where NaN and infinity do reach the library;
    // 1 MPa with 350 degC, 3500 kJ/kg and 7 kJ/(kg K) is steam in both formulations.
    for (double p : pressures)
        for (double t : temperatures) {
            const auto owned = props::make_water_steam(GetParam());
            props::WaterSteam& psw = *owned;
            const Gave gave[] = {direct([&] { return psw.pswh_ptstm(p, t); }),
                                 direct([&] { return psw.pswt_ph(p, t * 10); }),
                                 direct([&] { return props::selected_number(psw.pswA_ps("t", p, t / 50)); })};
            for (Gave g : gave) EXPECT_TRUE(answers(g)) << p << ' ' << t;
            if (p == 1 && t == 350) {
                for (Gave g : gave) EXPECT_EQ(g, Gave::Number);
            }
        }
    // Points of the sweep well inside both formulations: a sweep that refused
    // everything would pass the checks above.
    EXPECT_EQ(call("pswsat_p", {}, {100}), Gave::Number);
    EXPECT_EQ(call("pswsat_t", {}, {1}), Gave::Number);
    EXPECT_EQ(call("pswv_ptwtr", {}, {1, 100}), Gave::Number);
    EXPECT_EQ(call("pswh_ptstm", {}, {1, 350}), Gave::Number);
    EXPECT_EQ(call("pswA_ph", {"t"}, {1, 2676}), Gave::Number);
    EXPECT_EQ(call("pswA_ps", {"h"}, {1, 7.36}), Gave::Number);
    EXPECT_EQ(call("pswA_hs", {"t"}, {2676, 7.36}), Gave::Number);
}

INSTANTIATE_TEST_SUITE_P(Formulations, BadInputSweepIn,
                         ::testing::Values(props::Formulation::IFC67, props::Formulation::IF97),
                         [](const ::testing::TestParamInfo<props::Formulation>& info) {
                             return info.param == props::Formulation::IF97 ? std::string("IF97") : std::string("IFC67");
                         });

// The checker itself must see a broken promise when there is one.
TEST(BadInputSweep, CheckerCatchesBrokenPromises) {
    shell::Outcome partial;
    partial.texts = {{"jqll", "1.0000"}};
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form5, "Command2_Click", {}, partial), "");
    shell::Outcome non_finite;
    non_finite.texts = {{"yxgl", "inf"}};
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form9, "Command2_Click", {}, non_finite), "");
    shell::Outcome decimals;
    decimals.texts = {{"Text1", "99.15"}};
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form8, "Command2_Click", {}, decimals), "");
    shell::Outcome failed;
    failed.failed = true;
    failed.texts = {{"Label3", "x"}};
    failed.message = "x";
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form11, "Command1_Click", {}, failed), "");
    shell::Outcome caption;
    // Steam at 1 MPa, 300 degC: a true state, so that only the fault made below shows.
    caption.texts = {{"Label3", "p=1.000000\r\nt=300.000000\r\nv=0.257974\r\nh=3052.1431\r\ns=7.125141\r\nx=100%"}};
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form11, "Command1_Click", {}, caption), "");  // unnamed
    caption.formulation = "IFC-67";
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form11, "Command1_Click", {}, caption), "");  // no numbers
    caption.state = shell::StateValues{{1, "1.000000"},          {300, "300.000000"},    {0.257974, "0.257974"},
                                       {3052.1431, "3052.1431"}, {7.125141, "7.125141"}, {100, "100"}};
    EXPECT_EQ(testing::broken_promise(shell::ScreenId::Form11, "Command1_Click", {}, caption), "");
    caption.state->h.value = 3052.1432;
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form11, "Command1_Click", {}, caption), "");
    caption.state->h.value = 3052.1431;
    shell::Fields if97;
    if97.set_formulation(props::Formulation::IF97);
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form11, "Command1_Click", if97, caption), "");
    caption.texts[0].second.replace(0, 10, "p=1");
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form11, "Command1_Click", {}, caption), "");
    shell::Outcome negative;
    negative.texts = {{"jqll", "-4.3478"}, {"csll", "95.6522"}};
    EXPECT_NE(testing::broken_promise(shell::ScreenId::Form5, "Command2_Click", {}, negative), "");
}

// The balances that these screens wrote before they checked the second law.
TEST(BadInputSweep, CheckerCatchesBalancesAgainstTheSecondLaw) {
    const struct {
        ScreenId screen;
        std::vector<std::pair<std::string, std::string>> fields;
        std::vector<std::pair<std::string, std::string>> written;
    } cases[] = {
        {ScreenId::Form5,  // steam at 100 degC brings water to 265 degC
         {{"Text1", "100"}, {"Text2", "0"}, {"Text6", "5"}, {"Text3", "20"}, {"Text4", "6"}, {"Text5", "100"}},
         {{"jqll", "70.6502"}, {"csll", "170.6502"}}},
        {ScreenId::Form6,  // steam at 150 degC heats water to 250 degC
         {{"Text1", "150"},
          {"Text2", "0"},
          {"Text4", "20"},
          {"Text3", "5"},
          {"Text7", "100"},
          {"Text6", "250"},
          {"Text5", "5"},
          {"Text8", "100"}},
         {{"jqll", "42.2966"}}},
        {ScreenId::Form7,  // 0.1 MPa, 300 degC in; 10 MPa, 320 degC out
         {{"Text1", "300"},
          {"Text2", "0"},
          {"Text3", "20"},
          {"Text4", "1"},
          {"Text5", "320"},
          {"Text6", "10"},
          {"Text7", "100"}},
         {{"jqll", "90.0833"}, {"jwsll", "9.9167"}}},
    };
    for (const auto& c : cases) {
        shell::Fields fields = catalog::screen_desc(c.screen).default_fields();
        for (const auto& [name, text] : c.fields) fields.set(name, text);
        shell::Outcome outcome;
        outcome.texts = c.written;
        outcome.formulation = "IFC-67";
        EXPECT_EQ(testing::broken_promise(c.screen, "Command2_Click", {}, outcome), "");  // the states are needed
        EXPECT_NE(testing::broken_promise(c.screen, "Command2_Click", fields, outcome), "")
            << shell::screen_name(c.screen);
    }
}

}  // namespace
}  // namespace entalix
