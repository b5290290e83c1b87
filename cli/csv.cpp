// CSV in and out for spreadsheets, over the same calls and screen events.
#include "cli/csv.h"

#include <algorithm>
#include <deque>
#include <istream>
#include <iterator>
#include <map>
#include <ostream>
#include <string_view>

#include "catalog/catalog.h"
#include "cli/calls.h"
#include "cli/screens_cli.h"
#include "cli/usage.h"
#include "shell/errors.h"
#include "shell/number_chars.h"

namespace entalix::cli {

namespace {

constexpr std::size_t kMaxRecordBytes = 1 << 20;
constexpr const char* kFailureColumn = "失败原因";  // or the warning of an extrapolated result

std::string shortest(double value) { return shell::shortest_text(value); }

// One line of the input without its line feed; of a longer line the first
// kMaxRecordBytes are kept and the rest is skipped.
struct Line {
    std::string text;
    bool too_long = false;
};

// Whether a quoted cell is still open at the end of `text`, which starts inside
// one when `quoted`. A quote opens a quoted cell only as the cell's first
// character, as spreadsheets read it; elsewhere (3" for inches) it is a quote.
// `loose` tells of a closing quote followed by more than a comma or the end.
bool open_at_end(std::string_view text, bool quoted, bool& loose) {
    bool cell_start = !quoted;
    loose = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
                ++i;
            } else {
                quoted = false;
                if (i + 1 < text.size() && text[i + 1] != ',' && text[i + 1] != '\r') loose = true;
            }
        } else if (!quoted && c == '"' && cell_start) {
            quoted = true;
        }
        cell_start = !quoted && c == ',';
    }
    return quoted;
}

// Reads the table record by record. A record is a line, or several where a
// quoted cell holds line breaks (as a spreadsheet writes them). A quote still
// open at the end of the input or after 1 MiB, or closed with text after it on
// a later line, is a mistake in its own line: that line is a malformed record
// and the lines after it are read again as records of their own, so one stray
// quote costs one row, not the rest of the table.
class RecordReader {
public:
    explicit RecordReader(std::istream& in) : buffer_(in.rdbuf()) {}

    enum class Kind { Row, TooLong, Unterminated };

    // False at the end of the input; throws InputError when it cannot be read.
    bool next(std::string& record, Kind& kind) {
        Line first;
        if (!next_line(first)) return false;
        kind = first.too_long ? Kind::TooLong : Kind::Row;
        record = std::move(first.text);
        bool loose = false;
        if (!first.too_long && open_at_end(record, false, loose)) {
            std::vector<Line> taken;
            std::size_t size = record.size();
            bool open = true;
            for (Line line; open && next_line(line);) {
                size += 1 + line.text.size();
                if (line.too_long || size > kMaxRecordBytes) {
                    taken.push_back(std::move(line));
                    break;
                }
                open = open_at_end(line.text, true, loose);
                taken.push_back(std::move(line));
                // A cell that a spreadsheet wrote closes cleanly; text after
                // the closing quote means the quote was opened by mistake.
                if (loose) break;
            }
            if (open || loose) {
                kind = Kind::Unterminated;
                pending_.insert(pending_.begin(), std::make_move_iterator(taken.begin()),
                                std::make_move_iterator(taken.end()));
            } else {
                for (const Line& line : taken) record.append("\n").append(line.text);
            }
        }
        if (!record.empty() && record.back() == '\r') record.pop_back();
        return true;
    }

private:
    bool next_line(Line& line) {
        if (!pending_.empty()) {
            line = std::move(pending_.front());
            pending_.pop_front();
            return true;
        }
        line.text.clear();
        line.too_long = false;
        bool any = false;
        try {
            for (int c; (c = buffer_->sbumpc()) != std::char_traits<char>::eof();) {
                any = true;
                if (c == '\n') break;
                if (line.text.size() < kMaxRecordBytes)
                    line.text.push_back(static_cast<char>(c));
                else
                    line.too_long = true;
            }
        } catch (const std::ios_base::failure& e) {
            throw input_error(e);
        }
        return any;
    }

    std::streambuf* buffer_;
    std::deque<Line> pending_;  // lines read past an unclosed quote, at most 2 MiB
};

struct Target {
    const FunctionInfo* function = nullptr;
    std::string screen, event;
    std::vector<std::string> result_columns;  // header texts of the appended columns
    std::vector<std::string> result_fields;   // the screen's fields written
};

Target find_target(const std::vector<std::string>& target) {
    Target t;
    if (target.size() == 1) {
        t.function = find_function(target[0]);
        if (t.function == nullptr) throw UsageError("没有这个函数：" + quote_input(target[0]));
        t.result_columns = {t.function->name};
        return t;
    }
    if (target.size() != 2) throw UsageError("--csv 后给出一个函数名，或画面和事件");
    const auto id = shell::screen_from_name(target[0]);
    if (!id) throw UsageError("没有这个画面：" + quote_input(target[0]));
    const shell::ScreenDesc& desc = catalog::screen_desc(*id);
    const shell::EventBinding* e = desc.find_event(target[1]);
    if (e == nullptr) throw UsageError(target[0] + " 没有这个事件：" + quote_input(target[1]));
    t.screen = target[0];
    t.event = target[1];
    for (const std::string& name : e->writes) {
        const shell::ControlDesc* c = desc.find(name);
        if (c == nullptr || c->meaning.format.empty()) continue;
        t.result_fields.push_back(name);
        if (c->meaning.format == "state") {
            for (const char* column : {"p", "t", "v", "h", "s", "x(%)"}) t.result_columns.emplace_back(column);
        } else {
            t.result_columns.push_back(c->meaning.quantity + "(" + c->meaning.unit + ")");
        }
    }
    return t;
}

