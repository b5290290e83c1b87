// The JSON batch protocol over the same calls and screen events as the desktop.
#include "cli/batch.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <string_view>

#include "catalog/catalog.h"
#include "cli/calls.h"
#include "cli/screens_cli.h"
#include "cli/usage.h"
#include "props/formulation.h"
#include "shell/errors.h"
#include "shell/number_chars.h"
#include "shell/reading.h"

namespace entalix::cli {

using nlohmann::json;

namespace {

void append_number(std::string& out, double value);

// Numbers of a call go through the same strict reading as typed arguments.
std::string argument_text(const json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number_float() && std::isfinite(value.get<double>())) {
        std::string text;
        append_number(text, value.get<double>());
        return text;
    }
    if (value.is_number()) return value.dump();
    throw UsageError("参数须是数字或文本：" + quote_input(value.dump()));
}

json answer_call(const json& request, props::Formulation formulation) {
    std::vector<std::string> arguments;
    if (request.contains("args")) {
        if (!request["args"].is_array()) throw UsageError("\"args\" 须是数组");
        for (const json& a : request["args"]) arguments.push_back(argument_text(a));
    }
    const CallResult result = call_function_warned(request["call"].get<std::string>(), arguments, formulation);
    json out;
    if (const double* value = std::get_if<double>(&result.value))
        out = {{"value", *value}};
    else
        out = {{"text", std::get<std::string>(result.value)}};
    if (!result.warning.empty()) out["warning"] = result.warning;
    return out;
}

json answer_screen_event(const std::string& screen, const std::string& event,
                         const std::map<std::string, std::string>& given, props::Formulation formulation) {
    const shell::Outcome outcome = run_screen_event(screen, event, given, formulation);
    if (outcome.failed) return {{"error", outcome.message}};
    json texts = json::object();
    json out;
    for (const auto& [name, text] : outcome.texts) texts[name] = text;
    out["texts"] = texts;
    if (outcome.state) {
        json state = json::object();
        for (const auto& [name, value] : state_columns(*outcome.state)) state[name] = value;
        for (const auto& [name, value] : outcome.state->more) state[name] = value;
        out["state"] = state;
    }
    if (!outcome.visibility.empty()) {
        json shown = json::object();
        for (const auto& [name, visible] : outcome.visibility) shown[name] = visible;
        out["visible"] = shown;
    }
    if (outcome.navigate) {
        // The screen opened next, with what it then shows.
        json shown = json::object();
        for (const auto& [name, text] : outcome.target_texts) shown[name] = text;
        out["shows"] = {{"screen", shell::screen_name(*outcome.navigate)}, {"texts", shown}};
    }
    if (!outcome.message.empty()) out["message"] = outcome.message;
    if (!outcome.warning.empty()) out["warning"] = outcome.warning;
    if (!outcome.formulation.empty()) out["formulation"] = outcome.formulation;
    return out;
}

json answer_screen(const json& request, props::Formulation formulation) {
    std::map<std::string, std::string> given;
    if (request.contains("fields")) {
        if (!request["fields"].is_object()) throw UsageError("\"fields\" 须是对象");
        for (const auto& [name, value] : request["fields"].items()) given[name] = argument_text(value);
    }
    return answer_screen_event(request["screen"].get<std::string>(), request.value("event", std::string()), given,
                               formulation);
}

// The deepest nesting of arrays and objects in a line, counted before parsing
// so that a line of brackets costs no memory; strings are skipped.
int nesting_depth(std::string_view line) {
    int depth = 0, deepest = 0;
    bool in_string = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (in_string) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

// The shortest text that reads back to the same double, as the JSON writer
// writes it (an integral value keeps its ".0").
void append_number(std::string& out, double value) {
    const std::size_t start = out.size();
    shell::append_shortest_text(out, value);
    for (std::size_t i = start; i < out.size(); ++i)
        if (out[i] == '.' || out[i] == 'e') return;
    out += ".0";
}

// The common request {"call": "name", "args": [numbers or plain texts], "id": ...}
// read without building a JSON tree, with the line's own "formulation" if it
// has one: a batch of property calls then costs little more than the calls.
// Anything less plain (escapes, other members, a formulation not known, a
// failure) goes the general way, which gives the same answer.
std::string dump(const json& value);

// The answer with the request's "id" member as it was written, put where the
// writer would put the member "id", keys in order.
std::string with_id(const json& answer, std::string_view id) {
    if (id.empty() || id == "null") return dump(answer);
    std::string out = "{";
    bool id_written = false;
    for (const auto& [key, value] : answer.items()) {
        if (!id_written && key > "id") {
            out.append("\"id\":").append(id).append(",");
            id_written = true;
        }
        out.append(dump(key)).append(":").append(dump(value)).append(",");
    }
    if (!id_written) out.append("\"id\":").append(id).append(",");
    out.back() = '}';
    return out;
}

class PlainCall {
public:
    PlainCall(std::string_view line, props::Formulation formulation) : s_(line), formulation_(formulation) {}

    // The answer added to `out`; false, and `out` as it was, for a line that
    // goes the general way.
    bool answer(std::string& out) {
        if (!parse()) return false;
        if (seen_screen_) {
            try {
                out += with_id(answer_screen_event(screen_, event_, fields_, formulation_), id_);
                return true;
            } catch (...) {
                return false;
            }
        }
        try {
            const CallResult result =
                call_texts(name_, std::span<const std::string_view>(args_.data(), arg_count_), formulation_);
            const double* value = std::get_if<double>(&result.value);
            // A warned result goes the general way, which writes the warning.
            if (value == nullptr || !std::isfinite(*value) || !result.warning.empty()) return false;
            using namespace std::string_view_literals;
            out += '{';
            if (!id_.empty()) out.append("\"id\":"sv).append(id_).append(1, ',');
            out.append("\"value\":"sv);
            append_number(out, *value);
            out += '}';
            return true;
        } catch (...) {
            return false;
        }
    }

private:
    // Every step leaves the reading past the blanks after what it took, so that
    // a test for the next character needs no skipping of its own.
    bool parse() {
        skip_blanks();
        if (!take('{')) return false;
        bool first = true;
        while (!take('}')) {
            if (!first && !take(',')) return false;
            first = false;
            std::string_view key;
            if (!plain_string(key) || !take(':')) return false;
            // A key given twice goes the general way, which refuses it.
            if (key == "call" && !seen_call_) {
                seen_call_ = true;
                std::string_view name;
                if (!plain_string(name) || name.empty()) return false;
                name_ = name;
            } else if (key == "args" && !seen_args_) {
                seen_args_ = true;
                if (!take('[')) return false;
                for (bool first_arg = true; !take(']'); first_arg = false) {
                    if (!first_arg && !take(',')) return false;
                    std::string_view arg;
                    // More arguments than any function takes go the general way, which names the count.
                    if ((!plain_string(arg) && !number(arg)) || arg_count_ == args_.size()) return false;
                    args_[arg_count_++] = arg;
                }
            } else if (key == "screen" && !seen_screen_) {
                seen_screen_ = true;
                std::string_view name;
                if (!plain_string(name)) return false;
                screen_ = name;
            } else if (key == "event" && !seen_event_) {
                seen_event_ = true;
                std::string_view name;
                if (!plain_string(name)) return false;
                event_ = name;
            } else if (key == "fields" && !seen_fields_) {
                // Texts only: a number would be written back as the JSON reader
                // reads it ("1.50" as 1.5), which the general way does.
                seen_fields_ = true;
                if (!take('{')) return false;
                for (bool first_field = true; !take('}'); first_field = false) {
                    std::string_view name, text;
                    if ((!first_field && !take(',')) || !plain_string(name) || !take(':') || !plain_string(text))
                        return false;
                    if (!fields_.emplace(name, text).second) return false;
                }
            } else if (key == "formulation" && !seen_formulation_) {
                // The line's own formulation; one not known goes the general way, which names it.
                seen_formulation_ = true;
                std::string_view named;
                if (!plain_string(named)) return false;
                const std::optional<props::Formulation> f = props::parse_formulation(named);
                if (!f) return false;
                formulation_ = *f;
            } else if (key == "id" && id_.empty()) {
                std::string_view token;
                if (plain_string(token))
                    id_ = std::string_view(token.data() - 1, token.size() + 2);  // with its quotes
                else if (integer(token))
                    id_ = token;
                else
                    return false;
            } else {
                return false;
            }
        }
        // A call or a screen event, not both: with both the general way answers the call.
        return i_ == s_.size() && (name_.empty() ? seen_screen_ : !seen_screen_ && !seen_event_ && !seen_fields_);
    }

    std::size_t skip_blanks() {
        const char* p = s_.data() + i_;
        const char* const end = s_.data() + s_.size();
        while (p != end && (*p == ' ' || *p == '\t' || *p == '\r')) ++p;
        return i_ = static_cast<std::size_t>(p - s_.data());
    }
    static bool is_digit(char c) { return c >= '0' && c <= '9'; }
    bool take(char c) {
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            skip_blanks();
            return true;
        }
        return false;
    }
    // A string of printable ASCII without escapes.
    bool plain_string(std::string_view& out) {
        if (i_ == s_.size() || s_[i_] != '"') return false;
        const char* const first = s_.data() + i_ + 1;
        const char* const end = s_.data() + s_.size();
        const char* p = first;
        while (p != end && kPlain[static_cast<unsigned char>(*p)]) ++p;
        if (p == end || *p != '"') return false;
        out = std::string_view(first, static_cast<std::size_t>(p - first));
        i_ = static_cast<std::size_t>(p + 1 - s_.data());
        skip_blanks();
        return true;
    }
    // The bytes a plain string holds as they are: printable ASCII but the quote and the backslash.
    static constexpr std::array<bool, 256> kPlain = [] {
        std::array<bool, 256> plain{};
        for (int c = 0x20; c < 0x7f; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
        return plain;
    }();
    // A JSON number as written; its text is read as a typed argument is.
    bool number(std::string_view& out) {
        const std::size_t start = i_;
        while (i_ < s_.size() &&
               (is_digit(s_[i_]) || s_[i_] == '-' || s_[i_] == '+' || s_[i_] == '.' || s_[i_] == 'e' || s_[i_] == 'E'))
            ++i_;
        out = s_.substr(start, i_ - start);
        skip_blanks();
        // Only what JSON itself allows: a digit first (after a minus), no leading zero.
        const std::string_view digits = out.substr(!out.empty() && out[0] == '-' ? 1 : 0);
        return !digits.empty() && is_digit(digits[0]) &&
               !(digits.size() > 1 && digits[0] == '0' && is_digit(digits[1]));
    }
    bool integer(std::string_view& out) {
        const std::size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        while (i_ < s_.size() && is_digit(s_[i_])) ++i_;
        out = s_.substr(start, i_ - start);
        skip_blanks();
        const std::string_view digits = out.substr(!out.empty() && out[0] == '-' ? 1 : 0);
        return !digits.empty() && digits.size() <= 15 && !(digits.size() > 1 && digits[0] == '0');
    }

    std::string_view s_;
    props::Formulation formulation_;
    std::size_t i_ = 0;
    std::string_view name_;
    std::array<std::string_view, 6> args_;
    std::size_t arg_count_ = 0;
    std::string_view id_;
    bool seen_call_ = false, seen_args_ = false, seen_formulation_ = false;
    std::string screen_, event_;
    std::map<std::string, std::string> fields_;
    bool seen_screen_ = false, seen_event_ = false, seen_fields_ = false;
};

// Compact JSON as nlohmann writes it, but every floating-point number by
// append_number: nlohmann's own writer gives 17 digits to a few doubles whose
// shortest text has 16 (3488.4698233744148 for 3488.469823374415).
// A text as a JSON string: printable ASCII without quotes or backslashes as
// it is, anything else (escapes, UTF-8, invalid bytes) by nlohmann's writer.
void write_string(std::string& out, std::string_view text) {
    const bool plain =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f && c != '"' && c != '\\'; });
    if (!plain) {
        out += json(text).dump(-1, ' ', false, json::error_handler_t::replace);
        return;
    }
    out += '"';
    out += text;
    out += '"';
}

