// The two implementations of WaterSteam, each in its own file.
#pragma once

#include <memory>

#include "props/water_steam.h"

namespace entalix::props {

std::unique_ptr<WaterSteam> make_ifc67_water_steam();
std::unique_ptr<WaterSteam> make_if97_water_steam();

// Each built in storage of WaterSteamFor::kCapacity bytes, aligned for any type.
WaterSteam* build_ifc67_water_steam(void* storage);
WaterSteam* build_if97_water_steam(void* storage);

}  // namespace entalix::props
