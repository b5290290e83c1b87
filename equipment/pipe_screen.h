// The pipe screen Form2: mass flow from a pipe's diameter, diameter from a mass
// flow, and the customary velocities of water and steam lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "props/water_steam.h"
#include "shell/screen.h"

namespace entalix::equipment {

// Specific volume (m3/kg) of the medium at absolute pressure p (MPa) and t
// (degC): compressed water below the saturation temperature, steam from it on.
double PipeSpecificVolume(props::WaterSteam& properties, double p, double t);

// Mass flow in t/h through a pipe of inner diameter d (mm) at velocity w (m/s)
// of a medium of specific volume v (m3/kg).
double pipe_flow(double d, double w, double v);

// Inner diameter in mm that carries the mass flow G (t/h) at velocity w (m/s)
// of a medium of specific volume v; throws ArithmeticFault when w is 0 or the
// radicand is negative. This block's sizing rule takes pi as 3.14.
double pipe_diameter(double G, double w, double v);

// "求：" of the left block: the text of jzll. The diameter gdzj is read strictly.
// An extrapolated specific volume leaves its warning in *warning.
std::string PipeFlowFromDiameter(const shell::Fields& fields, props::WaterSteam& properties,
                                 std::string* warning = nullptr);

// "求：" of the right block: the text of gdzj1.
std::string PipeDiameterFromFlow(const shell::Fields& fields, props::WaterSteam& properties,
                                 std::string* warning = nullptr);

// The new text of the hint Label3 after a change of `changed` (jzwd, jzyl,
// jzwd1 or jzyl1); nullopt keeps the hint as it is.
std::optional<std::string> VelocityHint(std::string_view changed, const shell::Fields& fields,
                                        props::WaterSteam& properties);

extern const std::string kWaterVelocities;  // eight lines joined by CR LF
extern const std::string kSteamVelocities;  // seven lines joined by CR LF
inline constexpr const char* kAskPressure = "其输入介质压力";
inline constexpr const char* kAskTemperature = "其输入介质温度";

}  // namespace entalix::equipment
