// Screen events without windows: defaults, given texts, one outcome.
#include "cli/screens_cli.h"

#include "catalog/catalog.h"
#include "cli/usage.h"
#include "props/formulation.h"
#include "shell/controller.h"

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
    shell::Fields fields = catalog::default_fields(*id);
    fields.set_formulation(formulation);
    for (const auto& [name, text] : given) {
        if (desc.find(name) == nullptr) throw UsageError(screen + " 没有这个字段：" + quote_input(name));
        fields.set(name, text);
    }
    check_ticks(desc, fields);
    shell::Outcome outcome = *shell::run_event(desc, event, fields);
    // A navigation that carries a press: the target computes from its default
    // texts, as on a screen that has not been opened yet.
    shell::Fields target;
    if (outcome.navigate) {
        target = catalog::default_fields(*outcome.navigate);
        target.set_formulation(formulation);
    }
    if (const std::optional<shell::Outcome> on_target = shell::run_target_press(outcome, target)) {
        if (on_target->failed) {
            shell::Outcome failed;
            failed.failed = true;
            failed.message = command_line_words(on_target->message);
            return failed;
        }
        outcome.target_texts.insert(outcome.target_texts.end(), on_target->texts.begin(), on_target->texts.end());
        if (outcome.warning.empty()) outcome.warning = on_target->warning;
        outcome.formulation = on_target->formulation;
    }
    outcome.message = command_line_words(std::move(outcome.message));
    outcome.warning = command_line_words(std::move(outcome.warning));
    return outcome;
}

bool outcome_failed(const shell::Outcome& outcome) {
    if (outcome.failed) return true;
    for (const auto& [name, text] : outcome.texts)
        if (text == "错误") return true;
    return false;
}

std::array<std::pair<const char*, double>, 6> state_columns(const shell::StateValues& state) {
    return {{{"p", state.p.value},
             {"t", state.t.value},
             {"v", state.v.value},
             {"h", state.h.value},
             {"s", state.s.value},
             {"x", state.x.value}}};
}

}  // namespace entalix::cli
