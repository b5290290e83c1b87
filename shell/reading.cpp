// The reading of typed numbers: what a person may write around a number, and
// what each quantity can physically be.
#include "shell/reading.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "shell/errors.h"
#include "shell/numbers.h"

namespace entalix::shell {
namespace {

// One code point of UTF-8 text, or a single byte that does not start a valid
// sequence (code point -1).
struct CodePoint {
    std::int32_t value = -1;
    std::size_t length = 1;
};

CodePoint decode(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    std::int32_t value = 0;
    std::int32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, lowest = 0x10000;
    } else {
        return {};
    }
    if (at + length > text.size()) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return {};
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {};
    return {value, length};
}

// Blanks a person may type or paste between or around the digits.
bool is_blank(std::int32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 || c == 0x180E ||
           (c >= 0x2000 && c <= 0x200D) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x2060 ||
           c == 0x3000 || c == 0xFEFF;
}

void append_utf8(std::string& out, std::int32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char lower_ascii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool ends_with_unit(std::string_view text, std::string_view unit) {
    if (unit.empty() || unit.size() > text.size()) return false;
    const std::string_view tail = text.substr(text.size() - unit.size());
    for (std::size_t i = 0; i < unit.size(); ++i)
        if (lower_ascii(tail[i]) != lower_ascii(unit[i])) return false;
    return true;
}

// The ways a unit is written on a keyboard beside the way the screens show
// it. Letters match in either case ("mpa", "MPA"); a pure number ("1") has no
// unit to write.
struct UnitSpellings {
    std::string_view unit;
    std::array<std::string_view, 5> others;
};
constexpr std::array<UnitSpellings, 6> kUnitSpellings{{
    {"℃", {"°C"}},
    {"m³/kg", {"m3/kg", "m^3/kg"}},
    {"kJ/(kg·K)", {"kJ/(kg*K)", "kJ/kgK", "kJ/kg*℃", "kJ/(kg·℃)", "kJ/kg·K"}},
    {"kg/m3", {"kg/m³", "kg/m^3"}},
    {"m3/h", {"m³/h", "m^3/h"}},
    {"w", {"W/m2", "W/m²", "W/m^2"}},
}};

// The text less the field's unit at its end, if it ends with one.
std::string_view without_unit(std::string_view text, std::string_view unit) {
    if (unit == "1") return text;
    if (ends_with_unit(text, unit)) return text.substr(0, text.size() - unit.size());
    for (const UnitSpellings& u : kUnitSpellings) {
        if (u.unit != unit) continue;
        for (std::string_view other : u.others)
            if (ends_with_unit(text, other)) return text.substr(0, text.size() - other.size());
    }
    return text;
}

std::string quoted(std::string_view quantity) { return "“" + std::string(quantity) + "”"; }

// "0 mm" and "0" for a pure number.
std::string with_unit(std::string_view number, std::string_view unit) {
    if (unit.empty() || unit == "1") return std::string(number);
    return std::string(number) + " " + std::string(unit);
}

bool inside(const Meaning& m, double value) {
    if (m.role == Role::Atmospheric && value < 0.0) return false;
    if ((value < m.plausible_low && !percent_typed_as_fraction(m, value)) || value > m.plausible_high) return false;
    switch (m.domain) {
        case Domain::Positive:
            return value > 0.0;
        case Domain::WaterTemperature:
            return !(value < 0.0);
        case Domain::Fraction:
            return value > 0.0 && value <= 1.0;
        case Domain::Percent:
            return value > 0.0 && value <= 100.0;
        case Domain::Any:
            break;
    }
    return true;
}

}  // namespace

namespace {

std::string domain_range(const Meaning& m) {
    if (m.role == Role::Atmospheric) return "不小于" + with_unit("0", m.unit);
    if (m.pressure == PressureKind::Gauge) return "加上大气压后大于" + with_unit("0", m.unit);
    switch (m.domain) {
        case Domain::Positive:
            return "大于" + with_unit("0", m.unit);
        case Domain::WaterTemperature:
            return "不低于" + with_unit("0", m.unit) + "（水和水蒸汽）";
        case Domain::Fraction:
            return "大于0且不大于1";
        case Domain::Percent:
            return "大于0且不大于" + with_unit("100", m.unit);
        case Domain::Any:
            break;
    }
    return {};
}

// The domain narrowed to what the plant's quantity can plausibly be:
// "不小于10且不大于1000 w", "大于0且不大于50 kV".
std::string plausible_range(const Meaning& m) {
    const bool low = std::isfinite(m.plausible_low);
    std::string text = low ? "不小于" + FormatGeneralNumber(m.plausible_low) : domain_range(m);
    if (!std::isfinite(m.plausible_high)) return low ? with_unit(text, m.unit) : text;
    if (m.domain == Domain::Positive && !low) text = "大于0";
    return text + (text.empty() ? "不大于" : "且不大于") + with_unit(FormatGeneralNumber(m.plausible_high), m.unit);
}

}  // namespace

std::string allowed_range(const Meaning& m) {
    if (std::isfinite(m.plausible_low) || std::isfinite(m.plausible_high)) return plausible_range(m);
    return domain_range(m);
}

bool percent_typed_as_fraction(const Meaning& m, double value) {
    return m.domain == Domain::Percent && value > 0.0 && value <= 1.0;
}

std::string percent_question(const ScreenDesc& desc, const std::vector<std::string>& reads, const Fields& fields) {
    std::string question;
    for (const std::string& name : reads) {
        const ControlDesc* c = desc.find(name);
        const auto typed = fields.all().find(name);
        if (c == nullptr || c->meaning.domain != Domain::Percent || typed == fields.all().end()) continue;
        const Meaning& m = c->meaning;
        std::string number;
        try {
            number = field_number_text(typed->second, m.quantity, m.unit);
        } catch (const CalculationError&) {
            continue;
        }
        const std::optional<double> value = ParseStrictNumber(number);
        if (!value || !percent_typed_as_fraction(m, *value)) continue;
        if (!question.empty()) question += "；";
        question += m.quantity + "为" + number + " %，是否应为" + FormatGeneralNumber(*value * 100.0) + " %？";
    }
    return question;
}

void check_domain(const Meaning& m, double value, std::string_view text) {
    if (!inside(m, value))
        throw OutOfDomain(quoted(m.quantity) + "须" + allowed_range(m) + "（现为“" + quoted_text(text) + "”）");
}

std::string format_not_negative(double value, std::string_view pattern, std::string_view message) {
    std::string text = FormatWithPattern(value, pattern);
    if (text.front() == '-') throw ImpossibleResult(std::string(message) + "（" + text + "）");
    return text;
}

namespace {

const ControlDesc& control_of(const ScreenDesc& desc, std::string_view control) {
    const ControlDesc* c = desc.find(control);
    if (c == nullptr) throw std::out_of_range("no control " + std::string(control));
    return *c;
}

}  // namespace

std::string fold_typed_text(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const CodePoint c = decode(text, i);
        if (c.value < 0) {
            // A broken byte reads as no number; replaced, so that dropping a
            // blank between broken bytes cannot join them into a character.
            out += "\xEF\xBF\xBD";
        } else if (is_blank(c.value)) {
            // dropped
        } else if (c.value >= 0xFF01 && c.value <= 0xFF5E) {
            out += static_cast<char>(c.value - 0xFF01 + '!');
        } else {
            out.append(text.substr(i, c.length));
        }
        i += c.length;
    }
    return out;
}

