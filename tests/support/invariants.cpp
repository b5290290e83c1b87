// The promises of every press, checked from the outside.
#include "tests/support/invariants.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>
#include <set>
#include <stdexcept>

#include "catalog/catalog.h"
#include "equipment/pipe_screen.h"
#include "ifc67/steam.h"
#include "ifc67/units.h"
#include "props/formulation.h"
#include "props/validity.h"
#include "props/water_steam.h"
#include "shell/numbers.h"
#include "shell/property_table.h"
#include "shell/reading.h"
#include "steamcalc/exact_decimal.h"

namespace entalix::testing {

using shell::ScreenId;

namespace {

bool has_decimals(const std::string& text, int decimals) {
    if (!shell::ParseStrictNumber(text)) return false;
    const std::size_t point = text.find('.');
    return point != std::string::npos && static_cast<int>(text.size() - point - 1) == decimals &&
           text.find_first_of("eE") == std::string::npos && text.find(' ') == std::string::npos;
}

// An absolute pressure keeps its meaning: six decimals from 0.001 MPa up,
// four significant digits below.
bool shows_pressure(const std::string& text) {
    const std::optional<double> p = shell::ParseStrictNumber(text);
    if (!p || !(std::fabs(*p) < 0.001) || has_decimals(text, 6)) return p && has_decimals(text, 6);
    const std::size_t first = text.find_first_of("123456789");
    return first != std::string::npos && text.find_first_of("eE ") == std::string::npos && text.size() - first == 4;
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
                        : i == 0 ? (gauge ? shell::ParseStrictNumber(value).has_value() : shows_pressure(value))
                        : i >= 3 ? (has_decimals(value, 6) || has_decimals(value, 4))
                                 : has_decimals(value, 6);
        if (!ok) return "a caption line badly written: " + lines[i];
    }
    return {};
}

// The numbers a state press carries are those of its shown lines, and
// "参数超限" carries none. For a caption broken_caption has passed.
std::string broken_numbers(const std::string& caption, const std::optional<shell::StateValues>& state) {
    if (caption == "参数超限") return state ? "\"参数超限\" carries a state's numbers" : "";
    if (!state) return "a state shown without its numbers";
    const shell::ShownNumber* const numbers[] = {&state->p, &state->t, &state->v, &state->h, &state->s, &state->x};
    std::size_t start = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        const std::size_t end = i < 5 ? caption.find("\r\n", start) : caption.size() - 1;  // x ends in "%"
        const std::string text = caption.substr(start + 2, end - start - 2);
        if (text != numbers[i]->text || shell::ParseStrictNumber(text) != numbers[i]->value)
            return "the state's numbers are not its shown line " + caption.substr(start, end - start);
        start = end + 2;
    }
    return {};
}

// Results that no plant can have below zero: flows, powers, areas, diameters.
bool never_negative(const shell::Meaning& m) {
    // A line's heat loss turns negative where the air is warmer than the medium.
    if (m.quantity.find("散热") != std::string::npos) return false;
    return m.unit == "t/h" || m.unit == "kW" || m.unit == "万平方米" || m.unit == "mm";
}

