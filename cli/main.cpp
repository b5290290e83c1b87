// entalix-calc: the property functions and every screen calculation from the
// command line and from scripts, with the same code as the desktop application.
#include <charconv>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "cli/batch.h"
#include "cli/calls.h"
#include "cli/screens_cli.h"
#include "shell/errors.h"

namespace {

using namespace entalix;

void print_help() {
    std::cout << "usage:\n"
                 "  entalix-calc FUNCTION ARG...           call a property function\n"
                 "  entalix-calc FormN EVENT NAME=TEXT...  run a screen event; unnamed fields keep their defaults\n"
                 "  entalix-calc --batch                   one JSON request per line in, one JSON answer per line out\n"
                 "  entalix-calc --list                    functions and events as JSON\n\n"
                 "functions (pressures absolute):\n";
    for (const cli::FunctionInfo& f : cli::functions()) {
        std::cout << "  " << f.name;
        for (const cli::Argument& a : f.arguments)
            std::cout << ' ' << a.name << (a.unit.empty() ? "" : "[" + a.unit + "]");
        std::cout << "  -> " << f.result << '\n';
    }
    std::cout << "\nscreen events: the fields each reads (quantity, unit, gauge or absolute pressure) and writes:\n";
    const auto describe = [](const shell::ControlDesc& c) {
        const shell::Meaning& m = c.meaning;
        std::string out = m.quantity;
        if (!m.unit.empty()) out += " [" + m.unit + "]";
        if (m.pressure == shell::PressureKind::Gauge) out += " 表压";
        if (m.pressure == shell::PressureKind::Absolute && m.role != shell::Role::Atmospheric) out += " 绝压";
        if (m.role == shell::Role::TickBox) out += " 已知 (tick box, 0 or 1)";
        return out;
    };
    for (const catalog::EventRef& e : catalog::calculation_events()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(e.screen);
        std::cout << "  " << shell::screen_name(e.screen) << ' ' << e.binding->event << '\n';
        for (const std::string& name : e.binding->reads)
            if (const shell::ControlDesc* c = desc.find(name))
                std::cout << "      " << name << '=' << (c->meaning.role == shell::Role::TickBox ? "0" : c->text)
                          << "  " << describe(*c) << '\n';
        for (const std::string& name : e.binding->writes)
            if (const shell::ControlDesc* c = desc.find(name); c != nullptr && c->meaning.role == shell::Role::Result)
                std::cout << "      -> " << name << "  " << describe(*c) << '\n';
    }
}

// The shortest text that reads back to the same double.
std::string shortest(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

// A written text on one line per control; CR LF continues on an indented line.
std::string shown_text(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            out += "\n    ";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

int run_call(const std::string& name, const std::vector<std::string>& args) {
    const cli::CallResult result = cli::call_function_warned(name, args);
    if (const double* value = std::get_if<double>(&result.value))
        std::cout << shortest(*value) << '\n';
    else
        std::cout << std::get<std::string>(result.value) << '\n';
    if (!result.warning.empty()) std::cerr << result.warning << '\n';
    return 0;
}

int run_screen(const std::string& screen, const std::string& event, const std::vector<std::string>& assignments) {
    std::map<std::string, std::string> given;
    for (const std::string& a : assignments) {
        const std::size_t eq = a.find('=');
        if (eq == std::string::npos) throw shell::CalculationError("a field is given as NAME=TEXT: " + a);
        given[a.substr(0, eq)] = a.substr(eq + 1);
    }
    const shell::Outcome outcome = cli::run_screen_event(screen, event, given);
    if (outcome.failed) {
        std::cerr << outcome.message << '\n';
        return 1;
    }
    for (const auto& [name, text] : outcome.texts) std::cout << name << '=' << shown_text(text) << '\n';
    for (const auto& [name, visible] : outcome.visibility)
        std::cout << name << (visible ? " shown" : " hidden") << '\n';
    if (outcome.texts.empty() && outcome.visibility.empty()) std::cout << "(nothing changed)\n";
    if (!outcome.message.empty()) std::cout << "message: " << outcome.message << '\n';
    // An extrapolated result: shown, with the warning apart from the numbers.
    if (!outcome.warning.empty()) std::cerr << outcome.warning << '\n';
    return 0;
}

int run(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        print_help();
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--list") {
        std::cout << cli::list_json() << '\n';
        return 0;
    }
    if (args[0] == "--batch") {
        std::string line;
        while (std::getline(std::cin, line)) {
            if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
            std::cout << cli::answer_json_line(line) << '\n' << std::flush;
        }
        return 0;
    }
    if (shell::screen_from_name(args[0])) {
        if (args.size() < 2) throw shell::CalculationError("name the event, for instance Command1_Click");
        return run_screen(args[0], args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    }
    return run_call(args[0], std::vector<std::string>(args.begin() + 1, args.end()));
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (...) {
        std::cerr << shell::current_failure_message() << '\n';
    }
    return 1;
}
