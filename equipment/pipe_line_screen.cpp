// Screen Form18 ("管道压降与散热"): what arrives at the far end of a steam or
// hot-water line: its pressure drop, its heat loss through the insulation and
// the state of the medium at the outlet. The inlet is a gauge pressure with
// its temperature, or with its dryness for wet steam, each row with its own
// "计算" so that the meaning of every field stays fixed.
#include <cmath>
#include <string>

#include "equipment/pipe_line.h"
#include "equipment/screens.h"
#include "shell/errors.h"
#include "shell/menus.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::equipment {

using namespace shell;

namespace {

constexpr int kCaptionWidth = 2160;
constexpr int kBoxWidth = 1200;
constexpr int kHeight = 375;
constexpr int kPitch = 480;
constexpr int kLeft[2] = {120, 5040};  // caption of the left and the right column
constexpr int kResultTop = 5160;
constexpr int kResultPitch = 420;

struct Row {
    const char* name;
    const char* caption;
    const char* unit;
    const char* text = "";  // default
    Domain domain = Domain::Positive;
    double low = -INFINITY;
    double high = INFINITY;
    PressureKind pressure = PressureKind::None;
};

// Inputs: the medium and the line on the left, the insulation on the right.
const Row kLeftRows[] = {
    {"Text1", "介质压力（表压）", "MPa", "", Domain::Any, -INFINITY, INFINITY, PressureKind::Gauge},
    {"Text7", "大气压值", "MPa", "0.0983"},
    {"Text2", "介质温度", "℃", "", Domain::WaterTemperature},
    {"Text3", "干度（湿蒸汽）", "%", "", Domain::Any, 0.0, 100.0},
    {"Text4", "介质流量", "t/h", "", Domain::Positive, -INFINITY, 50000.0},
    {"Text5", "管道内径", "mm", "", Domain::Positive, -INFINITY, 5000.0},
    {"Text6", "管道长度", "m", "", Domain::Positive, -INFINITY, 100000.0},
    {"Text8", "管壁绝对粗糙度", "mm", "0.2", Domain::Any, 0.0, 20.0},
    {"Text9", "局部阻力系数之和Σζ", "1", "0", Domain::Any, 0.0, 10000.0},
    {"Text10", "终点高出起点", "m", "0", Domain::Any, -5000.0, 5000.0},
};
const Row kRightRows[] = {
    {"Text11", "保温层厚度", "mm", "", Domain::Any, 0.0, 2000.0},
    {"Text12", "保温材料导热系数", "W/(m·K)", "", Domain::Positive, -INFINITY, 100.0},
    {"Text13", "管道外径", "mm", "", Domain::Positive, -INFINITY, 5200.0},
    {"Text14", "环境温度", "℃", "20", Domain::Any, -60.0, 60.0},
    {"Text15", "外表面换热系数", "W/(m²·K)", "11.6", Domain::Positive, -INFINITY, 10000.0},
};

struct ResultRow {
    const char* name;
    const char* caption;
    const char* unit;
    const char* format;
};
const ResultRow kResults[2][5] = {
    {
        {"w_in", "入口流速", "m/s", "0.00"},
        {"w_out", "出口流速", "m/s", "0.00"},
        {"Re", "雷诺数", "1", "0"},
        {"friction", "摩擦系数", "1", "0.000000"},
        {"dp_m", "单位长度压降", "Pa/m", "0.00"},
    },
    {
        {"dp", "总压降", "MPa", "0.000000"},
        {"p_out", "出口压力（表压）", "MPa", "0.000000"},
        {"q_m", "单位长度散热损失", "W/m", "0.00"},
        {"q", "总散热损失", "kW", "0.00"},
        {"t_out", "出口温度", "℃", "0.00"},
    },
};
constexpr const char* kStateField = "state";

std::vector<std::string> written_fields() {
    std::vector<std::string> names;
    for (const auto& column : kResults)
        for (const ResultRow& row : column) names.emplace_back(row.name);
    names.emplace_back(kStateField);
    return names;
}

void add_row(std::vector<ControlDesc>& c, int column, int top, const Row& row) {
    const int left = kLeft[column];
    const int box_left = left + kCaptionWidth + 60;
    Meaning meaning = input(row.caption, row.unit, row.pressure);
    meaning.domain = row.domain;
    meaning.plausible_low = row.low;
    meaning.plausible_high = row.high;
    std::string name = row.name;
    c.push_back(
        label("Label_" + name, std::string(row.caption) + "：", {left, top + 60, kCaptionWidth, 255}, Align::Right));
    if (name == "Text7")
        c.push_back(with_meaning(text_box(name, row.text, {box_left, top, kBoxWidth, kHeight}, Align::Left, kRed),
                                 atmospheric()));
    else
        c.push_back(with_meaning(text_box(name, row.text, {box_left, top, kBoxWidth, kHeight}), std::move(meaning)));
    // The two inlet rows keep room for their "计算" beside the unit.
    const int unit_width = name == "Text2" || name == "Text3" ? 300 : 840;
    if (std::string_view(row.unit) != "1")
        c.push_back(label("Unit_" + name, row.unit, {box_left + kBoxWidth + 60, top + 60, unit_width, 255}));
}

void add_result(std::vector<ControlDesc>& c, int column, int top, const ResultRow& row) {
    const int left = kLeft[column];
    const int box_left = left + kCaptionWidth + 60;
    std::string name = row.name;
    c.push_back(
        label("Label_" + name, std::string(row.caption) + "：", {left, top + 30, kCaptionWidth, 255}, Align::Right));
    c.push_back(with_meaning(label(name, "", {box_left, top, kBoxWidth, 315}, Align::Right),
                             result(row.caption, row.unit, row.format)));
    c.back().style |= kBorder;
    if (std::string_view(row.unit) != "1")
        c.push_back(label("Unit_" + name, row.unit, {box_left + kBoxWidth + 60, top + 30, 840, 255}));
}

// Saturated, wet, superheated or subcooled, from the outlet's pressure and enthalpy.
std::string outlet_state(props::WaterSteam& water, const LineResult& r) {
    if (r.x_out > 0.0 && r.x_out < 1.0) return "湿蒸汽，干度" + FormatWithPattern(r.x_out * 100.0, "0.00") + " %";
    const double ts = water.saturation_line_t(r.p_out);
    // Within the last shown digit of the outlet temperature the medium is on the line.
    if (std::fabs(r.t_out - ts) < 0.005) return r.x_out >= 1.0 ? "饱和蒸汽" : "饱和水";
    if (r.t_out > ts) return "过热蒸汽，过热度" + FormatWithPattern(r.t_out - ts, "0.00") + " ℃";
    return "过冷水（未饱和水）";
}

// Reads the line, marches it, and writes every result or none.
Outcome press(const Fields& f, props::WaterSteam& water, bool wet) {
    const ScreenDesc& desc = form18();
    const double pa = read_field(desc, f, "Text7");
    const double p = read_gauge_pressure(desc, f, "Text1", pa) + pa;
    double h = 0.0;
    if (wet) {
        const double x = read_field(desc, f, "Text3") / 100.0;
        // The lever rule between the saturated water and the saturated steam at p.
        const double h1 = props::selected_number(water.pswA_sat_p("h1", p));
        const double h2 = props::selected_number(water.pswA_sat_p("h2", p));
        h = h1 + x * (h2 - h1);
    } else {
        const double t = read_field(desc, f, "Text2");
        // Water below the saturation temperature, steam from it on, as on the pipe screen.
        h = t < water.saturation_line_t(p) ? water.pswh_ptwtr(p, t) : water.pswh_ptstm(p, t);
    }
    LineInput in;
    in.p_in = p;
    in.h_in = h;
    in.flow = read_field(desc, f, "Text4") / 3.6;
    in.d_inner = read_field(desc, f, "Text5") / 1000.0;
    in.length = read_field(desc, f, "Text6");
    in.roughness = read_field(desc, f, "Text8") / 1000.0;
    in.zeta = read_field(desc, f, "Text9");
    in.rise = read_field(desc, f, "Text10");
    in.insulation = read_field(desc, f, "Text11") / 1000.0;
    // A bare pipe needs no conductivity: the field may stay empty.
    in.lambda_ins = in.insulation > 0.0 ? read_field(desc, f, "Text12") : 0.0;
    in.d_outer = read_field(desc, f, "Text13") / 1000.0;
    in.t_ambient = read_field(desc, f, "Text14");
    in.alpha = read_field(desc, f, "Text15");
    if (in.d_outer < in.d_inner) throw OutOfDomain("“管道外径”须不小于“管道内径”");

    const LineResult r = march_line(in, water);
    if (!r.error.empty()) throw ImpossibleResult(r.error);
    const double dp = p - r.p_out;
    Outcome outcome;
    const auto put = [&outcome](const char* name, double value, const char* pattern) {
        outcome.texts.emplace_back(name, FormatWithPattern(checked_finite(value), pattern));
    };
    put("w_in", r.w_in, "0.00");
    put("w_out", r.w_out, "0.00");
    put("Re", r.reynolds, "0");
    put("friction", r.friction, "0.000000");
    put("dp_m", dp * 1e6 / in.length, "0.00");
    put("dp", dp, "0.000000");
    put("p_out", r.p_out - pa, "0.000000");
    put("q_m", r.q_total / in.length, "0.00");
    put("q", r.q_total / 1000.0, "0.00");
    put("t_out", r.t_out, "0.00");
    outcome.texts.emplace_back(kStateField, outlet_state(water, r));
    outcome.warning = water.warning();
    return outcome;
}

}  // namespace