// The state at a line's far end: on the saturation line, wet with its
// dryness in percent, superheated with its superheat, or subcooled water.
bool outlet_state_text(const std::string& text) {
    const auto number_between = [&text](std::string_view head, std::string_view tail) {
        if (text.rfind(head, 0) != 0 || text.size() < head.size() + tail.size() ||
            text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
            return false;
        const std::string number = text.substr(head.size(), text.size() - head.size() - tail.size());
        return has_decimals(number, 2) && shell::ParseStrictNumber(number).has_value();
    };
    return text == "饱和水" || text == "饱和蒸汽" || text == "过冷水（未饱和水）" ||
           number_between("湿蒸汽，干度", " %") || number_between("过热蒸汽，过热度", " ℃");
}

// Specific entropy of a pipe stream (kJ/(kg K)) that the screen calls steam or
// water: water below the saturation temperature at (pa + pg) + 0.000001 MPa,
// steam from it on; within half a kelvin of a line below the critical point,
// saturated steam or water as the screen calls it.
double stream_s(props::WaterSteam& sp, double pg, double t, double pa, bool steam) {
    const double p = (pa + pg) + 0.000001;
    const double ts = sp.saturation_line_t(p);
    const double critical = sp.formulation() == props::Formulation::IF97 ? 373.946 : 374.15;
    if (p >= 611.212677e-6 && ts < critical && std::fabs(t - ts) < 0.5)
        return props::selected_number(sp.pswA_sat_p(steam ? "s2" : "s1", p));
    return props::selected_number(t < ts ? sp.pswA_ptwtr("s", p, t) : sp.pswA_ptstm("s", p, t));
}

// Saturated water taken 0.01 degC below the saturation temperature at p.
double saturated_water_s(props::WaterSteam& sp, double p, double t_saturation) {
    return props::selected_number(sp.pswA_ptwtr("s", p, t_saturation - 0.01));
}

// The entropy production of a written heater balance, from the typed states
// and the written flows, checked against the rounding of those flows.
std::string broken_second_law(ScreenId screen, const shell::Fields& f, const shell::Outcome& outcome) {
    const shell::ScreenDesc& desc = catalog::screen_desc(screen);
    const auto typed = [&](const char* name) { return shell::read_field(desc, f, name); };
    const auto written = [&](const char* name) -> double {
        for (const auto& [control, text] : outcome.texts)
            if (control == name) return shell::ParseStrictNumber(text).value();
        return 0.0;
    };
    const auto sp_owned = props::make_water_steam(f.formulation());
    props::WaterSteam& sp = *sp_owned;
    std::vector<std::pair<double, double>> in;   // flow, s
    std::vector<std::pair<double, double>> out;  // flow, s
    if (screen == ScreenId::Form5) {
        const double pa = typed("Text7");
        const double ph = (pa + typed("Text6")) + 0.000001;
        in = {{written("jqll"), stream_s(sp, typed("Text2"), typed("Text1"), pa, true)},
              {typed("Text5"), stream_s(sp, typed("Text4"), typed("Text3"), pa, false)}};
        out = {{written("csll"), saturated_water_s(sp, ph, sp.saturation_line_t(ph))}};
    } else if (screen == ScreenId::Form6) {
        const double pa = typed("Text9");
        const double td = typed("Text8");
        const double D = written("jqll");
        const double G = typed("Text7");
        in = {{D, stream_s(sp, typed("Text2"), typed("Text1"), pa, true)},
              {G, stream_s(sp, typed("Text3"), typed("Text4"), pa, false)}};
        out = {{D, saturated_water_s(sp, sp.saturation_line_p(td), td)},
               {G, stream_s(sp, typed("Text5"), typed("Text6"), pa, false)}};
    } else if (screen == ScreenId::Form7) {
        const double pa = typed("Text9");
        in = {{written("jqll"), stream_s(sp, typed("Text2"), typed("Text1"), pa, true)},
              {written("jwsll"), stream_s(sp, typed("Text4"), typed("Text3"), pa, false)}};
        out = {{typed("Text7"), stream_s(sp, typed("Text6"), typed("Text5"), pa, true)}};
    } else {
        return {};
    }
    double production = 0.0;
    double carried = 0.0;
    double rounding = 0.0;  // each written flow is within 0.00005 t/h of the computed one
    for (const auto& [flow, s_] : out)
        production += flow * s_, carried += std::fabs(flow * s_), rounding += std::fabs(s_);
    for (const auto& [flow, s_] : in)
        production -= flow * s_, carried += std::fabs(flow * s_), rounding += std::fabs(s_);
    if (production < -(1e-5 * carried + 0.00005 * rounding))
        return "a heat balance with negative entropy production: " + std::to_string(production);
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
        "22.064",
        "373.946",
        "16.5292",
        "50.001",
        "2000",
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
        "\u00a0",
        "\u3000",
        "1\u00a0200",
        "１０．５",
        "－５",
        "10,5",
        "100mm",
        "85%",
        "0.5ｍｐａ",
        "错误",
    };
    return texts;
}

