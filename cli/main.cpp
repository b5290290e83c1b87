// entalix-calc: the property functions and every screen calculation from the
// command line and from scripts, with the same code as the desktop application.
#include <charconv>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/calls.h"
#include "cli/screens_cli.h"
#include "props/property_error.h"
#include "shell/errors.h"
#ifdef _WIN32
#include "win32/console.h"
#endif

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
    std::cout << "\nscreen events (pressures gauge unless the screen is Form11):\n";
    for (const cli::EventInfo& e : cli::events()) {
        std::cout << "  " << shell::screen_name(e.screen) << ' ' << e.event << '\n';
        for (const cli::FieldInfo& f : cli::fields_of(e.screen)) {
            std::cout << "      " << f.name << '=' << f.default_text;
            if (f.tick_box)
                std::cout << "  (tick box, 0 or 1)";
            else if (!f.caption.empty() || !f.unit.empty())
                std::cout << "  " << f.caption << ' ' << f.unit;
            std::cout << '\n';
        }
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
    const props::Selected result = cli::call_function(name, args);
    if (const double* value = std::get_if<double>(&result))
        std::cout << shortest(*value) << '\n';
    else
        std::cout << std::get<std::string>(result) << '\n';
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
#ifdef _WIN32
    // Windows hands argv over in the ANSI code page; the wide command line holds what was typed.
    entalix::win32::use_utf8_console();
    std::vector<std::string> utf8 = entalix::win32::utf8_arguments();
    std::vector<char*> pointers;
    for (std::string& a : utf8) pointers.push_back(a.data());
    pointers.push_back(nullptr);
    if (!utf8.empty()) {
        argc = static_cast<int>(utf8.size());
        argv = pointers.data();
    }
#endif
    try {
        return run(argc, argv);
    } catch (const shell::CalculationError& e) {
        std::cerr << e.what() << '\n';
    } catch (const props::PropertyError& e) {
        std::cerr << shell::kMsgOutOfFormulation << " (" << e.what() << ")\n";
    }
    return 1;
}
