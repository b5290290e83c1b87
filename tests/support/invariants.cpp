// The promises of every press, checked from the outside.
#include "tests/support/invariants.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "catalog/catalog.h"
#include "equipment/pipe_screen.h"
#include "shell/numbers.h"

namespace entalix::testing {

using shell::ScreenId;

namespace {

bool has_decimals(const std::string& text, int decimals) {
    if (!shell::ParseStrictNumber(text)) return false;
    const std::size_t point = text.find('.');
    return point != std::string::npos && static_cast<int>(text.size() - point - 1) == decimals &&
           text.find_first_of("eE") == std::string::npos && text.find(' ') == std::string::npos;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// "p=..\r\nt=..\r\nv=..\r\nh=..\r\ns=..\r\nx=..%", or "参数超限".
std::string broken_caption(bool gauge, const std::string& caption) {
    if (caption == "参数超限") return {};
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = caption.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(caption.substr(start, at - start));
    lines.push_back(caption.substr(start));
    const char* const names[] = {"p=", "t=", "v=", "h=", "s=", "x="};
    if (lines.size() != 6) return "a caption without six lines";
    for (std::size_t i = 0; i < 6; ++i) {
        if (lines[i].rfind(names[i], 0) != 0) return "a caption line out of order: " + lines[i];
        const std::string value = lines[i].substr(2);
        const bool ok = i == 5   ? (value.size() > 1 && value.back() == '%' &&
                                  shell::ParseStrictNumber(value.substr(0, value.size() - 1)).has_value())
                        : i == 0 ? (gauge ? shell::ParseStrictNumber(value).has_value() : has_decimals(value, 6))
                        : i >= 3 ? (has_decimals(value, 6) || has_decimals(value, 4))
                                 : has_decimals(value, 6);
        if (!ok) return "a caption line badly written: " + lines[i];
    }
    return {};
}

}  // namespace

const std::vector<std::string>& hostile_texts() {
    static const std::vector<std::string> texts{
        "",
        " ",
        "0",
        "-0",
        "1",
        "-1",
        "0.5",
        "1e999",
        "-1e999",
        "1e-999",
        "nan",
        "NaN",
        "inf",
        "-inf",
        "Infinity",
        "1,5",
        "1 000",
        "１２",
        "中文",
        "0x10",
        "1e",
        "--1",
        "+-1",
        ".",
        "-",
        "1.2.3",
        "99999999999999999999",
        "1e308",
        "-1e308",
        "1e-308",
        "4.9e-324",
        "22.129",
        "22.12",
        "19.747",
        "22.0307",
        "374.15",
        "374.14",
        "374",
        "-273.15",
        "-273.16",
        "800",
        "0.000001",
        "100",
        "-0.0983",
        "-0.0982",
        "\t5\t",
        "5\n",
        std::string(5000, '9'),
        "0." + std::string(400, '0') + "1",
        "1e+",
        "0.0983abc",
        "%",
        "'",
        "\"",
        "\\",
        "🔥",
        "1d300",
        "1e-400",
        "12345678901234567890.5",
    };
    return texts;
}

std::string broken_promise(ScreenId screen, const std::string& event, const shell::Outcome& outcome) {
    if (outcome.failed) {
        if (!outcome.texts.empty() || !outcome.visibility.empty()) return "a failed press wrote results";
        if (outcome.message.empty()) return "a failed press does not say why";
        return {};
    }
    const shell::ScreenDesc& desc = catalog::screen_desc(screen);
    const shell::EventBinding* binding = desc.find_event(event);
    if (binding == nullptr) return "no event " + shell::screen_name(screen) + " " + event;
    // The fields a press writes as numbers or notes: those with a format.
    std::set<std::string> results;
    for (const std::string& name : binding->writes)
        if (const shell::ControlDesc* c = desc.find(name); c != nullptr && !c->meaning.format.empty())
            results.insert(name);
    const shell::ControlDesc* p_field = desc.find("Text1");
    const bool gauge_state = p_field != nullptr && p_field->meaning.pressure == shell::PressureKind::Gauge;
    std::set<std::string> written;
    for (const auto& [control, text] : outcome.texts) {
        written.insert(control);
        if (results.count(control) == 0) return "a press wrote a field it does not declare: " + control;
        const std::string low = lower(text);
        if (low.find("nan") != std::string::npos || low.find("inf") != std::string::npos)
            return "a non-finite text was written: " + text;
        const std::string& format = desc.find(control)->meaning.format;
        const int decimals = format.rfind("0.", 0) == 0 ? static_cast<int>(format.size()) - 2 : -1;
        if (decimals > 0 && text != "错误" && !has_decimals(text, decimals))
            return control + " written without " + std::to_string(decimals) + " decimals: " + text;
        if (format == "state") {
            if (std::string broken = broken_caption(gauge_state, text); !broken.empty()) return broken;
        }
        if (format == "text" && text != "其输入介质压力" && text != "其输入介质温度" &&
            text != equipment::kWaterVelocities && text != equipment::kSteamVelocities)
            return "an unknown hint: " + text;
    }
    for (const auto& [control, shown] : outcome.visibility)
        if (std::find(binding->writes.begin(), binding->writes.end(), control) == binding->writes.end())
            return "a press showed or hid a control it does not declare: " + control;
    if (!written.empty() && written != results) return "a press wrote only part of its results";
    if (screen == ScreenId::Form8 && !written.empty() && outcome.texts[0].second == "错误" && outcome.message.empty())
        return "an error text without its reason";
    return {};
}

}  // namespace entalix::testing
