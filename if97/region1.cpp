// Region 1, compressed water: 273.15 K <= T <= 623.15 K, psat(T) <= p <= 100 MPa.
#include <array>

#include "if97/gibbs.h"

namespace entalix::if97 {
namespace {

// IAPWS-IF97 (revised release 2007), region 1 basic equation, Eq. 7, Table 2.
inline constexpr auto kRegion1 = std::to_array<IJn>({
    {0, -2, 0.14632971213167},        {0, -1, -0.84548187169114},       {0, 0, -0.3756360367204e1},
    {0, 1, 0.33855169168385e1},       {0, 2, -0.95791963387872},        {0, 3, 0.15772038513228},
    {0, 4, -0.16616417199501e-1},     {0, 5, 0.81214629983568e-3},      {1, -9, 0.28319080123804e-3},
    {1, -7, -0.60706301565874e-3},    {1, -1, -0.18990068218419e-1},    {1, 0, -0.32529748770505e-1},
    {1, 1, -0.21841717175414e-1},     {1, 3, -0.5283835796993e-4},      {2, -3, -0.47184321073267e-3},
    {2, 0, -0.30001780793026e-3},     {2, 1, 0.47661393906987e-4},      {2, 3, -0.44141845330846e-5},
    {2, 17, -0.72694996297594e-15},   {3, -4, -0.31679644845054e-4},    {3, 0, -0.28270797985312e-5},
    {3, 6, -0.85205128120103e-9},     {4, -5, -0.22425281908e-5},       {4, -2, -0.65171222895601e-6},
    {4, 10, -0.14341729937924e-12},   {5, -8, -0.40516996860117e-6},    {8, -11, -0.12734301741641e-8},
    {8, -6, -0.17424871230634e-9},    {21, -29, -0.68762131295531e-18}, {23, -31, 0.14478307828521e-19},
    {29, -38, 0.26335781662795e-22},  {30, -39, -0.11947622640071e-22}, {31, -40, 0.18228094581404e-23},
    {32, -41, -0.93537087292458e-25},
});
static_assert(kRegion1.size() == 34);

}  // namespace

Point region1(double p, double T) {
    const double pi = p / 16.53;
    const double tau = 1386.0 / T;
    const Derivatives d = derivative_sum<kRegion1>(7.1 - pi, tau - 1.222);
    // The equation is written in (7.1 - pi): its pi-derivatives change sign once.
    const Derivatives g{d.f, -d.fa, d.faa, d.fb, d.fbb, -d.fab};
    return point_from_gibbs(p, T, pi, tau, g);
}

Point region1_vhs(double p, double T) {
    const double pi = p / 16.53;
    const double tau = 1386.0 / T;
    const Derivatives d = derivative_sum<kRegion1, kVolumeHeatSet>(7.1 - pi, tau - 1.222);
    return vhs_from_gibbs(p, T, pi, tau, {d.f, -d.fa, 0.0, d.fb, 0.0, 0.0});
}

Thermal region1_thermal(double p, double T) {
    const double tau = 1386.0 / T;
    return thermal_from_gibbs(T, tau, derivative_sum<kRegion1, kThermalSet>(7.1 - p / 16.53, tau - 1.222));
}

}  // namespace entalix::if97
