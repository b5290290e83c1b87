// Reading what a person typed into a field: the one reader of every typed
// number, and the physical domain each field declares.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/screen.h"

namespace entalix::shell {

// The text with blanks of every kind removed wherever they stand (space, tab,
// line breaks, the no-break and ideographic spaces, the other Unicode spaces
// and the invisible zero-width ones), and the full-width forms of ASCII that a
// Chinese input method types ("１０．５", "－", "ｅ", "ＭＰａ") read as ASCII.
std::string fold_typed_text(std::string_view text);

// A field's text as it stands after a paste: a spreadsheet cell arrives with a
// tab or a line break after its number ("80\t", "80\r\n"), which a text box
// shows as nothing or as a blank. When the text holds a tab, a line break or
// another control character, the blanks at its ends are dropped and each run
// inside it becomes one space, so that the field shows what will be read.
// Any other text, as typed, comes back unchanged.
std::string clean_pasted_number(std::string_view text);

// The number a field holds, in the shared number syntax ("-12.5e3"): the text
// folded, the field's unit written after the number dropped ("100mm", "85%",
// "0.5MPa", "150℃"). Throws UnreadableField naming the field and the text
// (“额定电流”为空, “运行电压”无法识别：“10,5”（小数点请用“.”）) and
// NumberTooLarge naming them when the number lies beyond a double.
std::string field_number_text(std::string_view text, std::string_view quantity, std::string_view unit);

// The number a field holds, read whole as field_number_text reads it.
double read_typed_number(std::string_view text, std::string_view quantity, std::string_view unit);

// The text as a message quotes it: blanks at its ends removed, at most a few
// dozen characters, control characters and broken UTF-8 replaced.
std::string quoted_text(std::string_view text);

// The values a field of this meaning may take, in words: "大于0 mm",
// "大于0且不大于1", "不低于0 ℃（水和水蒸汽）"; for a gauge pressure
// "加上大气压后大于0 MPa". Empty for a field that takes any number.
std::string allowed_range(const Meaning& meaning);

// Whether a percentage was typed as the fraction it stands for (an efficiency
// of 0.8 meaning 80 %): above 0 and at most 1 in a field of Domain::Percent.
// Such a value is computed, beneath the field's plausible floor as well, and
// the press asks whether it was meant (percent_question).
bool percent_typed_as_fraction(const Meaning& meaning, double value);

// The question for the percentage fields that a press read as fractions,
// "水泵效率为0.8 %，是否应为80 %？", the value as typed; empty when there is none.
// Fields that cannot be read are passed over: the press has said so already.
std::string percent_question(const ScreenDesc& desc, const std::vector<std::string>& reads, const Fields& fields);

// Throws OutOfDomain naming the field, the allowed range and the text when a
// number read for a field of this meaning lies outside its domain.
void check_domain(const Meaning& meaning, double value, std::string_view text);

// A written flow, power, area or diameter: FormatWithPattern of the value, or
// ImpossibleResult with `message` and the text when it would show a minus sign.
std::string format_not_negative(double value, std::string_view pattern, std::string_view message);

// The number in a control of a screen, read by its meaning and checked against
// its domain: OutOfDomain names the field and the allowed range. An
// atmospheric pressure may not be negative. A gauge pressure is read with
// read_gauge_pressure.
double read_field(const ScreenDesc& desc, std::string_view control, std::string_view text);
double read_field(const ScreenDesc& desc, const Fields& fields, std::string_view control);

// The number (MPa) of a gauge-pressure field, whose sum with the atmospheric
// pressure pa, the absolute pressure, must be above zero.
double read_gauge_pressure(const ScreenDesc& desc, std::string_view control, std::string_view text, double pa);
double read_gauge_pressure(const ScreenDesc& desc, const Fields& fields, std::string_view control, double pa);

}  // namespace entalix::shell