std::string broken_promise(ScreenId screen, const std::string& event, const shell::Fields& fields,
                           const shell::Outcome& outcome) {
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
        if (never_negative(desc.find(control)->meaning) && text.rfind('-', 0) == 0)
            return "a negative " + desc.find(control)->meaning.quantity + " was written: " + text;
        const std::string& format = desc.find(control)->meaning.format;
        const int decimals = format.rfind("0.", 0) == 0 ? static_cast<int>(format.size()) - 2 : -1;
        const bool pressure = desc.find(control)->meaning.unit == "MPa" && decimals == 6;
        if (decimals > 0 && text != "错误" && text != shell::kNoValue &&
            !(pressure ? shows_pressure(text) : has_decimals(text, decimals)))
            return control + " written without " + std::to_string(decimals) + " decimals: " + text;
        if (format == "state") {
            if (std::string broken = broken_caption(gauge_state, text); !broken.empty()) return broken;
            if (std::string broken = broken_numbers(text, outcome.state); !broken.empty()) return broken;
            if (std::string broken = broken_state(screen, fields, text, outcome.warning); !broken.empty())
                return broken;
        }
        if (format == "text" && screen == ScreenId::Form18) {
            if (!outlet_state_text(text)) return "an unknown outlet state: " + text;
        } else if (format == "text" && text != "其输入介质压力" && text != "其输入介质温度" &&
                   text != equipment::kWaterVelocities && text != equipment::kSteamVelocities)
            return "an unknown hint: " + text;
    }
    for (const auto& [control, shown] : outcome.visibility)
        if (std::find(binding->writes.begin(), binding->writes.end(), control) == binding->writes.end())
            return "a press showed or hid a control it does not declare: " + control;
    if (!written.empty() && written != results) return "a press wrote only part of its results";
    // A result computed with water and steam properties names their formulation;
    // the steam calculators, the saturation screen and the property screens
    // always use them.
    const bool steam_screen = screen == ScreenId::Form8 || screen == ScreenId::Form11 || screen == ScreenId::Form12 ||
                              screen == ScreenId::Form16 || screen == ScreenId::Form17 || screen == ScreenId::Form18 ||
                              screen == ScreenId::Form20;
    if (!written.empty() && binding->kind == shell::EventKind::Compute &&
        (!outcome.formulation.empty() || steam_screen) &&
        outcome.formulation != props::formulation_name(fields.formulation()))
        return "a result that does not name the formulation it used: \"" + outcome.formulation + '"';
    if (screen == ScreenId::Form8 && !written.empty() && outcome.texts[0].second == "错误" && outcome.message.empty())
        return "an error text without its reason";
    if (!outcome.texts.empty() && event == "Command2_Click") {
        try {
            if (std::string broken = broken_second_law(screen, fields, outcome); !broken.empty()) return broken;
        } catch (const std::out_of_range&) {
            // without the typed states there is no balance to check
        }
    }
    return {};
}

