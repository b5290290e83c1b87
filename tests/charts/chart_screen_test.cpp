// The chart screen as a person uses it: it opens on a chart, marks the typed
// state where the state lies, zooms on a dragged rectangle, switches charts,
// and draws a process another screen hands over.
#include "charts/chart_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <tuple>
#include <utility>

#include "catalog/catalog.h"
#include "shell/memory_app.h"

namespace entalix::charts {
namespace {

using shell::ScreenId;

std::vector<shell::Point> marks(const shell::Drawing& d) {
    std::vector<shell::Point> at;
    for (const shell::Primitive& p : d.primitives)
        if (const auto* c = std::get_if<shell::Circle>(&p); c != nullptr && c->radius == 4) at.push_back(c->centre);
    return at;
}

// Where the chart puts (s, y) in the part "hs s0 s1 y0 y1" shown: its plot
// spans 64..704 across and 496..40 up on the screen's 720 x 540 chart.
shell::Point expected(const std::string& view, double s, double y) {
    std::istringstream in(view);
    std::string kind;
    double s0, s1, y0, y1;
    in >> kind >> s0 >> s1 >> y0 >> y1;
    return {64 + (s - s0) / (s1 - s0) * 640, 496 - (y - y0) / (y1 - y0) * 456};
}

class ChartScreen : public ::testing::Test {
protected:
    void SetUp() override {
        app.set_formulation(props::Formulation::IF97);
        app.start();
        app.click(ScreenId::Form1, "Command6");
        app.click(ScreenId::Form10, "Command6");
    }
    const shell::Drawing& chart() const { return app.host().model(ScreenId::Form19).pictures.at("Picture1"); }
    const std::string& text(const char* control) const { return app.text(ScreenId::Form19, control); }
    void state(const char* p, const char* t, const char* x) {
        app.type(ScreenId::Form19, "Text1", p);
        app.type(ScreenId::Form19, "Text2", t);
        app.type(ScreenId::Form19, "Text3", x);
        app.click(ScreenId::Form19, "Command1");
    }

