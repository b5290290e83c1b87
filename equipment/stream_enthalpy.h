// The enthalpy of a pipe stream given by gauge pressure and temperature, shared
// by the heater and desuperheater balances, and the band around the saturation
// line where a typed temperature cannot tell water from steam.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "props/water_steam.h"
#include "shell/screen.h"

namespace entalix::equipment {

// A temperature typed within this many kelvin of the saturation temperature
// does not say whether the pipe carries water or steam: a saturated steam
// line is often read off at the rounded saturation temperature. IFC-67 and
// IAPWS-IF97 put the saturation line at most about 0.2 K apart (near the
// critical point), well inside the band, so both formulations see one band.
inline constexpr double kPhaseBand = 0.5;  // K

// The saturation temperature (degC) at the absolute pressure p (MPa) where the
// formulation has a line between water and steam: from the pressure of
// saturation at 0 degC up to its critical point. nullopt elsewhere, where the
// side is decided by the temperature alone.
std::optional<double> two_phase_saturation(props::WaterSteam& properties, double p);

// Whether t lies within kPhaseBand of the saturation temperature ts.
bool near_saturation(double t, double ts);

// pg gauge pressure and pa atmospheric pressure in MPa, t in degC; kJ/kg.
// Water below the saturation temperature at the absolute pressure, steam from
// it on (a stream exactly at saturation is taken as steam). Throws PropertyError.
double StreamEnthalpy(props::WaterSteam& properties, double pg, double t, double pa);

// What a screen calls a pipe stream: its name in a message ("加热蒸汽",
// "出水") and whether the pipe carries steam or water.
struct StreamRole {
    const char* name;
    bool steam;
};

// A pipe stream of a balance: as typed, and its state.
struct Stream {
    double pg = 0.0;  // gauge pressure as typed, MPa
    double t = 0.0;   // degC
    double p = 0.0;   // absolute pressure at which the state is taken, MPa
    double h = 0.0;   // kJ/kg
    bool steam = false;
    // Typed within kPhaseBand of the saturation line: the stream is saturated
    // steam or saturated water at p, as its role says.
    bool saturated = false;
    // Typed on the other side of the line than its role, by more than the
    // band: what check_phase refuses the press with.
    std::string wrong_phase;
};

// The stream whose gauge pressure and temperature stand in two fields of the
// screen, read (pressure first) just before the stream is evaluated, so that a
// press meeting two faults reports the one its balance meets first. Beyond
// the band its state is taken on the side of the line its temperature lies;
// a side other than its role's is noted in wrong_phase, for check_phase.
Stream read_stream(props::WaterSteam& properties, const shell::ScreenDesc& desc, const shell::Fields& fields,
                   const char* pressure, const char* temperature, double pa, StreamRole role);

// Refuses the press (OutOfDomain) with the first stream's wrong_phase: steam
// that is water at its pressure and temperature, or water that is steam.
void check_phase(std::initializer_list<const Stream*> streams);

// kJ/(kg K), from the same equation as the stream's enthalpy.
double stream_entropy(props::WaterSteam& properties, const Stream& stream);

}  // namespace entalix::equipment
