// Where the three releases hold, and the words the screens show beside a result
// extrapolated past a range or instead of one refused.
#include <cmath>

#include "transport/transport.h"

namespace entalix::transport {

// The viscosity release holds in the liquid and the vapour from the melting line
// to 1173.15 K up to 300 MPa (higher pressures at lower temperatures, beyond what
// IAPWS-IF97 gives a density for). Its dilute-gas and residual terms continue
// smoothly to the top of IAPWS-IF97, 2273.15 K: extrapolated there, with a warning.
const Range kViscosityRange = {
    "IAPWS 2008黏度公式",
    273.15,
    1173.15,
    300.0,
    273.15,
    2273.15,
    300.0,
    {},
    "超出IAPWS 2008黏度公式适用范围（0–900 ℃，压力不超过300 MPa）",
    "高于900 ℃的黏度是IAPWS 2008黏度公式的外推值",
    "",
};

// The conductivity release holds to 1173.15 K at pressures up to 100 MPa, the top
// pressure of IAPWS-IF97; above 1173.15 K it is extrapolated like the viscosity.
// Within a few kelvin of the critical point the enhancement rises steeply and the
// industrial form of its background departs most from the scientific one; a state
// there is shown with a warning.
const Range kConductivityRange = {
    "IAPWS 2011热导率公式",
    273.15,
    1173.15,
    100.0,
    273.15,
    2273.15,
    100.0,
    {643.15, 653.15, 21.0, 24.0},
    "超出IAPWS 2011热导率公式适用范围（0–900 ℃，压力不超过100 MPa）",
    "高于900 ℃的热导率是IAPWS 2011热导率公式的外推值",
    "临界点附近（370–380 ℃，21–24 MPa）热导率随状态急剧变化，结果的不确定度较大",
};

// The surface tension exists from the triple point to the critical point; below the
// triple point, in supercooled water, the release finds its equation sound to -25 degC.
const Range kSurfaceTensionRange = {
    "IAPWS表面张力公式",
    273.16,
    647.096,
    0.0,
    248.15,
    647.096,
    0.0,
    {},
    "超出IAPWS表面张力公式适用范围（饱和线上0.01–373.946 ℃，临界点以上没有表面张力）",
    "低于三相点（0.01 ℃）的表面张力是过冷水的外推值",
    "",
};

namespace {

bool within(double T, double p, double T_min, double T_max, double p_max) {
    return T >= T_min && T <= T_max && (p_max == 0.0 || (p > 0.0 && p <= p_max));
}

bool within(const Box& box, double T, double p) {
    return box.T_max > box.T_min && T >= box.T_min && T <= box.T_max && p >= box.p_min && p <= box.p_max;
}

}  // namespace

Verdict judge(const Range& range, double T, double p) {
    // A NaN would fail every comparison below and look like a state outside all
    // boxes; it is refused as such, but said first.
    if (!std::isfinite(T) || !std::isfinite(p)) return {Standing::refuse, range.outside_words};
    if (within(T, p, range.T_min, range.T_max, range.p_max)) {
        if (within(range.uncertain, T, p)) return {Standing::warn, range.uncertain_words};
        return {Standing::inside, ""};
    }
    if (within(T, p, range.warn_T_min, range.warn_T_max, range.warn_p_max))
        return {Standing::warn, range.extrapolated_words};
    return {Standing::refuse, range.outside_words};
}

}  // namespace entalix::transport