    shell::MemoryApp app{catalog::screen_desc};
};

TEST_F(ChartScreen, OpensOnTheUsualPartWithoutAState) {
    EXPECT_EQ(app.visible_screens(), std::vector<ScreenId>{ScreenId::Form19});
    EXPECT_EQ(text("View"), "hs 5.5 8.5 2000 3700");
    EXPECT_GT(chart().primitives.size(), 50u);
    EXPECT_TRUE(marks(chart()).empty());
}

// 1 MPa absolute and 300 degC, typed as 0.9017 MPa gauge with the screen's
// 0.0983 MPa; and wet steam at 150 degC with 90 % dryness. The (s, h) of
// python3-iapws (IAPWS-IF97).
TEST_F(ChartScreen, MarksTheTypedStateWhereItLies) {
    state("0.9017", "300", "");
    ASSERT_EQ(text("Message"), "");
    ASSERT_EQ(marks(chart()).size(), 1u);
    shell::Point want = expected(text("View"), 7.124712479424178, 3051.703185584021);
    EXPECT_NEAR(marks(chart())[0].x, want.x, 0.05);
    EXPECT_NEAR(marks(chart())[0].y, want.y, 0.05);

    state("", "150", "90");
    ASSERT_EQ(marks(chart()).size(), 1u);
    want = expected(text("View"), 6.337525211735724, 2534.552384337801);
    EXPECT_NEAR(marks(chart())[0].x, want.x, 0.05);
    EXPECT_NEAR(marks(chart())[0].y, want.y, 0.05);
}

TEST_F(ChartScreen, ZoomsOnTheDraggedRectangleAndSwitchesCharts) {
    state("0.9017", "300", "");
    // A box from s 6.5 to 7.5 and h 2700 to 3400 of the usual part.
    const shell::Point a = expected(text("View"), 6.5, 3400);
    const shell::Point b = expected(text("View"), 7.5, 2700);
    std::ostringstream rect;
    rect.precision(17);
    rect << a.x << ' ' << a.y << ' ' << b.x << ' ' << b.y;
    app.controller().fire(ScreenId::Form19, "Picture1_MouseUp");  // no rectangle yet: nothing changes
    EXPECT_EQ(text("View"), "hs 5.5 8.5 2000 3700");
    app.host().model(ScreenId::Form19).texts["Picture1_Rect"] = rect.str();
    app.controller().fire(ScreenId::Form19, "Picture1_MouseUp");
    std::istringstream zoomed(text("View"));
    std::string kind;
    double v[4];
    zoomed >> kind >> v[0] >> v[1] >> v[2] >> v[3];
    EXPECT_NEAR(v[0], 6.5, 1e-9);
    EXPECT_NEAR(v[1], 7.5, 1e-9);
    EXPECT_NEAR(v[2], 2700, 1e-6);
    EXPECT_NEAR(v[3], 3400, 1e-6);
    const shell::Point want = expected(text("View"), 7.124712479424178, 3051.703185584021);
    ASSERT_EQ(marks(chart()).size(), 1u);
    EXPECT_NEAR(marks(chart())[0].x, want.x, 0.05);
    // Redrawn, the part stays; leaving and coming back too.
    app.click(ScreenId::Form19, "Command1");
    app.click(ScreenId::Form19, "Command2");
    app.click(ScreenId::Form10, "Command6");
    EXPECT_EQ(text("View").substr(0, 9), "hs 6.5 7.");

    app.choose(ScreenId::Form19, "Combo2", "全图");
    EXPECT_EQ(text("View"), "hs 0 12 0 4400");
    app.choose(ScreenId::Form19, "Combo1", "温熵图");
    EXPECT_EQ(text("View"), "ts 0 12 0 800");
    ASSERT_EQ(marks(chart()).size(), 1u);
    EXPECT_NEAR(marks(chart())[0].y, expected(text("View"), 7.124712479424178, 300).y, 0.05);
}

// What a heater screen hands over is drawn as a line through its states; a
// state half given is refused and the chart stays as it was.
TEST_F(ChartScreen, DrawsAHandedProcessAndRefusesHalfAState) {
    app.host().model(ScreenId::Form19).texts["Process"] =
        "进汽 p=1 t=300; 疏水 p=1 x=0 | 进水 p=2 t=100; 出水 p=2 t=170";
    app.controller().fire(ScreenId::Form19, "Form_Activate");
    EXPECT_EQ(text("Message"), "");
    int lines = 0;
    for (const shell::Primitive& p : chart().primitives)
        if (const auto* l = std::get_if<shell::Polyline>(&p); l != nullptr && l->width == 2.0) ++lines;
    EXPECT_GE(lines, 1);  // the feed water of 100 to 170 degC lies below the usual part
    EXPECT_EQ(marks(chart()).size(), 1u);
    app.choose(ScreenId::Form19, "Combo2", "全图");
    EXPECT_EQ(marks(chart()).size(), 4u);

    const std::size_t before = chart().primitives.size();
    state("1", "", "");
    EXPECT_NE(text("Message"), "");
    EXPECT_EQ(chart().primitives.size(), before);
    EXPECT_FALSE(text("Process").empty());
}

// The desuperheater's button: 3.8 MPa gauge, 450 degC steam and 6 MPa gauge,
// 150 degC water to 1.0 MPa gauge, 300 degC, on the whole chart; the outlet at
// the (s, h) of python3-iapws for 1.0983 MPa absolute and 300 degC.
TEST_F(ChartScreen, TheDesuperheaterHandsItsThreeStreams) {
    app.choose(ScreenId::Form19, "Combo2", "全图");
    app.click(ScreenId::Form19, "Command2");
    app.click(ScreenId::Form10, "Command3");
    app.click(ScreenId::Form1, "Command2");
    app.click(ScreenId::Form3, "Command3");
    for (const auto& [field, text] : {std::pair{"Text1", "450"},
                                      {"Text2", "3.8"},
                                      {"Text3", "150"},
                                      {"Text4", "6"},
                                      {"Text5", "300"},
                                      {"Text6", "1.0"}})
        app.type(ScreenId::Form7, field, text);
    app.click(ScreenId::Form7, "Command3");
    ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{ScreenId::Form19});
    EXPECT_EQ(text("Message"), "");
    const std::vector<shell::Point> at = marks(chart());
    ASSERT_EQ(at.size(), 3u);
    const shell::Point want = expected(text("View"), 7.078029908376021, 3049.1054253725983);
    EXPECT_NEAR(at[1].x, want.x, 0.05);
    EXPECT_NEAR(at[1].y, want.y, 0.05);
    bool line = false;
    for (const shell::Primitive& p : chart().primitives)
        if (const auto* l = std::get_if<shell::Polyline>(&p); l != nullptr && l->width == 2.0)
            line =
                line || (l->points.size() == 3 && std::hypot(l->points[1].x - want.x, l->points[1].y - want.y) < 0.05);
    EXPECT_TRUE(line);
}

// The steam calculators hand the state their result shows: 1 MPa absolute,
// 300 degC, typed on Form11 as it is and on Form12 as 0.9017 MPa gauge with
// its atmospheric 0.0983 MPa; the mark sits at python3-iapws's (s, h). With
// no state shown the button says so and stays.
TEST_F(ChartScreen, TheSteamCalculatorsHandTheStateShown) {
    for (const auto& [form, button, p] :
         {std::tuple{ScreenId::Form11, "Command1", "1"}, std::tuple{ScreenId::Form12, "Command2", "0.9017"}}) {
        app.click(ScreenId::Form19, "Command2");
        app.click(ScreenId::Form10, button);
        app.click(form, "Command4");
        EXPECT_NE(app.text(form, "Message"), "");
        ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{form});
        app.click(form, "Check1");
        app.click(form, "Check2");
        app.type(form, "Text1", p);
        app.type(form, "Text2", "300");
        app.click(form, "Command1");
        app.click(form, "Command4");
        ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{ScreenId::Form19});
        EXPECT_EQ(text("Message"), "");
        ASSERT_EQ(marks(chart()).size(), 1u);
        const shell::Point want = expected(text("View"), 7.124712479424178, 3051.703185584021);
        EXPECT_NEAR(marks(chart())[0].x, want.x, 0.05);
        EXPECT_NEAR(marks(chart())[0].y, want.y, 0.05);
    }
}

