// The formulation of a calculation: its names, and the water and steam of
// each formulation as one press holds it.
#include "props/formulation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>

#include "ifc67/saturation.h"
#include "props/validity.h"
#include "props/water_steam.h"

namespace entalix::props {
namespace {

TEST(Formulation, NamesAndSpellings) {
    const struct {
        const char* text;
        std::optional<Formulation> parsed;
    } cases[] = {
        {"IFC-67", Formulation::IFC67},    {"ifc67", Formulation::IFC67}, {"IF97", Formulation::IF97},
        {"iapws-if97", Formulation::IF97}, {"IAPWS97", std::nullopt},     {"", std::nullopt},
        {"IF97 ", std::nullopt},           {"IFC-67x", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parse_formulation(c.text), c.parsed) << c.text;
    EXPECT_EQ(formulation_name(Formulation::IFC67), "IFC-67");
    EXPECT_EQ(formulation_name(Formulation::IF97), "IAPWS-IF97");
}

// A property is reached only through an object built for one formulation:
// there is no default one to build, and none to copy from another press.
static_assert(std::is_abstract_v<WaterSteam>);
static_assert(!std::is_copy_constructible_v<WaterSteam>);

// Each press holds its own water and steam: two formulations side by side in
// one thread give each its own line (1 MPa boils at 179.8847 degC after IFC-67
// and at 453.035632 K after IAPWS-IF97), and an object says whether anything
// was asked of it.
TEST(Formulation, EachPressHasItsOwnFormulation) {
    const auto ifc = make_water_steam(Formulation::IFC67);
    const auto if97 = make_water_steam(Formulation::IF97);
    EXPECT_FALSE(ifc->used());
    EXPECT_NEAR(if97->pswsat_t(1), 453.035632 - 273.15, 1e-6);
    EXPECT_NEAR(ifc->pswsat_t(1), 179.8847, 1e-4);
    EXPECT_TRUE(ifc->used());
    const auto asked = make_water_steam(Formulation::IF97);
    EXPECT_EQ(asked->formulation(), Formulation::IF97);
    EXPECT_TRUE(asked->used());
}

// The computer-program verification values of the IAPWS-IF97 release (regions
// 1, 2 and 5 at (p, T)), reached through the public functions in degC.
TEST(Formulation, If97PropertiesGiveTheReleaseValues) {
    const auto owned = make_water_steam(Formulation::IF97);
    WaterSteam& w = *owned;
    const struct {
        double p, t;
        bool water;
        double v, h, s;
    } cases[] = {
        {3, 26.85, true, 0.100215168e-2, 0.115331273e3, 0.392294792},
        {80, 26.85, true, 0.971180894e-3, 0.184142828e3, 0.368563852},
        {0.0035, 26.85, false, 0.394913866e2, 0.254991145e4, 0.852238967e1},
        {30, 426.85, false, 0.542946619e-2, 0.263149474e4, 0.517540298e1},
        {30, 1726.85, false, 0.311385219e-1, 0.657122604e4, 0.853640523e1},
    };
    for (const auto& c : cases) {
        const double v = c.water ? w.pswv_ptwtr(c.p, c.t) : w.pswv_ptstm(c.p, c.t);
        const double h = c.water ? w.pswh_ptwtr(c.p, c.t) : w.pswh_ptstm(c.p, c.t);
        const double s = selected_number(c.water ? w.pswA_ptwtr("s", c.p, c.t) : w.pswA_ptstm("s", c.p, c.t));
        EXPECT_NEAR(v / c.v, 1.0, 1e-8) << c.p << ' ' << c.t;
        EXPECT_NEAR(h / c.h, 1.0, 1e-8) << c.p << ' ' << c.t;
        EXPECT_NEAR(s / c.s, 1.0, 1e-8) << c.p << ' ' << c.t;
        EXPECT_TRUE(w.warning().empty());
    }
    // The saturation line (Tables 35 and 36 of the release): 500 K at
    // 2.63889776 MPa, and 1 MPa boils at 453.035632 K.
    EXPECT_NEAR(w.pswsat_p(226.85), 0.263889776e1, 1e-8);
    EXPECT_NEAR(w.pswsat_t(1), 453.035632 - 273.15, 1e-6);
}

TEST(Formulation, If97RangeRefusesAndMetastableStatesWarn) {
    struct Case {
        const char* name;
        std::function<double(WaterSteam&)> call;
        const char* refusal;  // nullptr: answers
        bool warns;
    };
    const Case cases[] = {
        {"1500 degC at 40 MPa", [](WaterSteam& w) { return w.pswh_ptstm(40, 1500); }, nullptr, false},
        {"1500 degC at 60 MPa", [](WaterSteam& w) { return w.pswh_ptstm(60, 1500); }, kMsgOutsideIf97, false},
        {"2100 degC", [](WaterSteam& w) { return w.pswv_ptstm(1, 2100); }, kMsgOutsideIf97, false},
        {"(p, h) beyond 2000 degC", [](WaterSteam& w) { return w.pswt_ph(1, 9000); }, kMsgOutsideIf97, false},
        {"saturation above the critical pressure", [](WaterSteam& w) { return w.pswsat_t(25); },
         kMsgIf97SaturationRange, false},
        {"saturation at the critical temperature", [](WaterSteam& w) { return w.pswsat_p(373.946); }, nullptr, false},
        {"water heated past boiling", [](WaterSteam& w) { return w.pswh_ptwtr(1, 200); }, nullptr, true},
        {"supercritical water", [](WaterSteam& w) { return w.pswh_ptwtr(25, 380); }, nullptr, false},
    };
    for (const Case& c : cases) {
        const auto owned = make_water_steam(Formulation::IF97);
        WaterSteam& w = *owned;
        if (c.refusal != nullptr) {
            try {
                c.call(w);
                ADD_FAILURE() << c.name << ": answered";
            } catch (const PropertyRefusal& e) {
                EXPECT_EQ(std::string(e.what()), c.refusal) << c.name;
            }
            continue;
        }
        c.call(w);
        EXPECT_EQ(w.warning().find("亚稳态") != std::string::npos, c.warns) << c.name << ": " << w.warning();
    }
    // IFC-67 refuses what IAPWS-IF97 reaches.
    EXPECT_THROW(make_water_steam(Formulation::IFC67)->pswh_ptstm(40, 1500), PropertyRefusal);
}

TEST(Formulation, TheBareIf97SaturationLineAnswersRegionTests) {
    const auto w = make_water_steam(Formulation::IF97);
    // For region tests: beyond the line the critical temperature above, 0 degC below.
    EXPECT_EQ(w->saturation_line_t(25), kIf97CriticalTemperature);
    EXPECT_EQ(w->saturation_line_t(1e-4), 0.0);
    EXPECT_THROW(w->saturation_line_t(0), PropertyError);
    EXPECT_THROW(w->saturation_line_p(380), PropertyError);
}

}  // namespace
}  // namespace entalix::props
