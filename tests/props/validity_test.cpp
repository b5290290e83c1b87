// Where the formulation answers, where it warns and where it refuses: the
// range of IFC-67, the validity of each equation, and the efficiency functions'
// arguments.
#include "props/validity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "ifc67/saturation.h"
#include "ifc67/steam.h"
#include "ifc67/units.h"
#include "props/water_steam.h"

namespace entalix::props {
namespace {

struct Case {
    const char* name;
    std::function<double(WaterSteam&)> call;
    const char* refusal;  // the message, or nullptr when the call answers
    const char* warning;  // a part of the warning; "" for none
};

TEST(Validity, RangeRefusesExtrapolationWarnsValidStatesAreQuiet) {
    const Case cases[] = {
        // Outside 0-800 degC and 100 MPa (once -762958.85 kJ/kg at 10000 degC).
        {"steam at 10000 degC", [](WaterSteam& w) { return w.pswh_ptstm(1, 10000); }, kMsgOutsideFormulation, ""},
        {"water below 0 degC", [](WaterSteam& w) { return w.pswh_ptwtr(1, -5); }, kMsgOutsideFormulation, ""},
        {"steam at 120 MPa", [](WaterSteam& w) { return w.pswv_ptstm(120, 500); }, kMsgOutsideFormulation, ""},
        {"water at no pressure", [](WaterSteam& w) { return w.pswv_ptwtr(0, 20); }, kMsgOutsideFormulation, ""},
        {"(p, h) found above 800 degC", [](WaterSteam& w) { return w.pswt_ph(1, 5000); }, kMsgOutsideFormulation, ""},
        {"saturation at 900 degC", [](WaterSteam& w) { return w.pswsat_p(900); }, kMsgOutsideFormulation, ""},
        {"saturation below the triple point", [](WaterSteam& w) { return w.pswsat_t(0.0001); }, kMsgOutsideFormulation,
         ""},
        // Far beyond the boundary line the steam equations give nothing true.
        {"steam at 100 MPa, 500 degC", [](WaterSteam& w) { return w.pswh_ptstm(100, 500); }, kMsgNearCritical, ""},
        {"steam at 35 MPa, 400 degC", [](WaterSteam& w) { return w.pswh_ptstm(35, 400); }, kMsgNearCritical, ""},
        // Extrapolated, each with the likely error of its distance.
        {"water at 352 degC", [](WaterSteam& w) { return w.pswh_ptwtr(17, 352); }, nullptr, "约6 kJ/kg"},
        {"water at 400 degC", [](WaterSteam& w) { return w.pswh_ptwtr(40, 400); }, nullptr, "约60 kJ/kg"},
        {"water at 60 MPa, 450 degC", [](WaterSteam& w) { return w.pswh_ptwtr(60, 450); }, nullptr, "约200 kJ/kg"},
        {"steam just past the line", [](WaterSteam& w) { return w.pswh_ptstm(25, 400); }, nullptr, "约10 kJ/kg"},
        {"steam further past it", [](WaterSteam& w) { return w.pswh_ptstm(30, 400); }, nullptr, "约170 kJ/kg"},
        {"saturation above the critical point", [](WaterSteam& w) { return w.pswsat_t(25); }, nullptr, "没有饱和线"},
        {"wet steam at 17 MPa", [](WaterSteam& w) { return w.psws_ph(17, 2000); }, nullptr, "压缩水公式"},
        // Where the equations hold.
        {"steam at 1 MPa, 300 degC", [](WaterSteam& w) { return w.pswh_ptstm(1, 300); }, nullptr, ""},
        {"water at 20 MPa, 20 degC", [](WaterSteam& w) { return w.pswh_ptwtr(20, 20); }, nullptr, ""},
        {"water at 350 degC", [](WaterSteam& w) { return w.pswh_ptwtr(20, 350); }, nullptr, ""},
        {"supercritical main steam", [](WaterSteam& w) { return w.pswh_ptstm(24.2, 566); }, nullptr, ""},
        {"(p, s) at 10 MPa", [](WaterSteam& w) { return selected_number(w.pswA_ps("t", 10, 6.5)); }, nullptr, ""},
        {"saturation at 1 MPa", [](WaterSteam& w) { return w.pswsat_t(1); }, nullptr, ""},
    };
    for (const Case& c : cases) {
        const auto w_owned = make_water_steam(Formulation::IFC67);
        WaterSteam& w = *w_owned;
        if (c.refusal != nullptr) {
            try {
                c.call(w);
                ADD_FAILURE() << c.name << ": no refusal";
            } catch (const PropertyRefusal& e) {
                EXPECT_STREQ(e.what(), c.refusal) << c.name;
            }
            continue;
        }
        EXPECT_TRUE(std::isfinite(c.call(w))) << c.name;
        if (std::string(c.warning).empty())
            EXPECT_EQ(w.warning(), "") << c.name;
        else
            EXPECT_NE(w.warning().find(c.warning), std::string::npos) << c.name << ": " << w.warning();
    }
}

TEST(Validity, UncheckedCallsGiveTheBareEquations) {
    const auto w_owned = make_water_steam(Formulation::IFC67);
    WaterSteam& w = *w_owned;
    w.set_checking(false);
    EXPECT_NEAR(w.pswh_ptstm(1, 10000), -762958.85, 0.01);
    EXPECT_EQ(w.warning(), "");
}

TEST(Validity, BoundaryLineStartsOnTheSaturationLineAndPasses100MPaNear590) {
    // At 350 degC the boundary of subregion 2 meets the saturation line.
    EXPECT_NEAR(ifc_boundary_p(350.0) / ifc_sat_p(350.0), 1.0, 2e-3);
    EXPECT_NEAR(ifc_boundary_t(100.0 / kMPaPerAt), 590.0, 1.0);
    for (double t : {360.0, 400.0, 500.0, 800.0}) EXPECT_NEAR(ifc_boundary_t(ifc_boundary_p(t)), t, 1e-9);
}

TEST(Validity, EfficienciesRefuseWhatNoExpansionDoes) {
    const Case cases[] = {
        // Once 103.3 %: the outlet holds more than the isentropic drop allows.
        {"above 100 %", [](WaterSteam& w) { return w.psw_effi_pt(1, 300, 0.1, 50); },
         "算得的效率不在0–100 %之间：出口状态不能由进口状态膨胀得到", ""},
        // Once 101.5 %: a compression.
        {"outlet above the inlet", [](WaterSteam& w) { return w.psw_effi_pt(1, 300, 2, 400); },
         "出口压力须低于进口压力", ""},
        {"outlet at the inlet", [](WaterSteam& w) { return w.psw_effi_ph(1, 3052, 1, 3000); }, "出口压力须低于进口压力",
         ""},
        {"outlet hotter than the inlet", [](WaterSteam& w) { return w.psw_effi_ph(1, 3052, 0.1, 3100); },
         "算得的效率不在0–100 %之间：出口状态不能由进口状态膨胀得到", ""},
        {"efficiency 0", [](WaterSteam& w) { return w.pswt2_ptpeffi(1, 300, 0.1, 0); }, "效率须大于0且不超过100 %", ""},
        {"efficiency above 100 %", [](WaterSteam& w) { return w.pswt2_ptpeffi(1, 300, 0.1, 100.5); },
         "效率须大于0且不超过100 %", ""},
        {"compression by efficiency", [](WaterSteam& w) { return w.pswt2_ptpeffi(1, 300, 2, 80); },
         "出口压力须低于进口压力", ""},
    };
    for (const Case& c : cases) {
        const auto w_owned = make_water_steam(Formulation::IFC67);
        WaterSteam& w = *w_owned;
        try {
            c.call(w);
            ADD_FAILURE() << c.name << ": no refusal";
        } catch (const PropertyRefusal& e) {
            EXPECT_STREQ(e.what(), c.refusal) << c.name;
        }
    }
    const auto w_owned = make_water_steam(Formulation::IFC67);
    WaterSteam& w = *w_owned;
    EXPECT_NEAR(w.psw_effi_pt(1, 300, 0.1, 150), 59.4202, 5e-5);
}

}  // namespace
}  // namespace entalix::props
