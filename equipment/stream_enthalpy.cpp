// Water or steam, decided by the saturation temperature at the stream's pressure.
#include "equipment/stream_enthalpy.h"

#include "props/saturation.h"
#include "shell/numbers.h"

namespace entalix::equipment {

double StreamEnthalpy(props::SteamProperties& properties, double pg, double t, double pa) {
    // The small addition keeps a zero absolute pressure (a gauge reading of
    // minus the atmosphere) off the singular point of the saturation line.
    const double p = (pa + pg) + 0.000001;
    const double ts = props::pswsat_t(p);
    if (t < ts) return properties.pswh_ptwtr(p, t);
    return properties.pswh_ptstm(p, t);
}

double StreamEnthalpy(props::SteamProperties& properties, const shell::Fields& fields, const char* pressure,
                      const char* temperature, double pa) {
    const double pg = shell::ParseLeadingNumber(fields.text(pressure));
    const double t = shell::ParseLeadingNumber(fields.text(temperature));
    return StreamEnthalpy(properties, pg, t, pa);
}

}  // namespace entalix::equipment
