// The two formulations of water and steam that every calculation can use. A
// press carries its formulation as a value: the host builds the press's water
// and steam (props/water_steam.h) from it.
#pragma once

#include <optional>
#include <string_view>

namespace entalix::props {

enum class Formulation {
    IFC67,  // the 1967 IFC formulation for industrial use
    IF97,   // IAPWS-IF97, the industrial formulation of 1997 that replaced it
};

// "IFC-67" or "IAPWS-IF97", as the screens and the command line name them.
std::string_view formulation_name(Formulation formulation);

// Accepts "IFC-67", "IFC67", "IF97" and "IAPWS-IF97" in any case; nullopt for
// anything else.
std::optional<Formulation> parse_formulation(std::string_view text);

}  // namespace entalix::props
