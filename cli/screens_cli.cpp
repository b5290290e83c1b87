// Screen events without windows: defaults, given texts, one outcome.
#include "cli/screens_cli.h"

#include "catalog/catalog.h"
#include "cli/usage.h"
#include "props/formulation.h"
#include "shell/controller.h"
#include "shell/numbers.h"

namespace entalix::cli {

namespace {

// A person can tick two quantities at most: the screen hides the other boxes.
constexpr int kMaxTicks = 2;

void check_ticks(const shell::ScreenDesc& desc, const shell::Fields& fields) {
    int ticked = 0;
    for (const shell::ControlDesc& c : desc.controls) {
        if (c.meaning.role != shell::Role::TickBox) continue;
        const std::string& value = fields.text(c.name);
        if (value != "0" && value != "1")
            throw UsageError("勾选框 " + c.name + " 只能是 0 或 1，不是" + quote_input(value));
        ticked += value == "1";
    }
    if (ticked > kMaxTicks) throw UsageError("最多只能勾选两项（" + std::to_string(ticked) + " 项被勾选）");
}

}  // namespace

shell::Outcome run_screen_event(const std::string& screen, const std::string& event,
                                const std::map<std::string, std::string>& given, props::Formulation formulation) {
    const auto id = shell::screen_from_name(screen);
    if (!id) throw UsageError("没有这个画面：" + quote_input(screen));
    const shell::ScreenDesc& desc = catalog::screen_desc(*id);
    if (desc.find_event(event) == nullptr) throw UsageError(screen + " 没有这个事件：" + quote_input(event));
    shell::Fields fields = desc.default_fields();
    fields.set_formulation(formulation);
    for (const auto& [name, text] : given) {
        if (desc.find(name) == nullptr) throw UsageError(screen + " 没有这个字段：" + quote_input(name));
        fields.set(name, text);
    }
    check_ticks(desc, fields);
    return *shell::run_event(desc, event, fields);
}

bool outcome_failed(const shell::Outcome& outcome) {
    if (outcome.failed) return true;
    for (const auto& [name, text] : outcome.texts)
        if (text == "错误") return true;
    return false;
}

std::optional<std::array<double, 6>> state_numbers(const std::string& caption) {
    static constexpr const char* kNames[] = {"p=", "t=", "v=", "h=", "s=", "x="};
    std::array<double, 6> out{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        const std::size_t end = i < 5 ? caption.find("\r\n", start) : caption.size();
        if (end == std::string::npos || caption.compare(start, 2, kNames[i]) != 0) return std::nullopt;
        std::string value = caption.substr(start + 2, end - start - 2);
        if (i == 5 && !value.empty() && value.back() == '%') value.pop_back();
        const std::optional<double> number = shell::ParseStrictNumber(value);
        if (!number) return std::nullopt;
        out[i] = *number;
        start = end + 2;
    }
    return out;
}

}  // namespace entalix::cli
