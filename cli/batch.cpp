// The JSON batch protocol over the same calls and screen events as the desktop.
#include "cli/batch.h"

#include <nlohmann/json.hpp>

#include "cli/calls.h"
#include "cli/screens_cli.h"
#include "props/property_error.h"
#include "shell/errors.h"

namespace entalix::cli {

using nlohmann::json;

namespace {

// Numbers of a call go through the same strict reading as typed arguments.
std::string argument_text(const json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number()) return value.dump();
    throw shell::CalculationError("arguments are numbers or texts");
}

json answer_call(const json& request) {
    std::vector<std::string> arguments;
    if (request.contains("args")) {
        if (!request["args"].is_array()) throw shell::CalculationError("\"args\" must be an array");
        for (const json& a : request["args"]) arguments.push_back(argument_text(a));
    }
    const props::Selected result = call_function(request["call"].get<std::string>(), arguments);
    if (const double* value = std::get_if<double>(&result)) return {{"value", *value}};
    return {{"text", std::get<std::string>(result)}};
}

json answer_screen(const json& request) {
    std::map<std::string, std::string> given;
    if (request.contains("fields")) {
        if (!request["fields"].is_object()) throw shell::CalculationError("\"fields\" must be an object");
        for (const auto& [name, value] : request["fields"].items()) given[name] = argument_text(value);
    }
    const shell::Outcome outcome =
        run_screen_event(request["screen"].get<std::string>(), request.value("event", std::string()), given);
    if (outcome.failed) return {{"error", outcome.message}};
    json texts = json::object();
    for (const auto& [name, text] : outcome.texts) texts[name] = text;
    json out{{"texts", texts}};
    if (!outcome.visibility.empty()) {
        json shown = json::object();
        for (const auto& [name, visible] : outcome.visibility) shown[name] = visible;
        out["visible"] = shown;
    }
    if (!outcome.message.empty()) out["message"] = outcome.message;
    return out;
}

}  // namespace

std::string answer_json_line(const std::string& line) {
    json answer;
    try {
        const json request = json::parse(line);
        if (!request.is_object()) throw shell::CalculationError("a request is a JSON object");
        if (request.contains("call") && request["call"].is_string())
            answer = answer_call(request);
        else if (request.contains("screen") && request["screen"].is_string())
            answer = answer_screen(request);
        else
            throw shell::CalculationError("a request names a \"call\" or a \"screen\"");
    } catch (const json::exception& e) {
        answer = {{"error", std::string("malformed request: ") + e.what()}};
    } catch (const shell::CalculationError& e) {
        answer = {{"error", e.what()}};
    } catch (const props::PropertyError& e) {
        answer = {{"error", std::string(shell::kMsgOutOfFormulation) + " (" + e.what() + ")"}};
    } catch (const std::exception& e) {
        answer = {{"error", std::string("internal error: ") + e.what()}};
    }
    return answer.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string list_json() {
    json out;
    json fns = json::array();
    for (const FunctionInfo& f : functions()) {
        json args = json::array();
        for (const Argument& a : f.arguments) args.push_back({{"name", a.name}, {"unit", a.unit}});
        fns.push_back({{"name", f.name}, {"arguments", args}, {"result", f.result}});
    }
    out["functions"] = fns;
    json evs = json::array();
    for (const EventInfo& e : events()) {
        json fields = json::array();
        for (const FieldInfo& f : fields_of(e.screen))
            fields.push_back({{"name", f.name},
                              {"default", f.default_text},
                              {"caption", f.caption},
                              {"unit", f.unit},
                              {"tick_box", f.tick_box}});
        evs.push_back({{"screen", shell::screen_name(e.screen)}, {"event", e.event}, {"fields", fields}});
    }
    out["events"] = evs;
    return out.dump(2, ' ', false, json::error_handler_t::replace);
}

}  // namespace entalix::cli