void write_json(std::string& out, const json& value) {
    switch (value.type()) {
        case json::value_t::object: {
            out += '{';
            bool first = true;
            for (const auto& [key, member] : value.items()) {
                if (!first) out += ',';
                first = false;
                write_string(out, key);
                out += ':';
                write_json(out, member);
            }
            out += '}';
            return;
        }
        case json::value_t::array: {
            out += '[';
            bool first = true;
            for (const json& element : value) {
                if (!first) out += ',';
                first = false;
                write_json(out, element);
            }
            out += ']';
            return;
        }
        case json::value_t::string:
            write_string(out, value.get_ref<const std::string&>());
            return;
        case json::value_t::number_float:
            if (const double number = value.get<double>(); std::isfinite(number)) {
                append_number(out, number);
                return;
            }
            break;
        default:
            break;
    }
    out += value.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string dump(const json& value) {
    std::string out;
    write_json(out, value);
    return out;
}

// Over a line that parsed as JSON: from `at`, the end of the value there.
std::size_t value_end(std::string_view s, std::size_t at) {
    const auto string_end = [&s](std::size_t i) {
        for (++i; i < s.size() && s[i] != '"'; ++i)
            if (s[i] == '\\') ++i;
        return std::min(i + 1, s.size());
    };
    if (at >= s.size()) return at;
    if (s[at] == '"') return string_end(at);
    if (s[at] != '[' && s[at] != '{') return std::min(s.find_first_of(",]} \t\r\n", at), s.size());
    int depth = 0;
    for (std::size_t i = at; i < s.size();) {
        const char c = s[i];
        if (c == '"') {
            i = string_end(i);
            continue;
        }
        ++i;
        if (c == '[' || c == '{') ++depth;
        if ((c == ']' || c == '}') && --depth == 0) return i;
    }
    return s.size();
}

// The text of the request's own "id" member exactly as it was written (a long
// number keeps all its digits), so that a client can match the answer; empty
// when there is none, or more than one.
std::string_view written_id(std::string_view s) {
    const auto blanks = [&s](std::size_t i) { return std::min(s.find_first_not_of(" \t\r\n", i), s.size()); };
    std::size_t i = blanks(0);
    if (i == s.size() || s[i] != '{') return {};
    std::string_view id;
    int ids = 0;
    for (i = blanks(i + 1); i < s.size() && s[i] == '"';) {
        const std::size_t key_end = value_end(s, i);
        const std::string_view key = s.substr(i, key_end - i);
        i = blanks(key_end);
        if (i == s.size() || s[i] != ':') return {};
        const std::size_t start = blanks(i + 1);
        i = value_end(s, start);
        const bool is_id =
            key.find('\\') == std::string_view::npos ? key == "\"id\"" : json::parse(key).get<std::string>() == "id";
        if (is_id) {
            id = s.substr(start, i - start);
            ++ids;
        }
        i = blanks(i);
        if (i == s.size() || s[i] != ',') break;
        i = blanks(i + 1);
    }
    return ids == 1 ? id : std::string_view();
}

// The answer to one request line added to `out`.
void append_answer(std::string& out, std::string_view line, props::Formulation formulation) {
    if (PlainCall(line, formulation).answer(out)) return;
    json answer;
    std::string_view id;
    try {
        if (nesting_depth(line) > kMaxDepth)
            throw UsageError("请求嵌套超过 " + std::to_string(kMaxDepth) + " 层：" + quote_input(line));
        // The parser keeps the last of two equal keys; a request that gives a
        // member twice is refused instead, since either value may be meant.
        std::vector<std::set<std::string>> keys;
        std::string twice;
        const auto note_keys = [&](int, json::parse_event_t event, json& parsed) {
            if (event == json::parse_event_t::object_start) {
                keys.emplace_back();
            } else if (event == json::parse_event_t::object_end && !keys.empty()) {
                keys.pop_back();
            } else if (event == json::parse_event_t::key && !keys.empty()) {
                if (!keys.back().insert(parsed.get<std::string>()).second && twice.empty())
                    twice = parsed.get<std::string>();
            }
            return true;
        };
        const json request = json::parse(line, note_keys);
        if (!request.is_object()) throw UsageError("请求须是JSON对象：" + quote_input(line));
        id = written_id(line);
        if (!twice.empty()) throw UsageError("请求中的成员" + quote_input(twice) + "出现了不止一次");
        // A line's own formulation overrides the one of the whole batch.
        props::Formulation line_formulation = formulation;
        if (const auto it = request.find("formulation"); it != request.end()) {
            if (!it->is_string()) throw UsageError("\"formulation\" 须是文本：IFC-67 或 IAPWS-IF97");
            const std::optional<props::Formulation> named = props::parse_formulation(it->get<std::string>());
            if (!named)
                throw UsageError("不认识的公式：" + quote_input(it->get<std::string>()) +
                                 "（可用 IFC-67 或 IAPWS-IF97）");
            line_formulation = *named;
        }
        if (request.contains("call") && request["call"].is_string())
            answer = answer_call(request, line_formulation);
        else if (request.contains("screen") && request["screen"].is_string())
            answer = answer_screen(request, line_formulation);
        else
            throw UsageError("请求须含 \"call\" 或 \"screen\"：" + quote_input(line));
    } catch (const json::parse_error& e) {
        answer = {{"error", "请求不是合法的JSON（第 " + std::to_string(e.byte) + " 个字节）：" + quote_input(line)}};
    } catch (const json::exception&) {
        answer = {{"error", "请求的成员类型不对：" + quote_input(line)}};
    } catch (const UsageError& e) {
        answer = {{"error", e.what()}};
    } catch (...) {
        answer = {{"error", command_line_words(shell::current_failure_message())}};
    }
    out += with_id(answer, id);
}

}  // namespace

