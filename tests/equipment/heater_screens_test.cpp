// The mixing heater, surface heater and desuperheater screens: each field
// reaches its place in the balance, the saturation line decides water or
// steam, and a press without a result writes nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "catalog/catalog.h"
#include "equipment/desuperheater_screen.h"
#include "equipment/mixing_heater_screen.h"
#include "equipment/stream_enthalpy.h"
#include "equipment/surface_heater_screen.h"
#include "props/public.h"
#include "props/saturation.h"
#include "shell/errors.h"
#include "shell/memory_app.h"
#include "shell/numbers.h"

namespace entalix::equipment {
namespace {

using shell::ScreenId;
using Texts = std::map<std::string, std::string>;

std::string exact(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

double number(const Texts& t, const char* field) { return shell::ParseLeadingNumber(t.at(field)); }

class HeaterScreens : public ::testing::Test {
protected:
    HeaterScreens() : app(catalog::screen_desc) {
        app.start();
        app.click(ScreenId::Form1, "Command2");
    }
    void open(ScreenId id) {
        app.click(ScreenId::Form3, id == ScreenId::Form5 ? "Command4" : id == ScreenId::Form6 ? "Command2" : "Command3");
        ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{id});
        screen = id;
    }
    void enter(const Texts& texts) {
        for (const auto& [field, text] : texts) app.type(screen, field, text);
    }
    void calculate() { app.click(screen, "Command2"); }
    const std::string& text(const char* control) { return app.text(screen, control); }

    shell::MemoryApp app;
    ScreenId screen = ScreenId::Form3;
    props::SteamProperties properties;
};

// ---- Form5 ----

MixingHeaterTexts expected_mixing(props::SteamProperties& sp, const Texts& t) {
    const double pa = number(t, "Text7");
    const double ph = (pa + number(t, "Text6")) + 0.000001;
    return MixingHeaterFlows(StreamEnthalpy(sp, number(t, "Text2"), number(t, "Text1"), pa),
                             StreamEnthalpy(sp, number(t, "Text4"), number(t, "Text3"), pa),
                             sp.pswh_ptwtr(ph, props::pswsat_t(ph) - 0.01), number(t, "Text5"));
}

TEST_F(HeaterScreens, MixingHeaterBalancesTheTypedStreams) {
    open(ScreenId::Form5);
    EXPECT_EQ(text("jqll"), "");
    EXPECT_EQ(text("csll"), "0");
    calculate();  // all water at 0 degC: no steam needed
    EXPECT_EQ(text("jqll"), "0.0000");
    EXPECT_EQ(text("csll"), "0.0000");
    const Texts cases[] = {
        {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "100"}, {"Text4", "1"}, {"Text5", "100"}, {"Text6", "0.5"}, {"Text7", "0.0983"}},
        {{"Text1", "250"}, {"Text2", "0.6"}, {"Text3", "40"}, {"Text4", "0.8"}, {"Text5", "320"}, {"Text6", "0"}, {"Text7", "0.0983"}},
        // Inlet water hotter than saturation at the heater pressure.
        {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "170"}, {"Text4", "1.5"}, {"Text5", "100"}, {"Text6", "0.2"}, {"Text7", "0.1013"}},
        {{"Text1", "300"}, {"Text2", "1.0983"}, {"Text3", "100"}, {"Text4", "1.0983"}, {"Text5", "100"}, {"Text6", "0.5983"}, {"Text7", "0"}},
    };
    for (const Texts& t : cases) {
        enter(t);
        calculate();
        const MixingHeaterTexts want = expected_mixing(properties, t);
        EXPECT_EQ(text("jqll"), want.jqll) << t.at("Text1");
        EXPECT_EQ(text("csll"), want.csll) << t.at("Text1");
    }
    EXPECT_EQ(text("jqll"), "10.5092");
    EXPECT_EQ(text("csll"), "110.5092");
}

TEST_F(HeaterScreens, MixingHeaterSteamAtSaturationIsSteam) {
    open(ScreenId::Form5);
    const double ts = props::pswsat_t((0.0983 + 0.3) + 0.000001);
    Texts t{{"Text2", "0.3"}, {"Text3", "60"}, {"Text4", "0.5"}, {"Text5", "100"}, {"Text6", "0.1"}, {"Text7", "0.0983"}};
    t["Text1"] = exact(ts);
    enter(t);
    calculate();
    const std::string at_saturation = text("jqll");
    EXPECT_EQ(at_saturation, expected_mixing(properties, t).jqll);
    t["Text1"] = exact(ts - 0.001);
    enter(t);
    calculate();
    EXPECT_EQ(text("jqll"), expected_mixing(properties, t).jqll);
    EXPECT_NE(text("jqll"), at_saturation);  // water barely heats the water: a different flow
}

TEST_F(HeaterScreens, MixingHeaterWithoutAPressureKeepsBothResults) {
    open(ScreenId::Form5);
    enter({{"Text1", "300"}, {"Text2", "1"}, {"Text3", "100"}, {"Text4", "1"}, {"Text5", "100"}, {"Text6", "0.5"}});
    calculate();
    for (const char* field : {"Text2", "Text4", "Text6"}) {
        app.type(screen, field, "-1");
        calculate();
        EXPECT_EQ(text("jqll"), "10.5092") << field;
        EXPECT_EQ(text("csll"), "110.5092") << field;
        EXPECT_EQ(text("Message"), shell::kMsgOutOfFormulation) << field;
        app.type(screen, field, field == std::string("Text6") ? "0.5" : "1");
    }
    calculate();
    EXPECT_EQ(text("Message"), "");
}

