// Where the IFC-67 equations hold, and what a result computed beyond that is
// worth: the range of the formulation, the tiers of extrapolation with their
// likely error, and the words for both. Beside them the range and the words of
// IAPWS-IF97.
#pragma once

#include <string>

#include "base/property_error.h"
#include "ifc67/steam_state.h"

namespace entalix::props {

// The range of the formulation, in public units.
inline constexpr double kLowestTemperature = 0.0;     // degC
inline constexpr double kHighestTemperature = 800.0;  // degC
inline constexpr double kHighestPressure = 100.0;     // MPa, absolute
// The compressed-water equations (subregion 1) hold up to this temperature.
inline constexpr double kWaterEquationLimit = 350.0;  // degC

inline constexpr const char* kMsgOutsideFormulation = "超出IFC-67适用范围（0–800 ℃，压力不超过100 MPa）";
// Said to the person at a window: the main menu's switch is the way to the other formulation.
inline constexpr const char* kUseIf97InWindow = "可在主画面的“物性公式”框改选IAPWS-IF97";
// The same advice where the command line says it.
inline constexpr const char* kUseIf97OnCommandLine = "可加选项 --formulation IF97 改用IAPWS-IF97";
inline constexpr const char* kMsgNearCritical =
    "状态位于临界区，IFC-67公式在此不适用（可在主画面的“物性公式”框改选IAPWS-IF97）";

// Above the critical point there is no boundary between water and steam.
inline constexpr const char* kMsgNoWetAbovePressure = "临界压力（22.12 MPa）以上不存在湿蒸汽，干度没有意义";
inline constexpr const char* kMsgNoWetAboveTemperature = "临界温度（374.15 ℃）以上不存在湿蒸汽，干度没有意义";

// The range of IAPWS-IF97: 0-800 degC up to 100 MPa, 800-2000 degC up to 50 MPa;
// its saturation line ends at its critical point.
inline constexpr double kIf97HighestTemperature = 2000.0;               // degC
inline constexpr double kIf97HighTemperatureLimit = 800.0;              // degC, above it ...
inline constexpr double kIf97HighTemperaturePressure = 50.0;            // ... pressures up to this, MPa
inline constexpr double kIf97CriticalTemperature = 373.946;             // degC
inline constexpr double kIf97CriticalPressure = 22.064;                 // MPa
inline constexpr double kIf97LowestSaturationPressure = 611.212677e-6;  // MPa, at 0 degC

inline constexpr const char* kMsgOutsideIf97 =
    "超出IAPWS-IF97适用范围（0–800 ℃时压力不超过100 MPa，800–2000 ℃时不超过50 MPa）";
inline constexpr const char* kMsgIf97NoWetAbovePressure = "临界压力（22.064 MPa）以上不存在湿蒸汽，干度没有意义";
inline constexpr const char* kMsgIf97NoWetAboveTemperature = "临界温度（373.946 ℃）以上不存在湿蒸汽，干度没有意义";
inline constexpr const char* kMsgIf97SaturationRange =
    "IAPWS-IF97的饱和线只在0–373.946 ℃（0.000611–22.064 MPa）之间存在，临界点以上没有饱和状态";

// A failure whose text is meant for the person at the screen: a state outside
// the formulation, in the near-critical region, or arguments that cannot be.
class PropertyRefusal : public PropertyError {
public:
    explicit PropertyRefusal(const std::string& message) : PropertyError(message) {}
};

// How far beyond its validity an equation gave a result: tier 0 where it
// holds, then 1 to 3 with growing distance and likely error.
struct Extrapolation {
    int water = 0;            // the compressed-water equations above 350 degC
    int steam = 0;            // the superheated-steam equations beyond their boundary line
    bool saturation = false;  // the saturation line beyond the critical point
    // IAPWS-IF97's water or steam equation continued past the saturation line
    // into the metastable state of that phase.
    bool metastable = false;
    // A transport property near the edge of its release's range: the words.
    const char* transport = nullptr;
    bool any() const { return water > 0 || steam > 0 || saturation || metastable || transport != nullptr; }
    void add(const Extrapolation& other);
};

// PropertyRefusal unless 0 <= t <= 800 degC and 0 < p <= 100 MPa.
void check_pressure(double p_mpa);
void check_temperature(double t);
// A temperature found by an inverse, allowed the few hundredths of a kelvin
// of the inverse's tolerance beyond the range.
void check_found_temperature(double t);

// PropertyRefusal unless (p, t) lies in the range of IAPWS-IF97.
void check_if97_state(double p_mpa, double t);
bool inside_if97(double p_mpa, double t);

// The tier of the compressed-water equations at t.
int water_tier(double t);
// The tier of the superheated-steam equations at p (in at) and t. Far beyond
// the boundary line the equations describe nothing (enthalpies off by
// thousands of kJ/kg, negative ones): PropertyRefusal, near-critical.
int steam_tier(double p_at, double t);
// A state from ifc_ph or ifc_ps, by its region: water, steam, or wet with both
// ends at its temperature. A wet state above the critical pressure (the
// continued saturation line split a fluid that has no two phases there):
// PropertyRefusal.
Extrapolation extrapolation_of(const SteamState& state);

// The warning the screens show beside an extrapolated result; empty when
// nothing was extrapolated.
std::string warning_text(const Extrapolation& extrapolation);

}  // namespace entalix::props
