// The range of IFC-67 and the extrapolation tiers of its equations.
#include "props/validity.h"

#include <array>

#include "ifc67/steam.h"
#include "ifc67/units.h"

namespace entalix::props {
namespace {

// Tiers of extrapolation with the largest error met in each, from comparing
// the equations with the scientific formulation of water (IAPWS-95) over the
// states where the screens use them: compressed water up to the (continued)
// saturation temperature, steam from it upwards, pressures up to 100 MPa.
struct Tier {
    double up_to;    // K above 350 degC for water; p / p_boundary for steam
    const char* dh;  // largest enthalpy error met, kJ/kg
    const char* dv;  // largest volume error met, %
};
inline constexpr std::array<Tier, 3> kWaterTiers{{
    {10.0, "6", "0.5"},
    {80.0, "60", "8"},
    {1e9, "200", "55"},
}};
inline constexpr std::array<Tier, 3> kSteamTiers{{
    {1.05, "10", "1"},
    {1.1, "25", "3.5"},
    {1.4, "170", "21"},
}};
// Within the critical pressure a found temperature may miss the range by the
// tolerance of the inverse that found it.
inline constexpr double kFoundTemperatureMargin = 0.05;  // K

[[noreturn]] void outside() { throw PropertyRefusal(kMsgOutsideFormulation); }

std::string tier_words(const char* equation, const Tier& tier) {
    return std::string(equation) + "，焓可能偏差约" + tier.dh + " kJ/kg，比容约" + tier.dv + " %";
}

}  // namespace

void Extrapolation::add(const Extrapolation& other) {
    if (other.water > water) water = other.water;
    if (other.steam > steam) steam = other.steam;
    saturation = saturation || other.saturation;
    metastable = metastable || other.metastable;
    if (other.transport != nullptr) transport = other.transport;
}

bool inside_if97(double p_mpa, double t) {
    if (!(p_mpa > 0.0 && t >= kLowestTemperature)) return false;
    if (t <= kIf97HighTemperatureLimit) return p_mpa <= kHighestPressure;
    return t <= kIf97HighestTemperature && p_mpa <= kIf97HighTemperaturePressure;
}

void check_if97_state(double p_mpa, double t) {
    if (!inside_if97(p_mpa, t)) throw PropertyRefusal(kMsgOutsideIf97);
}

void check_pressure(double p_mpa) {
    if (!(p_mpa > 0.0 && p_mpa <= kHighestPressure)) outside();
}

void check_temperature(double t) {
    if (!(t >= kLowestTemperature && t <= kHighestTemperature)) outside();
}

void check_found_temperature(double t) {
    if (!(t >= kLowestTemperature - kFoundTemperatureMargin && t <= kHighestTemperature + kFoundTemperatureMargin))
        outside();
}

int water_tier(double t) {
    if (!(t > kWaterEquationLimit)) return 0;
    for (std::size_t i = 0; i < kWaterTiers.size(); ++i)
        if (t - kWaterEquationLimit <= kWaterTiers[i].up_to) return static_cast<int>(i) + 1;
    return static_cast<int>(kWaterTiers.size());
}

int steam_tier(double p_at, double t) {
    // Up to 350 degC the steam equations reach the saturation line; the
    // boundary line starts there and passes 100 MPa near 590 degC.
    if (!(t > kWaterEquationLimit)) return 0;
    const double ratio = p_at / ifc_boundary_p(t);
    if (!(ratio > 1.0)) return 0;
    for (std::size_t i = 0; i < kSteamTiers.size(); ++i)
        if (ratio <= kSteamTiers[i].up_to) return static_cast<int>(i) + 1;
    throw PropertyRefusal(kMsgNearCritical);
}

Extrapolation extrapolation_of(const SteamState& state) {
    Extrapolation e;
    if (state.x <= 0.0) {
        e.water = water_tier(state.t);
    } else if (state.x >= 1.0) {
        e.steam = steam_tier(state.p, state.t);
    } else {
        if (state.p > kPc) throw PropertyRefusal(kMsgNoWetAbovePressure);
        e.water = water_tier(state.t);
        e.steam = steam_tier(state.p, state.t);
    }
    return e;
}

std::string warning_text(const Extrapolation& e) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        text += text.empty() ? "外推结果：" : "；";
        text += part;
    };
    if (e.water > 0) add(tier_words("压缩水公式用于350 ℃以上", kWaterTiers[static_cast<std::size_t>(e.water) - 1]));
    if (e.steam > 0)
        add(tier_words("过热蒸汽公式越过了它靠临界区一侧的边界", kSteamTiers[static_cast<std::size_t>(e.steam) - 1]));
    if (e.saturation) add("临界点（22.12 MPa，374.15 ℃）以上没有饱和线，所示饱和值只是饱和线公式的延伸");
    if (e.metastable) add("IAPWS-IF97的水或蒸汽方程越过饱和线用于亚稳态（过热水或过冷蒸汽），并非稳定状态");
    if (e.transport != nullptr) add(e.transport);
    return text;
}

}  // namespace entalix::props
