// entalix-calc: the property functions and every screen calculation from the
// command line and from scripts, with the same code as the desktop application.
#include <algorithm>
#include <array>
#include <cmath>
#include <csignal>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "cli/batch.h"
#include "cli/calls.h"
#include "cli/chart_cli.h"
#include "cli/csv.h"
#include "cli/screens_cli.h"
#include "cli/usage.h"
#include "entalix_version.h"
#include "props/formulation.h"
#include "shell/errors.h"
#include "shell/number_chars.h"
#include "shell/reading.h"
#ifdef _WIN32
#include "cli/windows_console.h"
#endif

namespace {

using namespace entalix;

void print_help() {
    std::cout << cli::kShortUsage
              << "\n退出状态：0 成功（含警告），1 计算失败，2 用法错误，3 输出丢失，4 读取输入失败\n\n"
                 "公式：--formulation IFC-67（默认）或 IAPWS-IF97（也可写 IF97），用于函数调用、画面事件、\n"
                 "--csv 和整个 --batch；批处理请求中的 \"formulation\" 成员只改变该行。\n"
                 "--compare 函数名 参数... 分别用两种公式计算，并给出差值（IFC-67 − IAPWS-IF97）和相对差值。\n\n"
                 "函数（压力为绝对压力）：\n";
    for (const cli::FunctionInfo& f : cli::functions()) {
        std::cout << "  " << f.name;
        for (const cli::Argument& a : f.arguments)
            std::cout << ' ' << a.name << (a.unit.empty() ? "" : "[" + a.unit + "]");
        std::cout << "  -> " << f.result << '\n';
    }
    std::cout << "\n画面事件：读入的字段（量、单位、表压或绝压）和写出的结果：\n";
    const auto describe = [](const shell::ControlDesc& c) {
        const shell::Meaning& m = c.meaning;
        std::string out = m.quantity;
        if (!m.unit.empty()) out += " [" + m.unit + "]";
        if (m.pressure == shell::PressureKind::Gauge) out += " 表压";
        if (m.pressure == shell::PressureKind::Absolute && m.role != shell::Role::Atmospheric) out += " 绝压";
        if (m.role == shell::Role::TickBox) out += " 已知（勾选框，0 或 1）";
        if (m.role == shell::Role::Input || m.role == shell::Role::Atmospheric)
            if (const std::string allowed = shell::allowed_range(m); !allowed.empty()) out += " 须" + allowed;
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
    std::cout << "  Form11 Command2_Click、Form12 Command2_Click（全部物性）\n"
                 "      Label3=  计算出的状态，六行 p= t= v= h= s= x=…%，行间回车换行（Form12 另读 Text7）\n"
                 "      -> shows Form16，然后 Form16.字段=文字：Form16 显示的这个状态的全部物性\n";
}

// The shortest text that reads back to the same double.
std::string shortest(double value) { return shell::shortest_text(value); }

// Exit statuses, one table for every use (README, entalix-calc(1)).
constexpr int kSuccess = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kOutputLost = 3;
constexpr int kInputFailed = 4;

int run_call(const std::string& name, const std::vector<std::string>& args, props::Formulation formulation) {
    const cli::CallResult result = cli::call_function_warned(name, args, formulation);
    if (const double* value = std::get_if<double>(&result.value))
        std::cout << shortest(*value) << '\n';
    else
        std::cout << std::get<std::string>(result.value) << '\n';
    if (!result.warning.empty()) std::cerr << result.warning << '\n';
    return kSuccess;
}

// One function by both formulations, each on its own line, then how far
// IFC-67 lies from IAPWS-IF97: absolute and relative to the IAPWS-IF97 value.
// A formulation that fails says why on its line; the status is then 1.
int run_compare(const std::string& name, const std::vector<std::string>& args) {
    struct Result {
        props::Formulation formulation;
        std::optional<double> value;
    };
    std::array<Result, 2> results{{{props::Formulation::IFC67, {}}, {props::Formulation::IF97, {}}}};
    int status = kSuccess;
    for (Result& r : results) {
        const std::string label(props::formulation_name(r.formulation));
        try {
            const cli::CallResult result = cli::call_function_warned(name, args, r.formulation);
            if (const double* value = std::get_if<double>(&result.value)) {
                r.value = *value;
                std::cout << label << '\t' << shortest(*value) << '\n';
            } else {
                std::cout << label << '\t' << std::get<std::string>(result.value) << '\n';
            }
            if (!result.warning.empty()) std::cerr << label << "：" << result.warning << '\n';
        } catch (const cli::UsageError&) {
            throw;
        } catch (...) {
            std::cout << label << '\t' << "失败：" << cli::command_line_words(shell::current_failure_message()) << '\n';
            status = kFailed;
        }
    }
    if (results[0].value && results[1].value) {
        const double difference = *results[0].value - *results[1].value;
        std::cout << "差值" << '\t' << shortest(difference) << '\n';
        if (*results[1].value != 0.0)
            std::cout << "相对差值(%)" << '\t' << shortest(100.0 * difference / std::fabs(*results[1].value)) << '\n';
    }
    return status;
}

// --formulation NAME or --formulation=NAME, anywhere among the arguments: the
// formulation of every calculation of this run (the last one given counts).
std::optional<props::Formulation> take_formulation(std::vector<std::string>& args) {
    std::optional<props::Formulation> chosen;
    constexpr std::string_view kOption = "--formulation";
    for (std::size_t i = 0; i < args.size();) {
        std::string value;
        if (args[i] == kOption) {
            if (i + 1 >= args.size()) throw cli::UsageError("--formulation 后须给出 IFC-67 或 IAPWS-IF97");
            value = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i + 2));
        } else if (args[i].rfind(std::string(kOption) + "=", 0) == 0) {
            value = args[i].substr(kOption.size() + 1);
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
            continue;
        }
        chosen = props::parse_formulation(value);
        if (!chosen)
            throw cli::UsageError("不认识的公式：" + cli::quote_input(value) + "（可用 IFC-67 或 IAPWS-IF97）");
    }
    return chosen;
}

