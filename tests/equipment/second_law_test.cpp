// The heater balances and the second law: what no plant can run is refused
// with its cause, what a plant runs keeps its result to the last digit.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "equipment/balance_check.h"
#include "shell/controller.h"

namespace entalix::equipment {
namespace {

using shell::ScreenId;

struct Balance {
    const char* fields;                // "Text1=150 Text2=0 ...": gauge pressures, default atmosphere
    std::vector<std::string> results;  // the written flows, or
    const char* refusal = nullptr;     // the message when there are none
};

void check(ScreenId screen, const std::vector<const char*>& outputs, const Balance& b) {
    const shell::ScreenDesc& desc = catalog::screen_desc(screen);
    shell::Fields fields = desc.default_fields();
    std::istringstream typed(b.fields);
    for (std::string pair; typed >> pair;) fields.set(pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
    const shell::Outcome outcome = shell::run_event(desc, "Command2_Click", fields).value();
    const std::string where = shell::screen_name(screen) + " " + b.fields;
    if (b.refusal != nullptr) {
        EXPECT_TRUE(outcome.failed) << where;
        EXPECT_TRUE(outcome.texts.empty()) << where;
        EXPECT_EQ(outcome.message, b.refusal) << where;
        return;
    }
    ASSERT_FALSE(outcome.failed) << where << ' ' << outcome.message;
    ASSERT_EQ(outcome.texts.size(), outputs.size()) << where;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        EXPECT_EQ(outcome.texts[i].first, outputs[i]) << where;
        EXPECT_EQ(outcome.texts[i].second, b.results[i]) << where;
    }
}

// Text1=265.13062073402887 is the saturation temperature at 5 MPa gauge with the default atmosphere.
TEST(SecondLaw, MixingHeater) {
    const Balance cases[] = {
        // Steam at 100 degC from the atmosphere neither enters a 5 MPa heater nor brings
        // water to its 265 degC.
        {"Text1=100 Text2=0 Text6=5 Text3=20 Text4=6 Text5=100",
         {},
         "热平衡无解：进汽压力（0 MPa）低于加热器压力（5 MPa），蒸汽进不了加热器；"
         "加热器压力下的饱和温度（265.13 ℃）高于进汽温度（100 ℃），蒸汽不能把水加热到饱和"},
        // Inlet water above the heater's saturation temperature would need a negative steam flow.
        {"Text1=300 Text2=1 Text3=170 Text4=1.5 Text5=100 Text6=0.2",
         {},
         "热平衡无解：进水温度（170 ℃）不低于加热器压力下的饱和温度（133.35 ℃）"},
        // Water a few hundredths of a degree below saturation can carry more enthalpy than the
        // outlet, taken 0.01 degC below it: the negative flow says so in enthalpies.
        {"Text1=245.3702731345799 Text2=3.577360001016097 Text3=245.35027313457988 Text4=7.027435723979331 "
         "Text5=100 Text6=3.577360001016097",
         {},
         "热平衡无解：算得进汽流量为负：进水焓高于出水（加热器压力下的饱和水）焓（-0.0068）"},
        // Water below the heater pressure cannot enter it without a pump: only the entropy sees it.
        {"Text1=265.13062073402887 Text2=5 Text3=263 Text4=4.9 Text5=100 Text6=5", {}, kInconsistentBalance},
        // A deaerator and a high-pressure mixing heater as plants run them.
        {"Text1=300 Text2=1 Text3=100 Text4=1 Text5=100 Text6=0.5", {"10.5092", "110.5092"}},
        {"Text1=280 Text2=0.6 Text3=130 Text4=1.2 Text5=400 Text6=0.5", {"20.9374", "420.9374"}},
        // Saturated steam at the heater pressure: the edge of the named check.
        {"Text1=265.13062073402887 Text2=5 Text3=263 Text4=5 Text5=100 Text6=5", {"0.6538", "100.6538"}},
    };
    for (const Balance& b : cases) check(ScreenId::Form5, {"jqll", "csll"}, b);
}

TEST(SecondLaw, SurfaceHeater) {
    const Balance cases[] = {
        {"Text1=150 Text2=0 Text4=20 Text3=5 Text7=100 Text6=250 Text5=5 Text8=100",
         {},
         "热平衡无解：出水温度（250 ℃）不低于进汽温度（150 ℃），蒸汽不能把水加热到比自己还热"},
        {"Text1=150 Text2=0 Text4=20 Text3=1 Text7=100 Text6=100 Text5=1 Text8=180",
         {},
         "热平衡无解：疏水温度（180 ℃）高于进汽温度（150 ℃）"},
        {"Text1=300 Text2=1 Text3=1 Text4=100 Text5=1 Text6=150 Text7=200 Text8=90",
         {},
         "热平衡无解：疏水温度（90 ℃）低于进水温度（100 ℃），疏水不会比冷却它的水还冷"},
        {"Text1=300 Text2=1 Text3=1 Text4=150 Text5=1 Text6=100 Text7=200 Text8=160",
         {},
         "热平衡无解：算得进汽流量为负：出水焓低于进水焓，水在加热器中不会变冷（-17.9198）"},
        // Heating by raising the water's pressure: only the entropy sees it.
        {"Text1=300 Text2=0.4652 Text3=4.7752 Text4=150 Text5=11.5993 Text6=150 Text7=224.12 Text8=150",
         {},
         kInconsistentBalance},
        // A low-pressure, a medium and a high-pressure feed heater.
        {"Text1=180 Text2=0.2 Text3=1.5 Text4=60 Text5=1.4 Text6=110 Text7=300 Text8=70", {"24.8767"}},
        {"Text1=300 Text2=1 Text3=1 Text4=100 Text5=1 Text6=150 Text7=200 Text8=160", {"17.9198"}},
        {"Text1=380 Text2=3.5 Text3=18 Text4=215 Text5=17.8 Text6=240 Text7=600 Text8=225", {"30.8618"}},
    };
    for (const Balance& b : cases) check(ScreenId::Form6, {"jqll"}, b);
}

// A drain at the melting point lies inside the range of both formulations: the
// balance is computed. The IAPWS-IF97 flow agrees with an independent
// implementation of it (7.820297 t/h). A fresh screen's first press names the
// field that stops it; a drain above the critical point is refused by its field.
TEST(SecondLaw, SurfaceHeaterDrainAtMeltingPoint) {
    const shell::ScreenDesc& desc = catalog::screen_desc(ScreenId::Form6);
    shell::Fields fields = desc.default_fields();
    for (const auto& [name, text] : {std::pair{"Text1", "100"},
                                     {"Text2", "0"},
                                     {"Text3", "0.5"},
                                     {"Text4", "0"},
                                     {"Text5", "0.5"},
                                     {"Text6", "50"},
                                     {"Text7", "100"},
                                     {"Text8", "0"}})
        fields.set(name, text);
    fields.set_formulation(props::Formulation::IF97);
    shell::Outcome outcome = shell::run_event(desc, "Command2_Click", fields).value();
    ASSERT_FALSE(outcome.failed) << outcome.message;
    EXPECT_EQ(outcome.texts.at(0).second, "7.8203");
    fields.set_formulation(props::Formulation::IFC67);
    outcome = shell::run_event(desc, "Command2_Click", fields).value();
    ASSERT_FALSE(outcome.failed) << outcome.message;

    outcome = shell::run_event(desc, "Command2_Click", desc.default_fields()).value();
    EXPECT_EQ(outcome.message, "“进水流量”须大于0 t/h（现为“0”）");
    fields.set("Text8", "400");
    outcome = shell::run_event(desc, "Command2_Click", fields).value();
    EXPECT_EQ(outcome.message, "“疏水温度”须在0 ~ 374.15 ℃之间（疏水为饱和水，现为“400”）");
}

TEST(SecondLaw, Desuperheater) {
    const Balance cases[] = {
        {"Text1=300 Text2=0 Text3=20 Text4=1 Text5=320 Text6=10 Text7=100",
         {},
         "热平衡无解：供汽温度（320 ℃）高于进汽温度（300 ℃），喷水不会使蒸汽变热；"
         "供汽压力（10 MPa）高于进汽压力（0 MPa），减温器不会升压"},
        {"Text1=400 Text2=3 Text3=200 Text4=4 Text5=190 Text6=1 Text7=50",
         {},
         "热平衡无解：供汽温度（190 ℃）低于减温水温度（200 ℃）"},
        // Station desuperheaters as plants run them; steam passed as it came needs no water.
        {"Text1=400 Text2=3 Text3=100 Text4=4 Text5=250 Text6=1 Text7=50", {"44.8102", "5.1898"}},
        {"Text1=540 Text2=9 Text3=160 Text4=12 Text5=300 Text6=1.3 Text7=20", {"16.8399", "3.1601"}},
        {"Text1=400 Text2=3 Text3=100 Text4=4 Text5=400 Text6=3 Text7=50", {"50.0000", "0.0000"}},
    };
    for (const Balance& b : cases) check(ScreenId::Form7, {"jqll", "jwsll"}, b);
}

}  // namespace
}  // namespace entalix::equipment