// ---- Form6 ----

std::string expected_surface(props::SteamProperties& sp, const Texts& t) {
    const double pa = number(t, "Text9");
    const double td = number(t, "Text8");
    return SurfaceHeaterFlow(StreamEnthalpy(sp, number(t, "Text2"), number(t, "Text1"), pa),
                             StreamEnthalpy(sp, number(t, "Text3"), number(t, "Text4"), pa),
                             StreamEnthalpy(sp, number(t, "Text5"), number(t, "Text6"), pa),
                             sp.pswh_ptwtr(props::pswsat_p(td), td - 0.01), number(t, "Text7"));
}

TEST_F(HeaterScreens, SurfaceHeaterBalancesTheTypedStreams) {
    open(ScreenId::Form6);
    EXPECT_EQ(text("jqll"), "");
    calculate();
    EXPECT_EQ(text("jqll"), "0.0000");
    const double out_ts = props::pswsat_t((0.0983 + 0.2) + 0.000001);
    const Texts cases[] = {
        {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "1"}, {"Text4", "100"}, {"Text5", "1"}, {"Text6", "150"}, {"Text7", "200"}, {"Text8", "160"}, {"Text9", "0.0983"}},
        // The same with another atmosphere: the drain does not feel it.
        {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "1"}, {"Text4", "100"}, {"Text5", "1"}, {"Text6", "150"}, {"Text7", "200"}, {"Text8", "160"}, {"Text9", "0.5"}},
        // Water leaving at the saturation temperature of its pressure is steam.
        {{"Text1", "350"}, {"Text2", "1"}, {"Text3", "0.2"}, {"Text4", "60"}, {"Text5", "0.2"}, {"Text6", exact(out_ts)}, {"Text7", "10"}, {"Text8", "170"}, {"Text9", "0.0983"}},
        // Water leaving colder than it came.
        {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "1"}, {"Text4", "150"}, {"Text5", "1"}, {"Text6", "100"}, {"Text7", "200"}, {"Text8", "160"}, {"Text9", "0.0983"}},
    };
    for (const Texts& t : cases) {
        enter(t);
        calculate();
        EXPECT_EQ(text("jqll"), expected_surface(properties, t)) << t.at("Text6") << ' ' << t.at("Text9");
    }
    EXPECT_EQ(text("jqll")[0], '-');
}

TEST_F(HeaterScreens, SurfaceHeaterFailureKeepsTheResult) {
    open(ScreenId::Form6);
    enter({{"Text1", "300"}, {"Text2", "1"}, {"Text3", "1"}, {"Text4", "100"}, {"Text5", "1"}, {"Text6", "150"}, {"Text7", "200"}, {"Text8", "160"}});
    calculate();
    const std::string good = text("jqll");
    app.type(screen, "Text8", "-273.15");  // no saturation pressure at absolute zero
    calculate();
    EXPECT_EQ(text("jqll"), good);
    EXPECT_EQ(text("Message"), shell::kMsgOutOfFormulation);
}

// ---- Form7 ----

DesuperheaterTexts expected_desuperheater(props::SteamProperties& sp, const Texts& t) {
    const double pa = number(t, "Text9");
    return DesuperheaterFlows(StreamEnthalpy(sp, number(t, "Text2"), number(t, "Text1"), pa),
                              StreamEnthalpy(sp, number(t, "Text4"), number(t, "Text3"), pa),
                              StreamEnthalpy(sp, number(t, "Text6"), number(t, "Text5"), pa), number(t, "Text7"));
}

TEST_F(HeaterScreens, DesuperheaterFreshScreenHasNoResultAndSaysWhy) {
    open(ScreenId::Form7);
    calculate();  // three streams of water at 0 degC: hin = hw
    EXPECT_EQ(text("jqll"), "");
    EXPECT_EQ(text("jwsll"), "");
    EXPECT_EQ(text("Message"), "进汽焓等于减温水焓，无法计算");
}

TEST_F(HeaterScreens, DesuperheaterBalancesTheTypedStreams) {
    open(ScreenId::Form7);
    const Texts cases[] = {
        {{"Text1", "400"}, {"Text2", "3"}, {"Text3", "100"}, {"Text4", "4"}, {"Text5", "250"}, {"Text6", "1"}, {"Text7", "50"}, {"Text9", "0.0983"}},
        {{"Text1", "540"}, {"Text2", "9"}, {"Text3", "160"}, {"Text4", "12"}, {"Text5", "300"}, {"Text6", "1.2"}, {"Text7", "80"}, {"Text9", "0.1013"}},
        // Supplied steam hotter than the incoming steam: negative water flow.
        {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "100"}, {"Text4", "2"}, {"Text5", "350"}, {"Text6", "1"}, {"Text7", "50"}, {"Text9", "0.0983"}},
    };
    for (const Texts& t : cases) {
        enter(t);
        calculate();
        const DesuperheaterTexts want = expected_desuperheater(properties, t);
        EXPECT_EQ(text("jqll"), want.jqll) << t.at("Text1");
        EXPECT_EQ(text("jwsll"), want.jwsll) << t.at("Text1");
    }
    EXPECT_EQ(text("jwsll")[0], '-');
    const std::string jqll = text("jqll");
    app.type(screen, "Text2", "-0.5");
    calculate();
    EXPECT_EQ(text("jqll"), jqll);
    EXPECT_EQ(text("Message"), shell::kMsgOutOfFormulation);
}

}  // namespace
}  // namespace entalix::equipment
