// Reading the --chart arguments into a chart request and writing its SVG.
#include "cli/chart_cli.h"

#include <cstdio>
#include <string_view>

#include "charts/chart.h"
#include "charts/chart_state.h"
#include "cli/usage.h"
#include "shell/numbers.h"
#include "shell/svg.h"

namespace entalix::cli {

namespace {

double number_of(std::string_view text, std::string_view what) {
    const auto value = shell::ParseStrictNumber(text);
    if (!value) throw UsageError(std::string(what) + " 不是数字：" + quote_input(text));
    return *value;
}

// "a,b,c,d" as four numbers.
charts::View view_of(std::string_view text) {
    double values[4];
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? text.find(',', start) : text.size();
        if (comma == std::string_view::npos) throw UsageError("--view 须写成 s0,s1,y0,y1");
        values[i] = number_of(text.substr(start, comma - start), "--view");
        start = comma + 1;
    }
    return {values[0], values[1], values[2], values[3]};
}

constexpr std::string_view kQuantities = "pthsx";

}  // namespace

std::string chart_svg(const std::vector<std::string>& args, props::Formulation formulation) {
    if (args.empty() || (args[0] != "hs" && args[0] != "ts")) throw UsageError("--chart 后须给出 hs 或 ts");
    charts::ChartRequest request;
    request.kind = args[0] == "hs" ? charts::ChartKind::HS : charts::ChartKind::TS;
    request.view = charts::default_view(request.kind);
    bool process = false;
    std::vector<std::pair<char, double>> given;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--full") {
            request.view = charts::full_view(request.kind);
        } else if (a == "--process") {
            process = true;
        } else if (a == "--view" || a == "--size") {
            if (i + 1 >= args.size()) throw UsageError(a + " 后须给出值");
            const std::string& value = args[++i];
            if (a == "--view") {
                request.view = view_of(value);
            } else {
                int w = 0;
                int h = 0;
                char extra = 0;
                if (std::sscanf(value.c_str(), "%dx%d%c", &w, &h, &extra) != 2 || w < 200 || h < 150 || w > 8000 ||
                    h > 8000)
                    throw UsageError("--size 须写成 宽x高，200x150 到 8000x8000 像素");
                request.width = w;
                request.height = h;
            }
        } else if (a.size() >= 3 && a[1] == '=' && kQuantities.find(a[0]) != std::string_view::npos) {
            given.emplace_back(a[0], number_of(std::string_view(a).substr(2), std::string(1, a[0])));
        } else {
            throw UsageError("--chart 不认识的参数：" + quote_input(a));
        }
    }
    if (given.size() % 2 != 0) throw UsageError("每个状态须给出两个参数，例如 p=1 t=300");
    if (given.size() > 2 * 64) throw UsageError("一张图上至多标 64 个状态");
    auto water = props::make_water_steam(formulation);
    for (std::size_t i = 0; i < given.size(); i += 2) {
        const props::FluidState state =
            charts::chart_state(*water, given[i].first, given[i].second, given[i + 1].first, given[i + 1].second);
        request.states.push_back({state, given.size() > 2 ? std::to_string(i / 2 + 1) + ":" : ""});
    }
    if (process && request.states.size() >= 2) {
        std::vector<int> line;
        for (std::size_t i = 0; i < request.states.size(); ++i) line.push_back(static_cast<int>(i));
        request.processes.push_back(std::move(line));
    }
    return shell::svg_of(charts::chart_drawing(request, *water));
}

}  // namespace entalix::cli
