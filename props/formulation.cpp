// The formulation of the calculation on this thread.
#include "props/formulation.h"

#include <array>
#include <cctype>

namespace entalix::props {
namespace {

thread_local Formulation current = Formulation::IFC67;
thread_local bool consulted_since_scope = false;

struct Spelling {
    std::string_view text;
    Formulation formulation;
};
constexpr std::array<Spelling, 4> kSpellings{{
    {"IFC-67", Formulation::IFC67},
    {"IFC67", Formulation::IFC67},
    {"IF97", Formulation::IF97},
    {"IAPWS-IF97", Formulation::IF97},
}};

bool same_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::string_view formulation_name(Formulation formulation) {
    return formulation == Formulation::IF97 ? "IAPWS-IF97" : "IFC-67";
}

std::optional<Formulation> parse_formulation(std::string_view text) {
    for (const Spelling& s : kSpellings)
        if (same_ignoring_case(text, s.text)) return s.formulation;
    return std::nullopt;
}

Formulation current_formulation() {
    consulted_since_scope = true;
    return current;
}

FormulationScope::FormulationScope(Formulation formulation)
    : previous_(current), previous_consulted_(consulted_since_scope) {
    current = formulation;
    consulted_since_scope = false;
}

FormulationScope::~FormulationScope() {
    current = previous_;
    consulted_since_scope = previous_consulted_ || consulted_since_scope;
}

bool FormulationScope::consulted() const { return consulted_since_scope; }

}  // namespace entalix::props