const ScreenDesc& form18() {
    static const ScreenDesc desc = [] {
        ScreenDesc d{ScreenId::Form18, "管道压降与散热", 9840, 7860, {}, {}, "Command3_Click"};
        std::vector<ControlDesc>& c = d.controls;
        int top = 240;
        for (const Row& row : kLeftRows) {
            add_row(c, 0, top, row);
            top += kPitch;
        }
        // The inlet from the temperature, or from the dryness of wet steam.
        c.push_back(button("Command1", "计算", {3960, 240 + 2 * kPitch, 855, kHeight}));
        c.push_back(button("Command2", "计算", {3960, 240 + 3 * kPitch, 855, kHeight}));
        top = 240;
        for (const Row& row : kRightRows) {
            add_row(c, 1, top, row);
            top += kPitch;
        }
        c.push_back(message_line({kLeft[1], 240 + 5 * kPitch, 4560, 4 * kPitch}));
        for (int column = 0; column < 2; ++column) {
            top = kResultTop;
            for (const ResultRow& row : kResults[column]) {
                add_result(c, column, top, row);
                top += kResultPitch;
            }
        }
        top = kResultTop + 5 * kResultPitch;
        c.push_back(label("Label_state", "出口状态：", {kLeft[0], top + 30, kCaptionWidth, 255}, Align::Right));
        c.push_back(with_meaning(label(kStateField, "", {kLeft[0] + kCaptionWidth + 60, top, 4560, 315}),
                                 result("出口状态", "1", "text")));
        c.back().style |= kBorder;
        c.push_back(button("Command3", "返回", {8700, 7260, kBackWidth, kBackHeight}));
        const std::vector<std::string> reads{"Text1",  "Text7",  "Text4",  "Text5",  "Text6",  "Text8", "Text9",
                                             "Text10", "Text11", "Text12", "Text13", "Text14", "Text15"};
        const auto with = [&reads](const char* second) {
            std::vector<std::string> all = reads;
            all.insert(all.begin() + 2, second);
            return all;
        };
        d.events = {
            compute("Command1_Click", with("Text2"), written_fields(),
                    [](const Fields& f, props::WaterSteam& water) { return press(f, water, false); }),
            compute("Command2_Click", with("Text3"), written_fields(),
                    [](const Fields& f, props::WaterSteam& water) { return press(f, water, true); }),
            {"Command3_Click", navigate_to(ScreenId::Form1)},
        };
        return d;
    }();
    return desc;
}

}  // namespace entalix::equipment
