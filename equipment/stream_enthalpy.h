// The enthalpy of a pipe stream given by gauge pressure and temperature, shared
// by the heater and desuperheater balances.
#pragma once

#include "props/water_steam.h"
#include "shell/screen.h"

namespace entalix::equipment {

// pg gauge pressure and pa atmospheric pressure in MPa, t in degC; kJ/kg.
// Water below the saturation temperature at the absolute pressure, steam from
// it on (a stream exactly at saturation is taken as steam). Throws PropertyError.
double StreamEnthalpy(props::WaterSteam& properties, double pg, double t, double pa);

// A pipe stream of a balance: as typed, and its state.
struct Stream {
    double pg = 0.0;  // gauge pressure as typed, MPa
    double t = 0.0;   // degC
    double p = 0.0;   // absolute pressure at which the state is taken, MPa
    double h = 0.0;   // kJ/kg, as StreamEnthalpy gives it
    bool steam = false;
};

// The stream whose gauge pressure and temperature stand in two fields of the
// screen, read (pressure first) just before the stream is evaluated, so that a
// press meeting two faults reports the one its balance meets first.
Stream read_stream(props::WaterSteam& properties, const shell::ScreenDesc& desc, const shell::Fields& fields,
                   const char* pressure, const char* temperature, double pa);

// kJ/(kg K), from the same equation as the stream's enthalpy.
double stream_entropy(props::WaterSteam& properties, const Stream& stream);

}  // namespace entalix::equipment