// The result cells of one row, or the reason it failed.
std::vector<std::string> compute_row(const Target& t, const std::vector<std::string>& header,
                                     const std::vector<std::string>& cells, std::string& failure, std::string& warning,
                                     props::Formulation formulation) {
    std::map<std::string, std::string> given;
    for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i) given[header[i]] = cells[i];
    std::vector<std::string> out;
    try {
        if (t.function != nullptr) {
            std::vector<std::string> arguments;
            for (const Argument& a : t.function->arguments) arguments.push_back(given[a.name]);
            const props::Selected value = call_function(t.function->name, arguments, formulation);
            out.push_back(std::holds_alternative<double>(value) ? shortest(std::get<double>(value))
                                                                : std::get<std::string>(value));
            return out;
        }
        const shell::ScreenDesc& desc = catalog::screen_desc(*shell::screen_from_name(t.screen));
        std::map<std::string, std::string> fields;
        for (const auto& [name, text] : given)
            if (desc.find(name) != nullptr) fields[name] = text;
        const shell::Outcome outcome = run_screen_event(t.screen, t.event, fields, formulation);
        if (outcome.failed) {
            failure = outcome.message;
            return out;
        }
        for (const std::string& name : t.result_fields) {
            std::string text;
            for (const auto& [written, value] : outcome.texts)
                if (written == name) text = value;
            const shell::ControlDesc* c = desc.find(name);
            if (c->meaning.format == "state") {
                if (outcome.state)
                    for (const auto& column : state_columns(*outcome.state)) out.push_back(shortest(column.second));
                else
                    out.insert(out.end(), 6, "");
            } else {
                out.push_back(text);
            }
        }
        if (outcome_failed(outcome)) failure = outcome.message.empty() ? "错误" : outcome.message;
        if (!outcome.warning.empty() && failure.empty()) warning = outcome.warning;
    } catch (const UsageError&) {
        throw;
    } catch (...) {
        failure = command_line_words(shell::current_failure_message());
        out.clear();
    }
    return out;
}

}  // namespace

std::vector<std::string> csv_cells(const std::string& record) {
    std::vector<std::string> cells(1);
    bool quoted_cell = false;
    bool cell_start = true;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const char c = record[i];
        if (quoted_cell) {
            if (c == '"' && i + 1 < record.size() && record[i + 1] == '"') {
                cells.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted_cell = false;
            } else {
                cells.back() += c;
            }
        } else if (c == '"' && cell_start) {
            quoted_cell = true;
        } else if (c == ',') {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
        cell_start = !quoted_cell && c == ',';
    }
    return cells;
}

std::string csv_record(const std::vector<std::string>& cells) {
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += ',';
        const std::string& cell = cells[i];
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
            out += cell;
            continue;
        }
        out += '"';
        for (char c : cell) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

int run_csv(const std::vector<std::string>& target, bool bom, std::istream& in, std::ostream& out,
            props::Formulation formulation) {
    const Target t = find_target(target);
    RecordReader reader(in);
    std::string record;
    RecordReader::Kind kind{};
    if (!reader.next(record, kind)) throw UsageError("CSV 没有表头");
    if (kind == RecordReader::Kind::TooLong) throw UsageError("CSV 的表头超过 1 MiB");
    if (kind == RecordReader::Kind::Unterminated) throw UsageError("CSV 表头的引号没有闭合：" + quote_input(record));
    if (record.rfind("\xEF\xBB\xBF", 0) == 0) record.erase(0, 3);  // a spreadsheet's byte-order mark
    const std::vector<std::string> header = csv_cells(record);
    if (t.function != nullptr)
        for (const Argument& a : t.function->arguments)
            if (std::find(header.begin(), header.end(), a.name) == header.end())
                throw UsageError("CSV 表头缺少参数 " + a.name);
    if (bom) out << "\xEF\xBB\xBF";
    std::vector<std::string> head = header;
    head.insert(head.end(), t.result_columns.begin(), t.result_columns.end());
    head.emplace_back(kFailureColumn);
    out << csv_record(head) << "\r\n";
    int status = 0;
    while (reader.next(record, kind)) {
        if (record.empty() && kind == RecordReader::Kind::Row) continue;
        std::string failure, warning;
        std::vector<std::string> cells, results;
        if (kind == RecordReader::Kind::TooLong) {
            // Its cells are not all here: none is echoed, the reason quotes its start.
            failure = "这一行超过 1 MiB，没有计算：" + quote_input(record);
        } else {
            cells = csv_cells(record);
            if (kind == RecordReader::Kind::Unterminated)
                failure = "这一行的引号没有闭合（到行尾为止），没有计算";
            else
                results = compute_row(t, header, cells, failure, warning, formulation);
        }
        // Cells beyond the header come back after the failure column, as they were.
        std::vector<std::string> extra;
        if (cells.size() > header.size())
            extra.assign(std::make_move_iterator(cells.begin() + static_cast<std::ptrdiff_t>(header.size())),
                         std::make_move_iterator(cells.end()));
        cells.resize(header.size());
        results.resize(t.result_columns.size());
        cells.insert(cells.end(), results.begin(), results.end());
        cells.push_back(failure.empty() ? warning : failure);
        cells.insert(cells.end(), extra.begin(), extra.end());
        if (!failure.empty()) status = 1;
        out << csv_record(cells) << "\r\n";
        if (!out) return 3;
    }
    out.flush();
    return out ? status : 3;
}

}  // namespace entalix::cli
