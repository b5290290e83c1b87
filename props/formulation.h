// The two formulations of water and steam that every calculation can use, and
// the one a calculation runs with. A press carries its formulation: the host
// opens a FormulationScope around it, and everything the press builds inside
// (SteamProperties, the free saturation functions) takes it from there.
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

// The formulation of the calculation running on this thread: IFC-67 unless a
// FormulationScope says otherwise.
Formulation current_formulation();

// Sets the formulation of this thread for its lifetime and restores the one
// before it at its end; scopes nest. It also tells whether anything inside
// asked for the formulation, that is, used water and steam properties: a
// motor's power has no formulation to show.
class FormulationScope {
public:
    explicit FormulationScope(Formulation formulation);
    ~FormulationScope();
    FormulationScope(const FormulationScope&) = delete;
    FormulationScope& operator=(const FormulationScope&) = delete;

    bool consulted() const;

private:
    Formulation previous_;
    bool previous_consulted_;
};

}  // namespace entalix::props
