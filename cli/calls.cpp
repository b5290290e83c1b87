// The table of public property functions and their dispatch by name.
#include "cli/calls.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>

#include "cli/usage.h"
#include "shell/errors.h"
#include "shell/numbers.h"

namespace entalix::cli {
namespace {

using props::Selected;
using props::WaterSteam;

const Argument kP{"p", "MPa"}, kT{"t", "°C"}, kH{"h", "kJ/kg"}, kS{"s", "kJ/(kg·K)"}, kName{"name", ""};
const Argument kP1{"p1", "MPa"}, kT1{"t1", "°C"}, kP2{"p2", "MPa"}, kT2{"t2", "°C"};
const Argument kH1{"h1", "kJ/kg"}, kH2{"h2", "kJ/kg"}, kEffi{"effi", "%"};

using Call = std::function<Selected(WaterSteam&, const std::string&, std::span<const double>)>;

struct Entry {
    FunctionInfo info;
    Call call;
};

template <typename F>
Call two(F f) {
    return
        [f](WaterSteam& psw, const std::string&, std::span<const double> a) -> Selected { return f(psw, a[0], a[1]); };
}
template <typename F>
Call four(F f) {
    return [f](WaterSteam& psw, const std::string&, std::span<const double> a) -> Selected {
        return f(psw, a[0], a[1], a[2], a[3]);
    };
}
template <typename F>
Call selector(F f) {
    return [f](WaterSteam& psw, const std::string& name, std::span<const double> a) -> Selected {
        return f(psw, name, a[0], a[1]);
    };
}

const std::vector<Entry>& entries() {
    // Used once, when the table is built; constant texts, so nothing is built per call.
    constexpr const char* any =
        "按名称取 p、t、v、h、s、x，或 rho(kg/m³)、u(kJ/kg)、cp、cv(kJ/(kg·K))、w(m/s)、kappa、mu(Pa·s)、"
        "lambda(W/(m·K))、nu(m²/s)、Pr，其他名称得 \"No such Para.\"";
    constexpr const char* saturated =
        "按名称取饱和状态的 p、t，饱和水(1)与饱和蒸汽(2)的 v、rho、h、s、cp、w、mu、lambda（如 h1、h2），"
        "汽化潜热 r(kJ/kg)，表面张力 sigma(N/m)";
    static const std::vector<Entry> table{
        {{"pswsat_p", {kT}, "饱和压力, MPa"},
         [](WaterSteam& psw, const std::string&, std::span<const double> a) -> Selected { return psw.pswsat_p(a[0]); }},
        {{"pswsat_t", {kP}, "饱和温度, °C"},
         [](WaterSteam& psw, const std::string&, std::span<const double> a) -> Selected { return psw.pswsat_t(a[0]); }},
        {{"pswv_ptwtr", {kP, kT}, "水的比容, m³/kg"}, two(std::mem_fn(&WaterSteam::pswv_ptwtr))},
        {{"pswv_ptstm", {kP, kT}, "蒸汽的比容, m³/kg"}, two(std::mem_fn(&WaterSteam::pswv_ptstm))},
        {{"pswh_ptwtr", {kP, kT}, "水的比焓, kJ/kg"}, two(std::mem_fn(&WaterSteam::pswh_ptwtr))},
        {{"pswh_ptstm", {kP, kT}, "蒸汽的比焓, kJ/kg"}, two(std::mem_fn(&WaterSteam::pswh_ptstm))},
        {{"pswt_ph", {kP, kH}, "温度, °C"}, two(std::mem_fn(&WaterSteam::pswt_ph))},
        {{"psws_ph", {kP, kH}, "比熵, kJ/(kg·K)"}, two(std::mem_fn(&WaterSteam::psws_ph))},
        {{"pswA_ph", {kName, kP, kH}, any}, selector(std::mem_fn(&WaterSteam::pswA_ph))},
        {{"pswA_ps", {kName, kP, kS}, any}, selector(std::mem_fn(&WaterSteam::pswA_ps))},
        {{"pswp_hs", {kH, kS}, "压力, MPa"}, two(std::mem_fn(&WaterSteam::pswp_hs))},
        {{"pswt_hs", {kH, kS}, "温度, °C"}, two(std::mem_fn(&WaterSteam::pswt_hs))},
        {{"pswA_hs", {kName, kH, kS}, any}, selector(std::mem_fn(&WaterSteam::pswA_hs))},
        {{"pswA_ptwtr", {kName, kP, kT}, any}, selector(std::mem_fn(&WaterSteam::pswA_ptwtr))},
        {{"pswA_ptstm", {kName, kP, kT}, any}, selector(std::mem_fn(&WaterSteam::pswA_ptstm))},
        {{"pswsigma_t", {kT}, "饱和线上的表面张力, N/m"},
         [](WaterSteam& psw, const std::string&, std::span<const double> a) -> Selected {
             return psw.pswsigma_t(a[0]);
         }},
        {{"pswA_sat_t", {kName, kT}, saturated},
         [](WaterSteam& psw, const std::string& name, std::span<const double> a) -> Selected {
             return psw.pswA_sat_t(name, a[0]);
         }},
        {{"pswA_sat_p", {kName, kP}, saturated},
         [](WaterSteam& psw, const std::string& name, std::span<const double> a) -> Selected {
             return psw.pswA_sat_p(name, a[0]);
         }},
        {{"psw_effi_pt", {kP1, kT1, kP2, kT2}, "等熵效率, %"}, four(std::mem_fn(&WaterSteam::psw_effi_pt))},
        {{"psw_effi_ph", {kP1, kH1, kP2, kH2}, "等熵效率, %"}, four(std::mem_fn(&WaterSteam::psw_effi_ph))},
        {{"pswt2_ptpeffi", {kP1, kT1, kP2, kEffi}, "出口温度, °C"}, four(std::mem_fn(&WaterSteam::pswt2_ptpeffi))},
    };
    return table;
}

}  // namespace

const std::vector<FunctionInfo>& functions() {
    static const std::vector<FunctionInfo> infos = [] {
        std::vector<FunctionInfo> out;
        for (const Entry& e : entries()) out.push_back(e.info);
        return out;
    }();
    return infos;
}

const FunctionInfo* find_function(std::string_view name) {
    for (const FunctionInfo& f : functions())
        if (f.name == name) return &f;
    return nullptr;
}

props::Selected call_function(std::string_view name, const std::vector<std::string>& arguments,
                              props::Formulation formulation) {
    return call_function_warned(name, arguments, formulation).value;
}

std::optional<std::size_t> function_index(std::string_view name) {
    // The names in a small open-addressed table by a hash of their bytes, built
    // once: a name is found by one hash and, as a rule, one comparison.
    struct Slot {
        std::string_view name;
        std::size_t index = 0;
    };
    constexpr std::size_t kSlots = 64;  // a power of two, three times the functions
    const auto hash = [](std::string_view text) {
        std::uint32_t h = 2166136261u;  // FNV-1a
        for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return static_cast<std::size_t>(h) & (kSlots - 1);
    };
    static const std::array<Slot, kSlots> slots = [&hash] {
        std::array<Slot, kSlots> out{};
        const std::vector<Entry>& table = entries();
        for (std::size_t i = 0; i < table.size() && i < kSlots; ++i) {
            std::size_t at = hash(table[i].info.name);
            for (std::size_t probes = 0; probes < kSlots && !out[at].name.empty(); ++probes) at = (at + 1) % kSlots;
            out[at] = {table[i].info.name, i};
        }
        return out;
    }();
    std::size_t at = hash(name);
    for (std::size_t probes = 0; probes < kSlots && !slots[at].name.empty(); ++probes, at = (at + 1) % kSlots)
        if (slots[at].name == name) return slots[at].index;
    return std::nullopt;
}

CallResult call_numbers(std::size_t index, std::string_view selector, std::span<const double> numbers,
                        props::Formulation formulation) {
    const Entry& e = entries().at(index);
    std::size_t wanted = 0;
    for (const Argument& a : e.info.arguments)
        if (!a.unit.empty()) ++wanted;
    if (numbers.size() != wanted)
        throw UsageError(e.info.name + " 需要 " + std::to_string(wanted) + " 个数，给出了 " +
                         std::to_string(numbers.size()) + " 个");
    const props::WaterSteamFor psw(formulation);
    props::Selected value = e.call(*psw, std::string(selector), numbers);
    return {std::move(value), psw->warning()};
}

CallResult call_function_warned(std::string_view name, const std::vector<std::string>& arguments,
                                props::Formulation formulation) {
    const std::vector<std::string_view> texts(arguments.begin(), arguments.end());
    return call_texts(name, texts, formulation);
}

CallResult call_texts(std::string_view name, std::span<const std::string_view> arguments,
                      props::Formulation formulation) {
    const std::optional<std::size_t> index = function_index(name);
    if (!index) throw UsageError("没有这个函数：" + quote_input(name));
    const FunctionInfo& info = entries()[*index].info;
    if (arguments.size() != info.arguments.size())
        throw UsageError(info.name + " 需要 " + std::to_string(info.arguments.size()) + " 个参数，给出了 " +
                         std::to_string(arguments.size()) + " 个");
    // At most four numbers and one name, so no argument list is allocated.
    std::string_view selector_name;
    std::array<double, 4> numbers{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (info.arguments[i].unit.empty()) {
            selector_name = arguments[i];
            continue;
        }
        const auto value = shell::ParseStrictNumber(arguments[i]);
        if (!value) throw shell::NotANumber(info.arguments[i].name);
        numbers.at(count++) = *value;
    }
    return call_numbers(*index, selector_name, std::span<const double>(numbers.data(), count), formulation);
}

}  // namespace entalix::cli