// The turbine's expansion from 1 MPa absolute, 300 degC to 0.1 MPa at 85 %:
// the inlet joined to the actual and to the isentropic exhaust, at the (s, h)
// python3-iapws gives; a valve has no isentropic exhaust; nothing computed,
// nothing to draw.
TEST_F(ChartScreen, TheTurbineHandsItsExpansionLine) {
    app.click(ScreenId::Form19, "Command2");
    app.click(ScreenId::Form10, "Command3");
    app.click(ScreenId::Form1, "Command8");
    app.click(ScreenId::Form20, "Command8");
    EXPECT_NE(app.text(ScreenId::Form20, "Message"), "");
    ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{ScreenId::Form20});
    for (const auto& [field, typed] :
         {std::pair{"Text1", "0.9017"}, {"Text2", "300"}, {"Text4", "0.0017"}, {"Text5", "85"}, {"Text8", "10"}})
        app.type(ScreenId::Form20, field, typed);
    app.click(ScreenId::Form20, "Command1");
    app.click(ScreenId::Form20, "Command8");
    ASSERT_EQ(app.visible_screens(), std::vector<ScreenId>{ScreenId::Form19});
    EXPECT_EQ(text("Message"), "");
    const shell::Point inlet = expected(text("View"), 7.124712479424178, 3051.703185584021);
    const shell::Point outlets[] = {expected(text("View"), 7.311434512535713, 2657.2913100618716),
                                    expected(text("View"), 7.124712479424178, 2587.6892143814925)};
    int lines = 0;
    for (const shell::Primitive& p : chart().primitives)
        if (const auto* l = std::get_if<shell::Polyline>(&p); l != nullptr && l->width == 2.0) {
            ASSERT_EQ(l->points.size(), 2u);
            ASSERT_LT(lines, 2);
            EXPECT_LT(std::hypot(l->points[0].x - inlet.x, l->points[0].y - inlet.y), 0.05);
            const shell::Point& out = outlets[lines++];
            EXPECT_LT(std::hypot(l->points[1].x - out.x, l->points[1].y - out.y), 0.05);
        }
    EXPECT_EQ(lines, 2);

    app.click(ScreenId::Form19, "Command2");
    app.click(ScreenId::Form10, "Command3");
    app.click(ScreenId::Form1, "Command8");
    app.click(ScreenId::Form20, "Command4");
    app.click(ScreenId::Form20, "Command8");
    EXPECT_EQ(marks(chart()).size(), 2u);
}

}  // namespace
}  // namespace entalix::charts
