// The three plant balances driven by enthalpies, and the stream enthalpy that
// feeds them on both sides of the saturation line.
#include <gtest/gtest.h>

#include <ostream>

#include "equipment/desuperheater_screen.h"
#include "equipment/mixing_heater_screen.h"
#include "equipment/stream_enthalpy.h"
#include "equipment/surface_heater_screen.h"
#include "props/property_error.h"
#include "props/public.h"
#include "props/saturation.h"
#include "shell/errors.h"

namespace entalix::equipment {
namespace {

std::string failure(auto&& press) {
    try {
        press();
    } catch (const shell::CalculationError& e) {
        return e.what();
    }
    return "no failure";
}

struct MixingCase {
    double hs, hw, h3, G;
    const char *jqll, *csll;
    friend std::ostream& operator<<(std::ostream& os, const MixingCase& c) {
        return os << "hs=" << c.hs << " hw=" << c.hw << " h3=" << c.h3 << " G=" << c.G;
    }
};

class MixingHeater : public ::testing::TestWithParam<MixingCase> {};

TEST_P(MixingHeater, SteamAndOutletFlows) {
    const MixingCase& c = GetParam();
    const MixingHeaterTexts r = MixingHeaterFlows(c.hs, c.hw, c.h3, c.G);
    EXPECT_EQ(r.jqll, c.jqll);
    EXPECT_EQ(r.csll, c.csll);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, MixingHeater,
    ::testing::Values(MixingCase{2800, 300, 500, 100, "8.6957", "108.6957"},
                      MixingCase{2800, 300, 500, 0, "0.0000", "0.0000"},
                      // Inlet water hotter than the saturated outlet: steam flow negative.
                      MixingCase{2800, 600, 500, 100, "-4.3478", "95.6522"},
                      // The outlet flow adds the unrounded steam flow: 0.00004 + 0.00004.
                      MixingCase{700, 300, 500, 0.00004, "0.0000", "0.0001"}));

struct SurfaceCase {
    double hs, hwi, hwo, hd, G;
    const char* jqll;
    friend std::ostream& operator<<(std::ostream& os, const SurfaceCase& c) {
        return os << "hs=" << c.hs << " hwi=" << c.hwi << " hwo=" << c.hwo << " hd=" << c.hd << " G=" << c.G;
    }
};

class SurfaceHeater : public ::testing::TestWithParam<SurfaceCase> {};

TEST_P(SurfaceHeater, SteamFlow) {
    const SurfaceCase& c = GetParam();
    EXPECT_EQ(SurfaceHeaterFlow(c.hs, c.hwi, c.hwo, c.hd, c.G), c.jqll);
}

INSTANTIATE_TEST_SUITE_P(Figures, SurfaceHeater,
                         ::testing::Values(SurfaceCase{2900, 300, 600, 650, 200, "26.6667"},
                                           SurfaceCase{2900, 300, 300, 650, 200, "0.0000"},
                                           SurfaceCase{2900, 300, 300, 650, 0, "0.0000"},
                                           SurfaceCase{2900, 300, 600, 650, 0, "0.0000"},
                                           SurfaceCase{2900, 600, 300, 650, 200, "-26.6667"}));

struct DesuperheaterCase {
    double hin, hw, hout, G;
    const char *jqll, *jwsll;
    friend std::ostream& operator<<(std::ostream& os, const DesuperheaterCase& c) {
        return os << "hin=" << c.hin << " hw=" << c.hw << " hout=" << c.hout << " G=" << c.G;
    }
};

class Desuperheater : public ::testing::TestWithParam<DesuperheaterCase> {};

TEST_P(Desuperheater, SteamAndWaterFlows) {
    const DesuperheaterCase& c = GetParam();
    const DesuperheaterTexts r = DesuperheaterFlows(c.hin, c.hw, c.hout, c.G);
    EXPECT_EQ(r.jqll, c.jqll);
    EXPECT_EQ(r.jwsll, c.jwsll);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, Desuperheater,
    ::testing::Values(DesuperheaterCase{3300, 600, 3000, 50, "44.4444", "5.5556"},
                      DesuperheaterCase{3300, 600, 3300, 50, "50.0000", "0.0000"},
                      DesuperheaterCase{3300, 600, 3000, 0, "0.0000", "0.0000"},
                      // Supplied steam hotter than the incoming steam: negative water flow.
                      DesuperheaterCase{3300, 600, 3570, 50, "55.0000", "-5.0000"},
                      // The water flow subtracts the unrounded steam flow: 0.00008 - 0.00004.
                      DesuperheaterCase{3, 1, 2, 0.00008, "0.0000", "0.0000"}));

TEST(Balances, NoResultWhenTheDenominatorVanishesOrTheResultIsNotFinite) {
    EXPECT_EQ(failure([] { MixingHeaterFlows(500, 300, 500, 100); }), "进汽焓等于出水焓，无法计算");
    EXPECT_EQ(failure([] { SurfaceHeaterFlow(650, 300, 600, 650, 200); }), "进汽焓等于疏水焓，无法计算");
    EXPECT_EQ(failure([] { DesuperheaterFlows(600, 600, 3000, 50); }), "进汽焓等于减温水焓，无法计算");
    EXPECT_EQ(failure([] { MixingHeaterFlows(2800, 300, 2000, 1e308); }), shell::kMsgNotFinite);
    EXPECT_EQ(failure([] { SurfaceHeaterFlow(2900, 300, 3000, 650, 1.7e308); }), shell::kMsgNotFinite);
    EXPECT_EQ(failure([] { DesuperheaterFlows(3300, 600, 6000, -1e308); }), shell::kMsgNotFinite);
    // A steam flow that is finite while the outlet flow overflows writes neither.
    EXPECT_EQ(failure([] { MixingHeaterFlows(2800, 362, 500, 1.7e308); }), shell::kMsgNotFinite);
}

// A stream exactly at the saturation temperature of its absolute pressure
// (pa + pg) + 0.000001 is steam; a thousandth of a degree colder it is water.
struct SideCase {
    double pg, pa;
    friend std::ostream& operator<<(std::ostream& os, const SideCase& c) { return os << "pg=" << c.pg << " pa=" << c.pa; }
};

class StreamSide : public ::testing::TestWithParam<SideCase> {};

TEST_P(StreamSide, SteamFromTheSaturationTemperatureOnWaterBelow) {
    const SideCase& c = GetParam();
    props::SteamProperties properties;
    const double p = (c.pa + c.pg) + 0.000001;
    const double ts = props::pswsat_t(p);
    const double steam = properties.pswh_ptstm(p, ts);
    const double water = properties.pswh_ptwtr(p, ts - 0.001);
    EXPECT_GT(steam - water, 1000.0);  // the two sides differ by about the latent heat
    EXPECT_EQ(StreamEnthalpy(properties, c.pg, ts, c.pa), steam);
    EXPECT_EQ(StreamEnthalpy(properties, c.pg, ts - 0.001, c.pa), water);
    EXPECT_EQ(StreamEnthalpy(properties, c.pg, ts + 50, c.pa), properties.pswh_ptstm(p, ts + 50));
    EXPECT_EQ(StreamEnthalpy(properties, c.pg, ts - 10, c.pa), properties.pswh_ptwtr(p, ts - 10));
}

INSTANTIATE_TEST_SUITE_P(Pressures, StreamSide,
                         ::testing::Values(SideCase{0, 0.0983}, SideCase{1, 0.0983}, SideCase{3.5, 0.0983},
                                           SideCase{10, 0.1013}, SideCase{1, 0}, SideCase{-0.0983, 0.0983}));

TEST(StreamEnthalpy, FigureAtOneMegapascalAbsolute) {
    props::SteamProperties properties;
    // Steam at 1.000001 MPa and 300 degC, water at 100 degC: within a hair of
    // the library's 1 MPa figures.
    EXPECT_NEAR(StreamEnthalpy(properties, 0.9017, 300, 0.0983), 3052.1431, 1e-3);
    EXPECT_NEAR(StreamEnthalpy(properties, 0.9017, 100, 0.0983), 419.7387, 1e-3);
}

TEST(StreamEnthalpy, NoPressureMeansNoState) {
    props::SteamProperties properties;
    EXPECT_THROW(StreamEnthalpy(properties, -0.5, 20, 0.0983), props::PropertyError);
}

}  // namespace
}  // namespace entalix::equipment
