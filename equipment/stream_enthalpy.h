// The enthalpy of a pipe stream given by gauge pressure and temperature, shared
// by the heater and desuperheater balances.
#pragma once

#include "props/public.h"
#include "shell/screen.h"

namespace entalix::equipment {

// pg gauge pressure and pa atmospheric pressure in MPa, t in degC; kJ/kg.
// Water below the saturation temperature at the absolute pressure, steam from
// it on (a stream exactly at saturation is taken as steam). Throws PropertyError.
double StreamEnthalpy(props::SteamProperties& properties, double pg, double t, double pa);

// The same for a stream whose gauge pressure and temperature stand in two fields,
// read (leniently, pressure first) just before the stream is evaluated, so that a
// press meeting two faults reports the one its balance meets first.
double StreamEnthalpy(props::SteamProperties& properties, const shell::Fields& fields, const char* pressure,
                      const char* temperature, double pa);

}  // namespace entalix::equipment
