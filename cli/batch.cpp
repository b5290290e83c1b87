// The JSON batch protocol over the same calls and screen events as the desktop.
#include "cli/batch.h"

#include <nlohmann/json.hpp>

#include "catalog/catalog.h"
#include "cli/calls.h"
#include "cli/screens_cli.h"
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
    const CallResult result = call_function_warned(request["call"].get<std::string>(), arguments);
    json out;
    if (const double* value = std::get_if<double>(&result.value))
        out = {{"value", *value}};
    else
        out = {{"text", std::get<std::string>(result.value)}};
    if (!result.warning.empty()) out["warning"] = result.warning;
    return out;
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
    if (!outcome.warning.empty()) out["warning"] = outcome.warning;
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
    } catch (...) {
        answer = {{"error", shell::current_failure_message()}};
    }
    return answer.dump(-1, ' ', false, json::error_handler_t::replace);
}

namespace {

json field_json(const shell::ControlDesc& c) {
    const shell::Meaning& m = c.meaning;
    json out{{"name", c.name}, {"role", shell::role_name(m.role)}, {"quantity", m.quantity}, {"unit", m.unit}};
    if (m.pressure != shell::PressureKind::None) out["pressure"] = shell::pressure_name(m.pressure);
    if (!m.format.empty()) out["format"] = m.format;
    if (c.kind == shell::ControlKind::TextBox) out["default"] = c.text;
    if (m.role == shell::Role::TickBox) out["default"] = "0";
    return out;
}

json fields_json(const shell::ScreenDesc& desc, const std::vector<std::string>& names) {
    json out = json::array();
    for (const std::string& name : names)
        if (const shell::ControlDesc* c = desc.find(name); c != nullptr && c->meaning.role != shell::Role::None)
            out.push_back(field_json(*c));
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
                       {"fields", fields_json(desc, e.binding->reads)},
                       {"results", fields_json(desc, e.binding->writes)}});
    }
    out["events"] = evs;
    return out.dump(2, ' ', false, json::error_handler_t::replace);
}

}  // namespace entalix::cli