std::string answer_json_line(const std::string& line, props::Formulation formulation) {
    std::string out;
    append_answer(out, line, formulation);
    return out;
}

namespace {

// The lines of the input, read in pieces of what the stream already holds and
// one character at a time when it holds nothing, so that a script talking
// through a pipe is never waited on for more than its line.
class LineReader {
public:
    explicit LineReader(std::streambuf& buffer) : buffer_(buffer), held_(static_cast<std::size_t>(kPiece), '\0') {}

    // The next line without its line feed, at most kMaxLineBytes of it
    // (too_long tells of more); false at the end of the input. A line held
    // whole is seen where it lies, one read in several pieces is gathered in
    // `spill`; either way `line` holds until the next call.
    bool next(std::string_view& line, std::string& spill, bool& too_long) {
        spill.clear();
        too_long = false;
        bool any = false;
        while (true) {
            if (at_ == size_ && !refill()) {
                line = spill;
                return any;
            }
            any = true;
            const char* start = held_.data() + at_;
            const std::size_t left = size_ - at_;
            const void* feed = std::memchr(start, '\n', left);
            const std::size_t piece = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - start) : left;
            if (feed != nullptr && spill.empty() && piece <= kMaxLineBytes) {
                line = std::string_view(start, piece);
                at_ += piece + 1;
                return true;
            }
            const std::size_t kept = std::min(piece, kMaxLineBytes - spill.size());
            spill.append(start, kept);
            too_long = too_long || kept < piece;
            at_ += feed ? piece + 1 : piece;
            if (feed) {
                line = spill;
                return true;
            }
        }
    }

