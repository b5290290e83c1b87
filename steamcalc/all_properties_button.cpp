// "全部物性" on the two steam calculators: the state the result label shows,
// carried to Form16 and computed there by Form16's own presses. A single-phase
// state goes by its pressure and temperature, a wet one by its pressure and
// enthalpy, where the temperature alone cannot say how wet it is. "焓熵图"
// carries the same shown state to the chart screen.
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/property_error.h"
#include "props/water_steam.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"
#include "steamcalc/calculator_layout.h"
#include "steamcalc/exact_decimal.h"
#include "steamcalc/screens.h"

namespace entalix::steamcalc {

using namespace shell;

namespace {

constexpr std::string_view kNoStateShown = "请先计算出一个状态，再查看它的全部物性";
constexpr std::string_view kNoStateToChart = "请先计算出一个状态，再在焓熵图上查看它";

// The six texts of the shown state, "p" to "x" without the "%".
using CaptionTexts = std::array<std::string, 6>;

// The state caption read back line by line; nullopt when the label holds no
// state (empty, "参数超限", or anything else).
std::optional<CaptionTexts> read_caption(std::string_view label) {
    constexpr std::array<std::string_view, 6> kNames{"p=", "t=", "v=", "h=", "s=", "x="};
    CaptionTexts texts;
    std::size_t from = 0;
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const std::size_t end = i + 1 < kNames.size() ? label.find("\r\n", from) : label.size();
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view line = label.substr(from, end - from);
        if (!line.starts_with(kNames[i])) return std::nullopt;
        line.remove_prefix(kNames[i].size());
        if (i + 1 == kNames.size()) {
            if (!line.ends_with('%')) return std::nullopt;
            line.remove_suffix(1);
        }
        if (!ParseStrictNumber(line)) return std::nullopt;
        texts[i] = std::string(line);
        from = end + 2;
    }
    return texts;
}

// A pressure field read exactly, as the steam calculators read theirs.
ExactDecimal exact_pressure(std::string_view text, const char* quantity) {
    std::optional<ExactDecimal> value = ExactDecimal::parse(field_number_text(text, quantity, "MPa"));
    if (!value) throw NotANumber(quantity);
    return *value;
}

// Form16's inputs for the state and the results of its row: (p, t) for water
// or steam, unless Form16 would take the other phase there (a state on the
// saturation line), then (p, h) as for a wet state.
Outcome carried_state(const CaptionTexts& shown, std::optional<std::string> atmospheric, const Fields& target,
                      props::WaterSteam& water) {
    Fields f = target;
    std::string gauge = shown[0];
    if (atmospheric) {
        f.set("Text7", *atmospheric);
    } else {
        // The absolute pressure less Form16's atmospheric pressure, digit for digit.
        const ExactDecimal absolute = exact_pressure(shown[0], "压力");
        gauge = (absolute - exact_pressure(target.text("Text7"), "大气压")).general();
    }
    f.set("Text1", gauge);
    f.set("Text2", shown[1]);
    f.set("Text3", shown[3]);
    f.set("Text4", shown[4]);
    const std::string& x = shown[5];
    const bool water_shown = x == "0";
    const bool steam_shown = x == "100";
    Outcome computed;
    bool by_temperature = false;
    if (water_shown || steam_shown) {
        try {
            computed = form16().find_event("Command1_Click")->handler(f, water);
            for (const auto& [name, text] : computed.texts)
                if (name == "x") by_temperature = text == (steam_shown ? "100.00" : "0.00");
        } catch (const CalculationError&) {
        } catch (const props::PropertyError&) {
            // (p, h) says what fails, if it fails too.
        }
        if (!by_temperature) {
            // A water and steam of its own, so that no warning of the first try stays on it.
            const props::WaterSteamFor fresh(f.formulation());
            computed = form16().find_event("Command2_Click")->handler(f, *fresh);
        }
    } else {
        computed = form16().find_event("Command2_Click")->handler(f, water);
    }
    Outcome outcome = std::move(computed);
    outcome.pressed_as = by_temperature ? "Command1_Click" : "Command2_Click";
    std::vector<std::pair<std::string, std::string>> inputs{
        {"Text1", gauge}, {"Text2", shown[1]}, {"Text3", shown[3]}, {"Text4", shown[4]}};
    if (atmospheric) inputs.emplace_back("Text7", *atmospheric);
    outcome.texts.insert(outcome.texts.begin(), inputs.begin(), inputs.end());
    return outcome;
}

// The shown state as the chart screen reads it from its label "Process" (see
// charts/chart_screen.h): by (p, t) when the temperature puts it in the phase
// shown, else by (p, h), which holds for wet steam and for a state whose
// rounded temperature fell on the other side of the saturation line.
std::string chart_process(const CaptionTexts& shown, double p, props::WaterSteam& water) {
    const double t = *ParseStrictNumber(shown[1]);
    const double h = *ParseStrictNumber(shown[3]);
    const bool water_shown = shown[5] == "0";
    const bool steam_shown = shown[5] == "100";
    bool by_temperature = false;
    if (water_shown || steam_shown) {
        try {
            const bool below = t < water.saturation_line_t(p);
            by_temperature = water_shown == below;
        } catch (const props::PropertyError&) {
        }
    }
    char text[96];
    std::snprintf(text, sizeof text, "状态 p=%.10g %c=%.10g", p, by_temperature ? 't' : 'h', by_temperature ? t : h);
    return text;
}

}  // namespace

EventBinding chart_event(std::string event, bool gauge) {
    const std::vector<std::string> reads =
        gauge ? std::vector<std::string>{"Label3", "Text7"} : std::vector<std::string>{"Label3"};
    return compute(std::move(event), reads, {"Message"}, [gauge](const Fields& f, props::WaterSteam& water) {
        Outcome outcome;
        const auto& texts = f.all();
        const auto label = texts.find("Label3");
        const std::optional<CaptionTexts> shown = label == texts.end() ? std::nullopt : read_caption(label->second);
        if (!shown) {
            outcome.message = std::string(kNoStateToChart);
            return outcome;
        }
        // The gauge screen shows the gauge pressure: its own atmospheric
        // pressure makes it absolute, as its press did.
        double p = *ParseStrictNumber((*shown)[0]);
        if (gauge) p += read_field(form12(), f, "Text7");
        outcome.navigate = ScreenId::Form19;
        outcome.target_texts = {{"Process", chart_process(*shown, p, water)}};
        return outcome;
    });
}

EventBinding all_properties_event(std::string event, bool gauge) {
    return {std::move(event), [gauge](const Fields& f, props::WaterSteam&) {
                Outcome outcome;
                const auto& texts = f.all();
                const auto label = texts.find("Label3");
                std::optional<CaptionTexts> shown = label == texts.end() ? std::nullopt : read_caption(label->second);
                if (!shown) {
                    outcome.message = std::string(kNoStateShown);
                    return outcome;
                }
                std::optional<std::string> atmospheric;
                if (gauge) atmospheric = f.text("Text7");
                outcome.navigate = ScreenId::Form16;
                outcome.target_press = [shown = *shown, atmospheric](const Fields& target, props::WaterSteam& water) {
                    return carried_state(shown, atmospheric, target, water);
                };
                return outcome;
            }};
}

}  // namespace entalix::steamcalc
