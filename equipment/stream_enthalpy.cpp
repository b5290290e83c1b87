// Water or steam, decided by the saturation temperature at the stream's pressure.
#include "equipment/stream_enthalpy.h"

#include "shell/reading.h"

namespace entalix::equipment {

namespace {

// The small addition keeps a zero absolute pressure (a gauge reading of minus
// the atmosphere) off the singular point of the saturation line.
double stream_pressure(double pg, double pa) { return (pa + pg) + 0.000001; }

bool is_steam(props::WaterSteam& properties, double p, double t) { return !(t < properties.saturation_line_t(p)); }

}  // namespace

double StreamEnthalpy(props::WaterSteam& properties, double pg, double t, double pa) {
    const double p = stream_pressure(pg, pa);
    if (!is_steam(properties, p, t)) return properties.pswh_ptwtr(p, t);
    return properties.pswh_ptstm(p, t);
}

Stream read_stream(props::WaterSteam& properties, const shell::ScreenDesc& desc, const shell::Fields& fields,
                   const char* pressure, const char* temperature, double pa) {
    Stream s;
    s.pg = shell::read_gauge_pressure(desc, fields, pressure, pa);
    s.t = shell::read_field(desc, fields, temperature);
    s.p = stream_pressure(s.pg, pa);
    s.steam = is_steam(properties, s.p, s.t);
    s.h = s.steam ? properties.pswh_ptstm(s.p, s.t) : properties.pswh_ptwtr(s.p, s.t);
    return s;
}

double stream_entropy(props::WaterSteam& properties, const Stream& stream) {
    return props::selected_number(stream.steam ? properties.pswA_ptstm("s", stream.p, stream.t)
                                               : properties.pswA_ptwtr("s", stream.p, stream.t));
}

}  // namespace entalix::equipment