    // Whether a further request is already waiting.
    bool waiting() { return at_ < size_ || buffer_.in_avail() > 0; }

private:
    // What the stream holds already, into the room kept for it (never cleared
    // or grown again), else one character waited for.
    bool refill() {
        at_ = 0;
        size_ = 0;
        const std::streamsize ready = buffer_.in_avail();
        if (ready > 0) {
            size_ = static_cast<std::size_t>(buffer_.sgetn(held_.data(), std::min<std::streamsize>(ready, kPiece)));
            if (size_ > 0) return true;
        }
        const int c = buffer_.sbumpc();
        if (c == std::char_traits<char>::eof()) return false;
        held_[0] = static_cast<char>(c);
        size_ = 1;
        return true;
    }

    static constexpr std::streamsize kPiece = 1 << 16;
    std::streambuf& buffer_;
    std::string held_;
    std::size_t size_ = 0;  // how much of held_ the stream filled
    std::size_t at_ = 0;
};

}  // namespace

BatchEnd run_batch(std::istream& in, std::ostream& out, props::Formulation formulation) {
    std::string_view line;
    std::string spill;
    // The answers gathered and written in pieces, not one stream call each.
    constexpr std::size_t kOutPiece = 1 << 16;
    std::string answers;
    answers.reserve(kOutPiece + 1024);
    const auto write_answers = [&out, &answers] {
        out.write(answers.data(), static_cast<std::streamsize>(answers.size()));
        answers.clear();
    };
    LineReader reader(*in.rdbuf());
    while (true) {
        bool too_long = false;
        try {
            if (!reader.next(line, spill, too_long)) break;
        } catch (const std::ios_base::failure& e) {
            write_answers();
            out.flush();
            throw input_error(e);
        }
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!too_long && line.find_first_not_of(" \t\r") == std::string_view::npos)
            continue;  // blank lines are skipped
        if (too_long)
            answers += dump(json{{"error", "请求超过 1 MiB：" + quote_input(line)}});
        else
            append_answer(answers, line, formulation);
        answers += '\n';
        // Answers go out as soon as no further request is waiting, so that a
        // script talking through a pipe gets each one at once.
        bool waiting = false;
        try {
            waiting = reader.waiting();
        } catch (const std::ios_base::failure&) {
        }
        if (!waiting || answers.size() >= kOutPiece) write_answers();
        if (!waiting) out.flush();
        if (!out) return BatchEnd::OutputLost;
    }
    write_answers();
    out.flush();
    return out ? BatchEnd::Done : BatchEnd::OutputLost;
}

