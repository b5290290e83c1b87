// Screen events without windows: defaults, given texts, one outcome.
#include "cli/screens_cli.h"

#include "catalog/catalog.h"
#include "shell/controller.h"
#include "shell/errors.h"

namespace entalix::cli {

shell::Outcome run_screen_event(const std::string& screen, const std::string& event,
                                const std::map<std::string, std::string>& given) {
    const auto id = shell::screen_from_name(screen);
    if (!id) throw shell::CalculationError("no screen " + screen);
    const shell::ScreenDesc& desc = catalog::screen_desc(*id);
    shell::Fields fields = desc.default_fields();
    for (const auto& [name, text] : given) {
        if (desc.find(name) == nullptr) throw shell::CalculationError(screen + " has no field " + name);
        fields.set(name, text);
    }
    auto outcome = shell::run_event(desc, event, fields);
    if (!outcome) throw shell::CalculationError(screen + " has no event " + event);
    return *outcome;
}

}  // namespace entalix::cli