std::string clean_pasted_number(std::string_view text) {
    // Tabs, line breaks and the other controls cannot be typed into a one-line
    // field; only a paste or a drop brings them.
    bool pasted = false;
    for (std::size_t i = 0; i < text.size() && !pasted;) {
        const CodePoint c = decode(text, i);
        pasted = c.value >= 0 &&
                 (c.value < 0x20 || c.value == 0x7F || c.value == 0x85 || c.value == 0x2028 || c.value == 0x2029);
        i += c.length;
    }
    if (!pasted) return std::string(text);
    std::string out;
    bool blank_pending = false;
    for (std::size_t i = 0; i < text.size();) {
        const CodePoint c = decode(text, i);
        const bool blank = c.value >= 0 && (is_blank(c.value) || c.value < 0x20 || c.value == 0x7F);
        if (blank) {
            blank_pending = !out.empty();
        } else {
            if (blank_pending) out += ' ';
            blank_pending = false;
            out.append(text.substr(i, c.length));
        }
        i += c.length;
    }
    return out;
}

std::string quoted_text(std::string_view text) {
    constexpr std::size_t kShown = 24;  // characters
    std::string out;
    std::string pending;  // blanks inside the text, kept when more follows
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size();) {
        const CodePoint c = decode(text, i);
        i += c.length;
        if (c.value >= 0 && is_blank(c.value)) {
            if (!out.empty()) pending += ' ';
            continue;
        }
        if (shown == kShown) return out + "…";
        out += pending;
        pending.clear();
        if (c.value < 0x20 || c.value == 0x7F)
            out += "\xEF\xBF\xBD";  // U+FFFD for broken UTF-8 and control characters
        else
            append_utf8(out, c.value);
        ++shown;
    }
    return out;
}