namespace {

json field_json(const shell::ControlDesc& c) {
    const shell::Meaning& m = c.meaning;
    json out{{"name", c.name}, {"role", shell::role_name(m.role)}, {"quantity", m.quantity}, {"unit", m.unit}};
    if (m.pressure != shell::PressureKind::None) out["pressure"] = shell::pressure_name(m.pressure);
    if (!m.format.empty()) out["format"] = m.format;
    if (m.role == shell::Role::Input || m.role == shell::Role::Atmospheric)
        if (std::string allowed = shell::allowed_range(m); !allowed.empty()) out["allowed"] = allowed;
    if (c.kind == shell::ControlKind::TextBox) out["default"] = c.text;
    if (m.role == shell::Role::TickBox) out["default"] = "0";
    return out;
}

// The fields an event reads carry the text they start with, those it writes
// do not; a result the event reads back (the part of a chart shown) is both.
json fields_json(const shell::ScreenDesc& desc, const std::vector<std::string>& names, bool read = false) {
    json out = json::array();
    for (const std::string& name : names)
        if (const shell::ControlDesc* c = desc.find(name); c != nullptr && c->meaning.role != shell::Role::None) {
            json field = field_json(*c);
            if (read && !field.contains("default")) field["default"] = c->text;
            out.push_back(std::move(field));
        }
    return out;
}

}  // namespace

