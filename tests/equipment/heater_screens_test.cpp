// The heater and desuperheater screens: each field reaches its place in the
// balance, the saturation line decides water or steam, and a press without a
// result writes nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>

#include "catalog/catalog.h"
#include "equipment/desuperheater_screen.h"
#include "equipment/mixing_heater_screen.h"
#include "equipment/stream_enthalpy.h"
#include "equipment/surface_heater_screen.h"
#include "ifc67/saturation.h"
#include "props/validity.h"
#include "shell/errors.h"
#include "shell/memory_app.h"
#include "shell/numbers.h"

namespace entalix::equipment {
namespace {

using shell::ScreenId;
using Texts = std::map<std::string, std::string>;
using Results = std::vector<std::string>;

std::string exact(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

// The balances computed here from the library, field by field.
Results mixing(props::WaterSteam& sp, const Texts& t) {
    const auto n = [&](const char* f) { return shell::ParseLeadingNumber(t.at(f)); };
    const double pa = n("Text7");
    const double ph = (pa + n("Text6")) + 0.000001;
    const MixingHeaterTexts r = mixing_heater_flows(StreamEnthalpy(sp, n("Text2"), n("Text1"), pa),
                                                    StreamEnthalpy(sp, n("Text4"), n("Text3"), pa),
                                                    sp.pswh_ptwtr(ph, props::ifc_pswsat_t(ph) - 0.01), n("Text5"));
    return {r.jqll, r.csll};
}

Results surface(props::WaterSteam& sp, const Texts& t) {
    const auto n = [&](const char* f) { return shell::ParseLeadingNumber(t.at(f)); };
    const double pa = n("Text9");
    const double td = n("Text8");  // the drain does not feel the atmosphere
    return {surface_heater_flow(
        StreamEnthalpy(sp, n("Text2"), n("Text1"), pa), StreamEnthalpy(sp, n("Text3"), n("Text4"), pa),
        StreamEnthalpy(sp, n("Text5"), n("Text6"), pa), sp.pswh_ptwtr(props::ifc_pswsat_p(td), td - 0.01), n("Text7"))};
}

Results desuperheater(props::WaterSteam& sp, const Texts& t) {
    const auto n = [&](const char* f) { return shell::ParseLeadingNumber(t.at(f)); };
    const double pa = n("Text9");
    const DesuperheaterTexts r = desuperheater_flows(StreamEnthalpy(sp, n("Text2"), n("Text1"), pa),
                                                     StreamEnthalpy(sp, n("Text4"), n("Text3"), pa),
                                                     StreamEnthalpy(sp, n("Text6"), n("Text5"), pa), n("Text7"));
    return {r.jqll, r.jwsll};
}

struct Screen {
    ScreenId id;
    const char* button;  // on the heater menu
    std::vector<const char*> results;
    std::function<Results(props::WaterSteam&, const Texts&)> expected;
    std::vector<Texts> cases;
};

const double kSteamSat = props::ifc_pswsat_t((0.0983 + 0.3) + 0.000001);

const Screen kScreens[] = {
    {ScreenId::Form5,
     "Command4",
     {"jqll", "csll"},
     mixing,
     {{{"Text1", "300"},
       {"Text2", "1"},
       {"Text3", "100"},
       {"Text4", "1"},
       {"Text5", "100"},
       {"Text6", "0.5"},
       {"Text7", "0.0983"}},
      {{"Text1", "300"},
       {"Text2", "1"},
       {"Text3", "20"},
       {"Text4", "1.5"},
       {"Text5", "100"},
       {"Text6", "0.2"},
       {"Text7", "0"}},
      {{"Text1", exact(kSteamSat)},
       {"Text2", "0.3"},
       {"Text3", "60"},
       {"Text4", "0.5"},
       {"Text5", "100"},
       {"Text6", "0.1"},
       {"Text7", "0.0983"}},
      {{"Text1", exact(kSteamSat - 0.001)},
       {"Text2", "0.3"},
       {"Text3", "60"},
       {"Text4", "0.5"},
       {"Text5", "100"},
       {"Text6", "0.1"},
       {"Text7", "0.0983"}}}},
    {ScreenId::Form6,
     "Command2",
     {"jqll"},
     surface,
     {{{"Text1", "300"},
       {"Text2", "1"},
       {"Text3", "1"},
       {"Text4", "100"},
       {"Text5", "1"},
       {"Text6", "150"},
       {"Text7", "200"},
       {"Text8", "160"},
       {"Text9", "0.0983"}},
      {{"Text1", "300"},
       {"Text2", "1"},
       {"Text3", "1.5"},
       {"Text4", "150"},
       {"Text5", "0.8"},
       {"Text6", "180"},
       {"Text7", "200"},
       {"Text8", "160"},
       {"Text9", "0.5"}},
      {{"Text1", "350"},
       {"Text2", "1"},
       {"Text3", "0.3"},
       {"Text4", "60"},
       {"Text5", "0.3"},
       {"Text6", exact(kSteamSat)},
       {"Text7", "10"},
       {"Text8", "170"},
       {"Text9", "0.0983"}}}},
    {ScreenId::Form7,
     "Command3",
     {"jqll", "jwsll"},
     desuperheater,
     {{{"Text1", "400"},
       {"Text2", "3"},
       {"Text3", "100"},
       {"Text4", "4"},
       {"Text5", "250"},
       {"Text6", "1"},
       {"Text7", "50"},
       {"Text9", "0.0983"}},
      {{"Text1", "300"},
       {"Text2", "1"},
       {"Text3", "160"},
       {"Text4", "2"},
       {"Text5", "250"},
       {"Text6", "0.8"},
       {"Text7", "80"},
       {"Text9", "0.1013"}}}},
};

TEST(HeaterScreens, EachFieldReachesItsPlaceAndAFailureKeepsEveryResult) {
    const auto sp_owned = props::make_water_steam(props::Formulation::IFC67);
    props::WaterSteam& sp = *sp_owned;
    for (const Screen& s : kScreens) {
        shell::MemoryApp app(catalog::screen_desc);
        app.start();
        app.click(ScreenId::Form1, "Command2");
        app.click(ScreenId::Form3, s.button);
        ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{s.id});
        for (const Texts& t : s.cases) {
            Results before;
            for (const char* r : s.results) before.push_back(app.text(s.id, r));
            for (const auto& [field, text] : t) app.type(s.id, field, text);
            app.click(s.id, "Command2");
            Results want;
            try {
                want = s.expected(sp, t);
            } catch (const props::PropertyRefusal& e) {
                // A state outside the formulation (the heater at no pressure,
                // its drain below 0 degC): the press refuses and keeps its results.
                want = before;
                EXPECT_EQ(app.text(s.id, "Message"), e.what()) << shell::screen_name(s.id);
            }
            for (std::size_t i = 0; i < want.size(); ++i)
                EXPECT_EQ(app.text(s.id, s.results[i]), want[i]) << shell::screen_name(s.id) << ' ' << t.at("Text1");
        }
        Results last;
        for (const char* r : s.results) last.push_back(app.text(s.id, r));
        app.type(s.id, "Text2", "-1");  // no absolute pressure
        app.click(s.id, "Command2");
        for (std::size_t i = 0; i < last.size(); ++i) EXPECT_EQ(app.text(s.id, s.results[i]), last[i]);
        EXPECT_EQ(app.text(s.id, "Message").rfind("“进汽压力”加上大气压须大于0 MPa", 0), 0u);
    }
}

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
