// The names of the two formulations.
#include "props/formulation.h"

#include <array>

namespace entalix::props {
namespace {

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

// The names are ASCII: letters compare by their ASCII capitals, whatever the
// C library's locale says of other bytes.
char ascii_upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool same_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ascii_upper(a[i]) != ascii_upper(b[i])) return false;
    return true;
}

}  // namespace

std::string_view formulation_name(Formulation formulation) {
    return formulation == Formulation::IF97 ? "IAPWS-IF97" : "IFC-67";
}

std::optional<Formulation> parse_formulation(std::string_view text) {
    for (const Spelling& s : kSpellings)  // as written most often, then in any case
        if (text == s.text) return s.formulation;
    for (const Spelling& s : kSpellings)
        if (same_ignoring_case(text, s.text)) return s.formulation;
    return std::nullopt;
}

}  // namespace entalix::props
