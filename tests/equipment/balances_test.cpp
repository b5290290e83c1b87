// The three plant balances driven by enthalpies, and the stream enthalpy that
// feeds them on both sides of the saturation line.
#include <gtest/gtest.h>

#include <map>

#include "catalog/catalog.h"
#include "equipment/desuperheater_screen.h"
#include "equipment/mixing_heater_screen.h"
#include "equipment/stream_enthalpy.h"
#include "equipment/surface_heater_screen.h"
#include "ifc67/saturation.h"
#include "props/validity.h"
#include "shell/controller.h"
#include "shell/errors.h"

namespace entalix::equipment {
namespace {

TEST(Balances, MixingHeaterFigures) {
    const struct {
        double hs, hw, h3, G;
        const char *jqll, *csll;
    } cases[] = {
        {2800, 300, 500, 100, "8.6957", "108.6957"},
        {2800, 300, 500, 0, "0.0000", "0.0000"},
        {700, 300, 500, 0.00004, "0.0000", "0.0001"},  // outlet adds the unrounded steam flow
    };
    for (const auto& c : cases) {
        const MixingHeaterTexts r = mixing_heater_flows(c.hs, c.hw, c.h3, c.G);
        EXPECT_EQ(r.jqll, c.jqll) << c.hw << ' ' << c.G;
        EXPECT_EQ(r.csll, c.csll) << c.hw << ' ' << c.G;
    }
}

TEST(Balances, SurfaceHeaterFigures) {
    const struct {
        double hs, hwi, hwo, hd, G;
        const char* jqll;
    } cases[] = {
        {2900, 300, 600, 650, 200, "26.6667"},
        {2900, 300, 300, 650, 200, "0.0000"},
        {2900, 300, 600, 650, 0, "0.0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(surface_heater_flow(c.hs, c.hwi, c.hwo, c.hd, c.G), c.jqll) << c.hwo << ' ' << c.G;
}

TEST(Balances, DesuperheaterFigures) {
    const struct {
        double hin, hw, hout, G;
        const char *jqll, *jwsll;
    } cases[] = {
        {3300, 600, 3000, 50, "44.4444", "5.5556"},
        {3300, 600, 3300, 50, "50.0000", "0.0000"},  // supplied as it came: no water
        {3300, 600, 3000, 0, "0.0000", "0.0000"},
        {3, 1, 2, 0.00008, "0.0000", "0.0000"},  // water from the unrounded steam flow
    };
    for (const auto& c : cases) {
        const DesuperheaterTexts r = desuperheater_flows(c.hin, c.hw, c.hout, c.G);
        EXPECT_EQ(r.jqll, c.jqll) << c.hout << ' ' << c.G;
        EXPECT_EQ(r.jwsll, c.jwsll) << c.hout << ' ' << c.G;
    }
}

TEST(Balances, NoResultWhenTheDenominatorVanishesOrAFlowOverflows) {
    const auto failure = [](auto&& press) -> std::string {
        try {
            press();
        } catch (const shell::CalculationError& e) {
            return e.what();
        }
        return "no failure";
    };
    EXPECT_EQ(failure([] { mixing_heater_flows(500, 300, 500, 100); }), "进汽焓等于出水焓，无法计算");
    EXPECT_EQ(failure([] { surface_heater_flow(650, 300, 600, 650, 200); }), "进汽焓等于疏水焓，无法计算");
    EXPECT_EQ(failure([] { desuperheater_flows(600, 600, 3000, 50); }), "进汽焓等于减温水焓，无法计算");
    EXPECT_EQ(failure([] { surface_heater_flow(2900, 300, 3000, 650, 1.7e308); }), shell::kMsgNotFinite);
    EXPECT_EQ(failure([] { desuperheater_flows(3300, 600, 6000, -1e308); }), shell::kMsgNotFinite);
    // The steam flow is finite but the outlet flow overflows: neither is written.
    EXPECT_EQ(failure([] { mixing_heater_flows(2800, 362, 500, 1.7e308); }), shell::kMsgNotFinite);
}

// A flow that would be written with a minus sign cannot exist: the balance has
// no solution, and the message says which stream makes it so.
TEST(Balances, NegativeFlowsAreRefusedWithTheirCause) {
    const auto failure = [](auto&& press) -> std::string {
        try {
            press();
        } catch (const shell::ImpossibleResult& e) {
            return e.what();
        }
        return "no failure";
    };
    EXPECT_EQ(failure([] { mixing_heater_flows(2800, 600, 500, 100); }),
              "热平衡无解：算得进汽流量为负：进水焓高于出水（加热器压力下的饱和水）焓（-4.3478）");
    EXPECT_EQ(failure([] { surface_heater_flow(2900, 600, 300, 650, 200); }),
              "热平衡无解：算得进汽流量为负：出水焓低于进水焓，水在加热器中不会变冷（-26.6667）");
    EXPECT_EQ(failure([] { surface_heater_flow(600, 300, 600, 650, 200); }),
              "热平衡无解：算得进汽流量为负：进汽焓低于疏水焓（-1200.0000）");
    EXPECT_EQ(failure([] { desuperheater_flows(3300, 600, 3570, 50); }),
              "热平衡无解：算得减温水流量为负：供汽焓高于进汽焓（-5.0000）");
    EXPECT_EQ(failure([] { desuperheater_flows(3300, 600, 500, 50); }),
              "热平衡无解：算得进汽流量为负：供汽焓低于减温水焓（-1.8519）");
    // Negative only in the fifth decimal: written as a zero flow.
    EXPECT_EQ(mixing_heater_flows(2800, 500.000001, 500, 100).jqll, "0.0000");
}

// A stream exactly at the saturation temperature of (pa + pg) + 0.000001 is
// steam; a thousandth of a degree colder it is water.
TEST(StreamEnthalpy, SteamFromTheSaturationTemperatureOnWaterBelow) {
    const struct { double pg, pa; } cases[] = {{0, 0.0983}, {1, 0.0983}, {10, 0.1013}, {1, 0}};
    const auto sp_owned = props::make_water_steam(props::Formulation::IFC67);
    props::WaterSteam& sp = *sp_owned;
    // At no absolute pressure the saturation temperature lies far below 0 degC,
    // outside the formulation.
    EXPECT_THROW(StreamEnthalpy(sp, -0.0983, props::ifc_pswsat_t(0.000001), 0.0983), props::PropertyRefusal);
    for (const auto& c : cases) {
        const double p = (c.pa + c.pg) + 0.000001;
        const double ts = props::ifc_pswsat_t(p);
        EXPECT_EQ(StreamEnthalpy(sp, c.pg, ts, c.pa), sp.pswh_ptstm(p, ts)) << c.pg << ' ' << c.pa;
        EXPECT_EQ(StreamEnthalpy(sp, c.pg, ts - 0.001, c.pa), sp.pswh_ptwtr(p, ts - 0.001)) << c.pg << ' ' << c.pa;
        EXPECT_GT(sp.pswh_ptstm(p, ts) - sp.pswh_ptwtr(p, ts - 0.001), 1000.0);  // about the latent heat
    }
}

}  // namespace
}  // namespace entalix::equipment

namespace entalix::equipment {
namespace {

// Fields are read as the balance reaches them: with two faults in one press,
// the message names the one met first (here the absolute pressure below zero).
TEST(FailureOrder, PressReportsTheFirstFaultItMeets) {
    struct Case {
        shell::ScreenId screen;
        const char* event;
        std::map<std::string, std::string> fields;
        const char* message;
    };
    const char* const medium = "“介质压力”加上大气压须大于0 MPa（绝对压力现为-0.9017 MPa）";
    const char* const steam = "“进汽压力”加上大气压须大于0 MPa（绝对压力现为-0.9017 MPa）";
    const Case cases[] = {
        {shell::ScreenId::Form2, "Command2_Click", {{"gdzj", "abc"}, {"jzyl", "-1"}}, medium},
        {shell::ScreenId::Form2, "Command3_Click", {{"jzyl1", "-1"}, {"jzll1", "1e999"}, {"jzls1", "1"}}, medium},
        {shell::ScreenId::Form5, "Command2_Click", {{"Text2", "-1"}, {"Text5", "1e999"}}, steam},
        {shell::ScreenId::Form6, "Command2_Click", {{"Text2", "-1"}, {"Text7", "1e999"}}, steam},
        {shell::ScreenId::Form7, "Command2_Click", {{"Text2", "-1"}, {"Text7", "1e999"}}, steam},
    };
    for (const Case& c : cases) {
        const shell::ScreenDesc& desc = catalog::screen_desc(c.screen);
        shell::Fields fields = desc.default_fields();
        for (const auto& [name, text] : c.fields) fields.set(name, text);
        const auto outcome = shell::run_event(desc, c.event, fields);
        ASSERT_TRUE(outcome.has_value());
        EXPECT_TRUE(outcome->failed);
        EXPECT_EQ(outcome->message, c.message) << shell::screen_name(c.screen) << ' ' << c.event;
    }
}

}  // namespace
}  // namespace entalix::equipment