int run_screen(const std::string& screen, const std::string& event, const std::vector<std::string>& assignments,
               props::Formulation formulation) {
    std::map<std::string, std::string> given;
    for (const std::string& a : assignments) {
        const std::size_t eq = a.find('=');
        if (eq == std::string::npos) throw cli::UsageError("字段须写成 名称=文本：" + cli::quote_input(a));
        given[a.substr(0, eq)] = a.substr(eq + 1);
    }
    const shell::Outcome outcome = cli::run_screen_event(screen, event, given, formulation);
    if (outcome.failed) {
        std::cerr << outcome.message << '\n';
        return kFailed;
    }
    for (const auto& [name, text] : outcome.texts) std::cout << name << '=' << shell::printed_text(text) << '\n';
    for (const auto& [name, visible] : outcome.visibility)
        std::cout << name << (visible ? " shown" : " hidden") << '\n';
    if (outcome.navigate) {
        // What the screen shown next holds, each field named with its screen.
        const std::string target = shell::screen_name(*outcome.navigate);
        std::cout << "shows " << target << '\n';
        for (const auto& [name, text] : outcome.target_texts)
            std::cout << target << '.' << name << '=' << shell::printed_text(text) << '\n';
    } else if (outcome.texts.empty() && outcome.visibility.empty()) {
        std::cout << "(nothing changed)\n";
    }
    if (!outcome.message.empty()) std::cout << "message: " << outcome.message << '\n';
    // An extrapolated result: shown, with the warning apart from the numbers.
    if (!outcome.warning.empty()) std::cerr << outcome.warning << '\n';
    return cli::outcome_failed(outcome) ? kFailed : kSuccess;
}

int run(std::vector<std::string> args) {
    const std::optional<props::Formulation> formulation = take_formulation(args);
    // Without --formulation, IFC-67, the formulation of the screens' step lists.
    const props::Formulation chosen = formulation.value_or(props::Formulation::IFC67);
    if (args.empty()) throw cli::UsageError("没有给出要做的事");
    if (args[0] == "--help" || args[0] == "-h") {
        print_help();
        return kSuccess;
    }
    if (args[0] == "--version") {
        if (args.size() > 1) throw cli::UsageError("--version 不带参数");
        std::cout << version_text("entalix-calc");
        return kSuccess;
    }
    if (args[0] == "--list") {
        std::cout << cli::list_json() << '\n';
        return kSuccess;
    }
    if (args[0] == "--compare") {
        if (formulation) throw cli::UsageError("--compare 用两种公式计算，不带 --formulation");
        if (args.size() < 2) throw cli::UsageError("--compare 后须给出函数名和参数");
        return run_compare(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    }
    if (args[0] == "--batch") {
        if (args.size() > 1) throw cli::UsageError("--batch 不带参数");
        return cli::run_batch(std::cin, std::cout, chosen) == cli::BatchEnd::Done ? kSuccess : kOutputLost;
    }
    if (args[0] == "--chart") {
        std::cout << cli::chart_svg(std::vector<std::string>(args.begin() + 1, args.end()), chosen);
        return kSuccess;
    }
    if (args[0] == "--csv") {
        std::vector<std::string> target(args.begin() + 1, args.end());
        const auto bom = std::find(target.begin(), target.end(), "--bom");
        const bool with_bom = bom != target.end();
        if (with_bom) target.erase(bom);
        return cli::run_csv(target, with_bom, std::cin, std::cout, chosen);
    }
    if (args[0].rfind("--", 0) == 0 || args[0] == "-")
        throw cli::UsageError("不认识的选项：" + cli::quote_input(args[0]));
    if (shell::screen_from_name(args[0])) {
        if (args.size() < 2) throw cli::UsageError("请给出事件，例如 Command1_Click");
        return run_screen(args[0], args[1], std::vector<std::string>(args.begin() + 2, args.end()), chosen);
    }
    return run_call(args[0], std::vector<std::string>(args.begin() + 1, args.end()), chosen);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGPIPE
    // A closed pipe is reported as lost output (status 3), not by a signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
#ifdef _WIN32
    // Windows hands argv over in the ANSI code page; the wide command line holds what was typed.
    entalix::cli::use_utf8_console();
    if (const std::vector<std::string> utf8 = entalix::cli::utf8_arguments(); !utf8.empty())
        args.assign(utf8.begin() + 1, utf8.end());
#endif
    int status = kFailed;
    try {
        status = run(args);
    } catch (const cli::UsageError& e) {
        std::cerr << e.what() << "\n\n" << cli::kShortUsage;
        return kUsage;
    } catch (const cli::InputError& e) {
        // The answers to what was read before stay written.
        std::cerr << e.what() << '\n';
        status = kInputFailed;
    } catch (...) {
        std::cerr << cli::command_line_words(shell::current_failure_message()) << '\n';
        status = kFailed;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "输出丢失：标准输出已关闭、已满或管道已断开\n";
        return kOutputLost;
    }
    return status;
}