namespace {

// The six values of a caption; nullopt for "参数超限".
std::optional<std::array<double, 6>> state_values(const std::string& caption) {
    if (caption == "参数超限") return std::nullopt;
    std::array<double, 6> values{};
    std::size_t start = 0;
    for (int i = 0; i < 6; ++i) {
        const std::size_t end = i < 5 ? caption.find("\r\n", start) : caption.size() - 1;  // x ends in "%"
        values[i] = shell::ParseStrictNumber(caption.substr(start + 2, end - start - 2)).value_or(NAN);
        start = end + 2;
    }
    return values;
}

// A typed text as a press reads it (full-width digits, a unit after the number).
std::optional<double> typed_number(ScreenId screen, const shell::Fields& fields, const std::string& field) {
    const shell::ControlDesc* c = catalog::screen_desc(screen).find(field);
    try {
        return shell::read_typed_number(fields.text(field), "", c != nullptr ? c->meaning.unit : "");
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// Half a unit in the last shown decimal of line i of a caption.
double half_unit(const std::string& caption, int line) {
    std::size_t start = 0;
    for (int i = 0; i < line; ++i) start = caption.find("\r\n", start) + 2;
    const std::size_t end = std::min(caption.find("\r\n", start), caption.size());
    const std::string text = caption.substr(start, end - start);
    const std::size_t point = text.find('.');
    const std::size_t digits = point == std::string::npos ? 0 : text.find_first_not_of("0123456789", point + 1);
    const int decimals = point == std::string::npos
                             ? 0
                             : static_cast<int>((digits == std::string::npos ? text.size() : digits) - point - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

// The span a quantity takes over the corners of the rounding box of the shown
// inputs, widened by half a unit of the quantity's own last digit.
struct Span {
    double lo = INFINITY, hi = -INFINITY;
    void add(double y) {
        if (std::isfinite(y)) lo = std::min(lo, y), hi = std::max(hi, y);
    }
    bool holds(double y, double unit) const {
        const double room = unit * (1.0 + 1e-9) + 1e-12 * std::fabs(y);
        return lo <= hi && y >= lo - room && y <= hi + room;
    }
};

// Whether v, h and s (and, for a wet state, the other end of the saturation
// line) of a shown state come back from its inputs: one phase from p and t;
// wet from t or p with the dryness x (percent, +-dx). p absolute.
bool recomputes(props::WaterSteam& w, const std::array<double, 6>& shown, const std::array<double, 6>& unit, bool wet,
                bool from_p, double dx) {
    const auto [p, t, v, h, s, x] = shown;
    Span sv, sh, ss, line;
    const auto add = [&](double pp, double tt, double xf, bool water) {
        try {
            if (wet) {
                const double vw = w.pswv_ptwtr(pp, tt), vs = w.pswv_ptstm(pp, tt);
                const double hw = w.pswh_ptwtr(pp, tt), hs = w.pswh_ptstm(pp, tt);
                const double s_w = props::selected_number(w.pswA_ptwtr("s", pp, tt));
                const double s_s = props::selected_number(w.pswA_ptstm("s", pp, tt));
                sv.add(vw + xf * (vs - vw)), sh.add(hw + xf * (hs - hw)), ss.add(s_w + xf * (s_s - s_w));
                line.add(from_p ? tt : pp);
            } else {
                sv.add(water ? w.pswv_ptwtr(pp, tt) : w.pswv_ptstm(pp, tt));
                sh.add(water ? w.pswh_ptwtr(pp, tt) : w.pswh_ptstm(pp, tt));
                ss.add(props::selected_number(water ? w.pswA_ptwtr("s", pp, tt) : w.pswA_ptstm("s", pp, tt)));
            }
        } catch (const std::exception&) {
        }
    };
    for (const int i : {-1, 0, 1})
        for (const int j : {-1, 0, 1}) try {
                if (!wet) {
                    add(p + i * unit[0], t + j * unit[1], 0.0, x <= 0.0);
                } else if (from_p) {
                    const double pp = p + i * unit[0];
                    if (pp > 0.0) add(pp, w.saturation_line_t(pp), std::clamp(x + j * dx, 0.0, 100.0) / 100.0, true);
                } else {
                    const double tt = t + i * unit[1];
                    add(w.saturation_line_p(tt), tt, std::clamp(x + j * dx, 0.0, 100.0) / 100.0, true);
                }
            } catch (const std::exception&) {
                // no saturation line there
            }
    // A state of one phase the equations cannot recompute is left to the other checks.
    if (!wet && (sv.lo > sv.hi || sh.lo > sh.hi || ss.lo > ss.hi)) return true;
    return sv.holds(v, unit[2]) && sh.holds(h, unit[3]) && ss.holds(s, unit[4]) &&
           (!wet || line.holds(from_p ? t : p, unit[from_p ? 1 : 0]));
}

// Every shown state agrees with itself. The tolerance: recomputed at every
// corner of the box its shown inputs stand for (each plus or minus half a unit
// of its last digit; the dryness 0.005 %, but exact where it is the typed one:
// a typed 0 % is saturated water, and at 0.1 % the steam holds most of the
// volume of a low-pressure state), a shown value lies between the least
// and the greatest result, widened by half a unit of its own last digit. That
// is the change the rounding of the inputs can cause, with no further room. A
// state of x 0 or 100 % from other pairs may be one phase or a wet state whose
// dryness rounds there, and a wet state is recomputed from either end of the
// saturation line.
std::string broken_consistency(props::Formulation formulation, const std::array<double, 6>& shown,
                               const std::array<double, 6>& unit, bool wet_pair, bool x_exact) {
    const auto owned = props::make_water_steam(formulation);
    props::WaterSteam& w = *owned;
    w.set_checking(false);
    // At the critical point the volume changes without bound with p and t: no
    // rounding box of the shown inputs bounds it.
    const bool if97 = formulation == props::Formulation::IF97;
    if (std::fabs(shown[0] - (if97 ? 22.064 : 22.12)) < 0.2 && std::fabs(shown[1] - (if97 ? 373.946 : 374.15)) < 0.1)
        return {};
    const double x = shown[5];
    const bool at_end = x <= 0.0 || x >= 100.0;
    if (!wet_pair && at_end && recomputes(w, shown, unit, false, false, 0.0)) return {};
    const double dx = x_exact ? 0.0 : 0.005;
    if (recomputes(w, shown, unit, true, false, dx) || recomputes(w, shown, unit, true, true, dx)) return {};
    return "a state that does not agree with itself";
}

// The bound a warning states for IFC-67's equations beyond their range: at
// most 10 kJ/kg in enthalpy and 1 % in volume, or the state is refused.
std::string broken_warning_bound(const std::string& warning) {
    for (std::size_t at = 0; (at = warning.find("焓可能偏差约", at)) != std::string::npos; ++at) {
        const std::size_t h_at = at + std::string("焓可能偏差约").size();
        const double dh = std::strtod(warning.c_str() + h_at, nullptr);
        const std::size_t v_at = warning.find("比容约", h_at);
        const double dv = v_at == std::string::npos ? 1e9 : std::strtod(warning.c_str() + v_at + 9, nullptr);
        if (!(dh <= 10.0 && dv <= 1.0)) return "a warning whose bound passes 10 kJ/kg or 1 %: " + warning;
    }
    return {};
}

}  // namespace

std::string broken_state(ScreenId screen, const shell::Fields& fields, const std::string& caption,
                         const std::string& warning) {
    const std::optional<std::array<double, 6>> shown = state_values(caption);
    if (!shown) return {};
    const auto [p, t, v, h, s, x] = *shown;
    if (!(v > 0.0)) return "a state with a volume not above zero: " + caption;
    if (!(x >= 0.0 && x <= 100.0)) return "a state with a dryness outside 0 to 100 %: " + caption;
    if (!(t >= 0.0)) return "a state below 0 degC: " + caption;
    const bool gauge = screen == ScreenId::Form12;
    double pa = 0.0;
    if (gauge) pa = typed_number(screen, fields, "Text7").value_or(0.0);
    if (std::string broken = broken_warning_bound(warning); !broken.empty()) return broken;
    // A gauge pressure written with an exponent (an atmospheric pressure no
    // plant has) no longer holds the digits of the absolute pressure: such a
    // state cannot be recomputed from what is shown.
    const std::string p_line = caption.substr(2, caption.find("\r\n") - 2);
    if (!gauge || p_line.find_first_of("eE") == std::string::npos) {
        // The gauge screen adds the two pressures digit for digit; so does this.
        double p_abs = p + pa;
        if (gauge) {
            const auto shown_p = steamcalc::ExactDecimal::parse(p_line);
            std::optional<steamcalc::ExactDecimal> typed_pa;
            try {
                typed_pa = steamcalc::ExactDecimal::parse(shell::field_number_text(fields.text("Text7"), "", "MPa"));
            } catch (const std::exception&) {
            }
            if (shown_p && typed_pa) p_abs = (*shown_p + *typed_pa).to_double();
        }
        const std::array<double, 6> absolute{p_abs, t, v, h, s, x};
        std::array<double, 6> unit{};
        for (int i = 0; i < 5; ++i) unit[static_cast<std::size_t>(i)] = half_unit(caption, i);
        if (gauge) unit[0] = 0.5e-6;  // the absolute pressure is rounded to six decimals
        const bool wet_pair = fields.all().count("Check6") != 0 && fields.ticked("Check6");
        const std::optional<double> typed_x = wet_pair ? typed_number(screen, fields, "Text6") : std::nullopt;
        const bool x_exact = typed_x && std::fabs(*typed_x - x) <= 1e-9;
        if (std::string broken = broken_consistency(fields.formulation(), absolute, unit, wet_pair, x_exact);
            !broken.empty())
            return broken + ": " + caption;
    }
    // Beyond the validity of IFC-67: compressed water above 350 degC, steam
    // beyond the boundary line towards the critical region, wet steam above
    // 350 degC. (IAPWS-IF97 covers that band with its region 3.)
    if (fields.formulation() == props::Formulation::IFC67) {
        const double p_at = (p + pa) / props::kMPaPerAt;
        const bool water_beyond = x < 100.0 && t > props::kWaterEquationLimit + 1e-3;
        const bool steam_beyond =
            x > 0.0 && t > props::kWaterEquationLimit + 1e-3 && p_at > props::ifc_boundary_p(t) * (1.0 + 1e-5);
        if ((water_beyond || steam_beyond) && warning.empty())
            return "an extrapolated state without its warning: " + caption;
    }
    // The two typed values of a ticked pair come back. (Only the screen's
    // tick rule keeps a third row from being ticked; with more, one of the
    // pairs they make must be the one shown.)
    const double values[] = {p, t, h, s, v, x};
    const int lines[] = {0, 1, 3, 4, 2, 5};
    bool ticked[6] = {};
    bool given_back[6] = {};
    for (int row = 0; row < 6; ++row) {
        const std::string tick = "Check" + std::to_string(row + 1);
        ticked[row] = fields.all().count(tick) != 0 && fields.ticked(tick);
        if (!ticked[row]) continue;
        const std::optional<double> typed = typed_number(screen, fields, "Text" + std::to_string(row + 1));
        if (!typed) continue;
        const double unit = half_unit(caption, lines[row]);
        const double allowed = row <= 1   ? 0.5e-6 * (1.0 + 1e-9) + 1e-9 * std::fabs(*typed)
                               : row == 5 ? 0.006
                                          : std::max(1e-3 * std::fabs(*typed), unit * (1.0 + 1e-9));
        given_back[row] = std::fabs(values[row] - *typed) <= allowed;
    }
    bool any_pair = false;
    for (int first = 0; first < 2; ++first)
        for (int second = first + 1; second < 6; ++second) {
            if (!ticked[first] || !ticked[second]) continue;
            any_pair = true;
            if (given_back[first] && given_back[second]) return {};
        }
    if (any_pair) return "a state that does not give back its typed pair: " + caption;
    return {};
}

}  // namespace entalix::testing