std::string list_json() {
    json out;
    json fns = json::array();
    for (const FunctionInfo& f : functions()) {
        json args = json::array();
        for (const Argument& a : f.arguments) args.push_back({{"name", a.name}, {"unit", a.unit}});
        fns.push_back({{"name", f.name}, {"arguments", args}, {"result", f.result}});
    }
    out["functions"] = fns;
    json screens = json::array();
    for (shell::ScreenId id : shell::all_screens()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        json fields = json::array();
        for (const shell::ControlDesc& c : desc.controls)
            if (c.meaning.role != shell::Role::None && c.meaning.role != shell::Role::Message)
                fields.push_back(field_json(c));
        json events = json::array();
        for (const shell::EventBinding& e : desc.events)
            events.push_back({{"event", e.event},
                              {"kind", shell::event_kind_name(e.kind)},
                              {"reads", e.reads},
                              {"writes", e.writes}});
        screens.push_back(
            {{"screen", shell::screen_name(id)}, {"caption", desc.caption}, {"fields", fields}, {"events", events}});
    }
    out["screens"] = screens;
    json evs = json::array();
    for (const catalog::EventRef& e : catalog::calculation_events()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(e.screen);
        evs.push_back({{"screen", shell::screen_name(e.screen)},
                       {"event", e.binding->event},
                       {"kind", shell::event_kind_name(e.binding->kind)},
                       {"fields", fields_json(desc, e.binding->reads, true)},
                       {"results", fields_json(desc, e.binding->writes)}});
    }
    out["events"] = evs;
    out["formulations"] = {std::string(props::formulation_name(props::Formulation::IFC67)),
                           std::string(props::formulation_name(props::Formulation::IF97))};
    return out.dump(2, ' ', false, json::error_handler_t::replace);
}

}  // namespace entalix::cli
