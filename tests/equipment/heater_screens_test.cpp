// The heater and desuperheater screens: each field reaches its place in the
// balance, and a press without a result writes nothing. The expected flows are the balances worked by hand
// from the enthalpies of python3-iapws (IAPWS-IF97), which the IF97 presses
// give to the last shown digit and the IFC-67 presses to within 0.5 % of the
// case's largest flow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "shell/memory_app.h"
#include "shell/numbers.h"

namespace entalix::equipment {
namespace {

using shell::ScreenId;
using Texts = std::map<std::string, std::string>;
using Results = std::vector<std::string>;

struct Case {
    Texts fields;
    Results flows;  // IAPWS-IF97, in the order of the screen's results
};

struct Screen {
    ScreenId id;
    const char* button;                // on the heater menu
    std::vector<const char*> results;  // flows in t/h
    const char* total;                 // the field the flows add up to, or nullptr
    std::vector<Case> cases;
};

// Steam at 0.3 MPa gauge with 0.0983 MPa of atmosphere saturates at 143.459 degC.
const Screen kScreens[] = {
    // D = G (h3 - hw) / (hs - h3), the outlet G + D; h3 saturated water at the heater.
    {ScreenId::Form5,
     "Command4",
     {"jqll", "csll"},
     nullptr,
     {// hs 3049.105, hw 419.848, h3 669.977 kJ/kg
      {{{"Text1", "300"},
        {"Text2", "1"},
        {"Text3", "100"},
        {"Text4", "1"},
        {"Text5", "100"},
        {"Text6", "0.5"},
        {"Text7", "0.0983"}},
       {"10.5135", "110.5135"}},
      // No atmosphere: every pressure absolute. hs 3051.703, hw 85.329, h3 504.642
      {{{"Text1", "300"},
        {"Text2", "1"},
        {"Text3", "20"},
        {"Text4", "1.5"},
        {"Text5", "100"},
        {"Text6", "0.2"},
        {"Text7", "0"}},
       {"16.4626", "116.4626"}},
      // Just above saturation the steam brings its latent heat: hs 2739.126
      {{{"Text1", "144"},
        {"Text2", "0.3"},
        {"Text3", "60"},
        {"Text4", "0.5"},
        {"Text5", "100"},
        {"Text6", "0.1"},
        {"Text7", "0.0983"}},
       {"11.2655", "111.2655"}},
      // Just below it, within half a kelvin, the steam counts as saturated: hs = h'' 2737.863
      {{{"Text1", "143"},
        {"Text2", "0.3"},
        {"Text3", "60"},
        {"Text4", "0.5"},
        {"Text5", "100"},
        {"Text6", "0.1"},
        {"Text7", "0.0983"}},
       {"11.2719", "111.2719"}}}},
    // D = G (hwo - hwi) / (hs - hd); hd saturated water at the drain temperature.
    {ScreenId::Form6,
     "Command2",
     {"jqll"},
     nullptr,
     {// hs 3049.105, hwi 419.848, hwo 632.636, hd 675.531
      {{{"Text1", "300"},
        {"Text2", "1"},
        {"Text3", "1"},
        {"Text4", "100"},
        {"Text5", "1"},
        {"Text6", "150"},
        {"Text7", "200"},
        {"Text8", "160"},
        {"Text9", "0.0983"}},
       {"17.9297"}},
      // hs 3038.266, hwi 633.193, hwo 763.338; the drain does not feel the atmosphere
      {{{"Text1", "300"},
        {"Text2", "1"},
        {"Text3", "1.5"},
        {"Text4", "150"},
        {"Text5", "0.8"},
        {"Text6", "180"},
        {"Text7", "200"},
        {"Text8", "160"},
        {"Text9", "0.5"}},
       {"11.0164"}}}},
    // Din = G (hout - hw) / (hin - hw), the water G - Din.
    {ScreenId::Form7,
     "Command3",
     {"jqll", "jwsll"},
     "Text7",
     {// hin 3229.905, hw 422.103, hout 2939.545
      {{{"Text1", "400"},
        {"Text2", "3"},
        {"Text3", "100"},
        {"Text4", "4"},
        {"Text5", "250"},
        {"Text6", "1"},
        {"Text7", "50"},
        {"Text9", "0.0983"}},
       {"44.8294", "5.1706"}},
      // hin 3049.026, hw 676.441, hout 2946.862
      {{{"Text1", "300"},
        {"Text2", "1"},
        {"Text3", "160"},
        {"Text4", "2"},
        {"Text5", "250"},
        {"Text6", "0.8"},
        {"Text7", "80"},
        {"Text9", "0.1013"}},
       {"76.5552", "3.4448"}}}},
};

double number(const std::string& text) { return shell::ParseStrictNumber(text).value_or(NAN); }

class HeaterScreens : public ::testing::TestWithParam<props::Formulation> {};

TEST_P(HeaterScreens, EachFieldReachesItsPlaceAndAFailureKeepsEveryResult) {
    const bool if97 = GetParam() == props::Formulation::IF97;
    for (const Screen& s : kScreens) {
        shell::MemoryApp app(catalog::screen_desc);
        app.start();
        app.set_formulation(GetParam());
        app.click(ScreenId::Form1, "Command2");
        app.click(ScreenId::Form3, s.button);
        ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{s.id});
        for (const Case& c : s.cases) {
            for (const auto& [field, text] : c.fields) app.type(s.id, field, text);
            app.click(s.id, "Command2");
            const std::string where = shell::screen_name(s.id) + " steam at " + c.fields.at("Text1");
            EXPECT_EQ(app.text(s.id, "Message"), "") << where;
            Results shown;
            for (const char* r : s.results) shown.push_back(app.text(s.id, r));
            if (if97) {
                EXPECT_EQ(shown, c.flows) << where;
                continue;
            }
            double largest = 0.0;
            for (const std::string& flow : c.flows) largest = std::max(largest, std::fabs(number(flow)));
            for (std::size_t i = 0; i < shown.size(); ++i)
                EXPECT_NEAR(number(shown[i]), number(c.flows[i]), 0.005 * largest) << where;
            // Mass balance: the mixing heater's outlet is inlet plus steam, the
            // desuperheater's supply is steam plus water, to the shown digit.
            if (s.id == ScreenId::Form5) {
                EXPECT_NEAR(number(shown[1]), number(c.fields.at("Text5")) + number(shown[0]), 1e-9) << where;
            }
            if (s.total != nullptr) {
                EXPECT_NEAR(number(shown[0]) + number(shown[1]), number(c.fields.at(s.total)), 1.5e-4) << where;
            }
        }
        Results last;
        for (const char* r : s.results) last.push_back(app.text(s.id, r));
        app.type(s.id, "Text2", "-1");  // no absolute pressure
        app.click(s.id, "Command2");
        for (std::size_t i = 0; i < last.size(); ++i) EXPECT_EQ(app.text(s.id, s.results[i]), last[i]);
        EXPECT_EQ(app.text(s.id, "Message").rfind("“进汽压力”加上大气压须大于0 MPa", 0), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Formulations, HeaterScreens,
                         ::testing::Values(props::Formulation::IFC67, props::Formulation::IF97),
                         [](const ::testing::TestParamInfo<props::Formulation>& info) {
                             return info.param == props::Formulation::IF97 ? std::string("IF97") : std::string("IFC67");
                         });

TEST(HeaterScreens, FreshScreens) {
    shell::MemoryApp app(catalog::screen_desc);
    app.start();
    app.click(ScreenId::Form1, "Command2");
    app.click(ScreenId::Form3, "Command4");
    EXPECT_EQ(app.text(ScreenId::Form5, "csll"), "0");
    app.click(ScreenId::Form5, "Command2");  // no water to heat
    EXPECT_EQ(app.text(ScreenId::Form5, "jqll"), "");
    EXPECT_EQ(app.text(ScreenId::Form5, "csll"), "0");
    EXPECT_EQ(app.text(ScreenId::Form5, "Message"), "“进水流量”须大于0 t/h（现为“0”）");
    app.click(ScreenId::Form5, "Command1");
    app.click(ScreenId::Form3, "Command3");
    app.click(ScreenId::Form7, "Command2");  // no steam to supply
    EXPECT_EQ(app.text(ScreenId::Form7, "jqll"), "");
    EXPECT_EQ(app.text(ScreenId::Form7, "jwsll"), "");
    EXPECT_EQ(app.text(ScreenId::Form7, "Message"), "“供汽流量”须大于0 t/h（现为“0”）");
}

}  // namespace
}  // namespace entalix::equipment
