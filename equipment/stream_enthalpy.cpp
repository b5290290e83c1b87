// Water or steam, decided by the saturation temperature at the stream's pressure.
#include "equipment/stream_enthalpy.h"

#include "props/saturation.h"

namespace entalix::equipment {

double StreamEnthalpy(props::SteamProperties& properties, double pg, double t, double pa) {
    // The small addition keeps a zero absolute pressure (a gauge reading of
    // minus the atmosphere) off the singular point of the saturation line.
    const double p = (pa + pg) + 0.000001;
    const double ts = props::pswsat_t(p);
    if (t < ts) return properties.pswh_ptwtr(p, t);
    return properties.pswh_ptstm(p, t);
}

}  // namespace entalix::equipment