std::string field_number_text(std::string_view text, std::string_view quantity, std::string_view unit) {
    const std::string folded = fold_typed_text(text);
    if (folded.empty()) throw UnreadableField(quoted(quantity) + "为空");
    const std::string_view number = without_unit(folded, unit);
    const NumberPrefix prefix = scan_number_prefix(number);
    if (prefix.length == 0 || prefix.length != number.size()) {
        // A decimal comma, or the full stop of a Chinese input method, typed for the point.
        const bool comma = folded.find(',') != std::string::npos || folded.find("。") != std::string::npos;
        throw UnreadableField(quoted(quantity) + "无法识别：“" + quoted_text(text) + "”" +
                              (comma ? "（小数点请用“.”）" : ""));
    }
    try {
        convert_normalised(prefix.normalised);
    } catch (const NumberTooLarge&) {
        throw NumberTooLarge(quoted(quantity) + "的数值太大：“" + quoted_text(text) + "”");
    }
    return std::string(number);
}

double read_typed_number(std::string_view text, std::string_view quantity, std::string_view unit) {
    const std::string number = field_number_text(text, quantity, unit);
    return convert_normalised(scan_number_prefix(number).normalised);
}

double read_field(const ScreenDesc& desc, std::string_view control, std::string_view text) {
    const Meaning& m = control_of(desc, control).meaning;
    const double value = read_typed_number(text, m.quantity, m.unit);
    check_domain(m, value, text);
    return value;
}

double read_field(const ScreenDesc& desc, const Fields& fields, std::string_view control) {
    return read_field(desc, control, fields.text(control));
}

double read_gauge_pressure(const ScreenDesc& desc, const Fields& fields, std::string_view control, double pa) {
    return read_gauge_pressure(desc, control, fields.text(control), pa);
}

double read_gauge_pressure(const ScreenDesc& desc, std::string_view control, std::string_view text, double pa) {
    const double pg = read_field(desc, control, text);
    const double p = pg + pa;
    if (!(p > 0.0)) {
        const Meaning& m = control_of(desc, control).meaning;
        throw OutOfDomain(quoted(m.quantity) + "加上大气压须大于" + with_unit("0", m.unit) + "（绝对压力现为" +
                          with_unit(FormatWithPattern(p, "0.0000"), m.unit) + "）");
    }
    return pg;
}

}  // namespace entalix::shell
