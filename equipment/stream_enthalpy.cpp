// Water or steam, decided by the saturation temperature at the stream's
// pressure, and saturated where the typed temperature is too near the line to
// decide.
#include "equipment/stream_enthalpy.h"

#include <cmath>

#include "equipment/balance_check.h"
#include "props/validity.h"
#include "shell/errors.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace entalix::equipment {

namespace {

constexpr double kIfc67CriticalTemperature = 374.15;  // degC

// The small addition keeps a zero absolute pressure (a gauge reading of minus
// the atmosphere) off the singular point of the saturation line.
double stream_pressure(double pg, double pa) { return (pa + pg) + 0.000001; }

bool is_steam(props::WaterSteam& properties, double p, double t) { return !(t < properties.saturation_line_t(p)); }

// Why a stream typed on the wrong side of the line cannot be what its pipe
// carries, and what to look at. A water pressure left at 0 is the usual cause
// of "water" above 100 degC.
std::string wrong_phase_message(const shell::ScreenDesc& desc, const char* pressure, const char* temperature,
                                const Stream& s, double ts, StreamRole role) {
    const std::string& pressure_caption = desc.find(pressure)->meaning.quantity;
    const std::string& temperature_caption = desc.find(temperature)->meaning.quantity;
    std::string message = std::string(role.name) + "在" + megapascal(s.pg) + "（表压）下的温度" + celsius(s.t) +
                          (role.steam ? "低于" : "高于") + "饱和温度" + shell::FormatWithPattern(ts, "0.00") + " ℃，" +
                          (role.steam ? "是水而不是蒸汽" : "是蒸汽而不是水") + "，";
    if (!role.steam && s.pg == 0.0) return message + "请填写“" + pressure_caption + "”（现为0）";
    return message + "请核对“" + temperature_caption + "”和“" + pressure_caption + "”";
}

}  // namespace

std::optional<double> two_phase_saturation(props::WaterSteam& properties, double p) {
    if (!(p >= props::kIf97LowestSaturationPressure)) return std::nullopt;
    const double ts = properties.saturation_line_t(p);
    const double critical = properties.formulation() == props::Formulation::IF97 ? props::kIf97CriticalTemperature
                                                                                 : kIfc67CriticalTemperature;
    if (!(ts < critical)) return std::nullopt;
    return ts;
}

bool near_saturation(double t, double ts) { return std::fabs(t - ts) < kPhaseBand; }

double StreamEnthalpy(props::WaterSteam& properties, double pg, double t, double pa) {
    const double p = stream_pressure(pg, pa);
    if (!is_steam(properties, p, t)) return properties.pswh_ptwtr(p, t);
    return properties.pswh_ptstm(p, t);
}

Stream read_stream(props::WaterSteam& properties, const shell::ScreenDesc& desc, const shell::Fields& fields,
                   const char* pressure, const char* temperature, double pa, StreamRole role) {
    Stream s;
    s.pg = shell::read_gauge_pressure(desc, fields, pressure, pa);
    s.t = shell::read_field(desc, fields, temperature);
    s.p = stream_pressure(s.pg, pa);
    const std::optional<double> ts = two_phase_saturation(properties, s.p);
    if (ts && near_saturation(s.t, *ts)) {
        // Both formulations take the same stream as the same phase, whichever
        // side of its own line the typed temperature falls.
        s.steam = role.steam;
        s.saturated = true;
        s.h = props::selected_number(properties.pswA_sat_p(role.steam ? "h2" : "h1", s.p));
        return s;
    }
    s.steam = ts ? !(s.t < *ts) : is_steam(properties, s.p, s.t);
    if (ts && s.steam != role.steam) s.wrong_phase = wrong_phase_message(desc, pressure, temperature, s, *ts, role);
    s.h = s.steam ? properties.pswh_ptstm(s.p, s.t) : properties.pswh_ptwtr(s.p, s.t);
    return s;
}

void check_phase(std::initializer_list<const Stream*> streams) {
    for (const Stream* s : streams)
        if (!s->wrong_phase.empty()) throw shell::OutOfDomain(s->wrong_phase);
}

double stream_entropy(props::WaterSteam& properties, const Stream& stream) {
    if (stream.saturated) return props::selected_number(properties.pswA_sat_p(stream.steam ? "s2" : "s1", stream.p));
    return props::selected_number(stream.steam ? properties.pswA_ptstm("s", stream.p, stream.t)
                                               : properties.pswA_ptwtr("s", stream.p, stream.t));
}

}  // namespace entalix::equipment
