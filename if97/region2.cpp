// Region 2, steam: from 273.15 K up to 1073.15 K, below the saturation line and
// below the B23 boundary.
#include <array>

#include "if97/gibbs.h"

namespace entalix::if97 {
namespace {

// IAPWS-IF97 (revised release 2007), region 2 ideal-gas part, Eq. 16, Table 10.
inline constexpr auto kRegion2Ideal = std::to_array<Jn>({
    {0, -0.96927686500217e1},
    {1, 0.10086655968018e2},
    {-5, -0.5608791128302e-2},
    {-4, 0.71452738081455e-1},
    {-3, -0.40710498223928},
    {-2, 0.14240819171444e1},
    {-1, -0.4383951131945e1},
    {2, -0.28408632460772},
    {3, 0.21268463753307e-1},
});
static_assert(kRegion2Ideal.size() == 9);

// IAPWS-IF97 (revised release 2007), region 2 residual part, Eq. 17, Table 11.
inline constexpr auto kRegion2Residual = std::to_array<IJn>({
    {1, 0, -0.17731742473213e-2},    {1, 1, -0.17834862292358e-1},    {1, 2, -0.45996013696365e-1},
    {1, 3, -0.57581259083432e-1},    {1, 6, -0.5032527872793e-1},     {2, 1, -0.33032641670203e-4},
    {2, 2, -0.18948987516315e-3},    {2, 4, -0.39392777243355e-2},    {2, 7, -0.43797295650573e-1},
    {2, 36, -0.26674547914087e-4},   {3, 0, 0.20481737692309e-7},     {3, 1, 0.43870667284435e-6},
    {3, 3, -0.3227767723857e-4},     {3, 6, -0.15033924542148e-2},    {3, 35, -0.40668253562649e-1},
    {4, 1, -0.78847309559367e-9},    {4, 2, 0.12790717852285e-7},     {4, 3, 0.48225372718507e-6},
    {5, 7, 0.22922076337661e-5},     {6, 3, -0.16714766451061e-10},   {6, 16, -0.21171472321355e-2},
    {6, 35, -0.23895741934104e2},    {7, 0, -0.5905956432427e-17},    {7, 11, -0.12621808899101e-5},
    {7, 25, -0.38946842435739e-1},   {8, 8, 0.11256211360459e-10},    {8, 36, -0.82311340897998e1},
    {9, 13, 0.19809712802088e-7},    {10, 4, 0.10406965210174e-18},   {10, 10, -0.10234747095929e-12},
    {10, 14, -0.10018179379511e-8},  {16, 29, -0.80882908646985e-10}, {16, 50, 0.10693031879409},
    {18, 57, -0.33662250574171},     {20, 20, 0.89185845355421e-24},  {20, 35, 0.30629316876232e-12},
    {20, 48, -0.42002467698208e-5},  {21, 21, -0.59056029685639e-25}, {22, 53, 0.37826947613457e-5},
    {23, 39, -0.12768608934681e-14}, {24, 26, 0.73087610595061e-28},  {24, 40, 0.55414715350778e-16},
    {24, 58, -0.9436970724121e-6},
});
static_assert(kRegion2Residual.size() == 43);

}  // namespace

Point region2(double p, double T) {
    const double pi = p;
    const double tau = 540.0 / T;
    Derivatives g = derivative_sum<kRegion2Residual>(pi, tau - 0.5);
    add_ideal_gas<kRegion2Ideal>(g, pi, tau);
    return point_from_gibbs(p, T, pi, tau, g);
}

Point region2_vhs(double p, double T) {
    const double pi = p;
    const double tau = 540.0 / T;
    Derivatives g = derivative_sum<kRegion2Residual, kVolumeHeatSet>(pi, tau - 0.5);
    add_ideal_gas<kRegion2Ideal, kVolumeHeatSet>(g, pi, tau);
    return vhs_from_gibbs(p, T, pi, tau, g);
}

Thermal region2_thermal(double p, double T) {
    const double tau = 540.0 / T;
    Derivatives g = derivative_sum<kRegion2Residual, kThermalSet>(p, tau - 0.5);
    add_ideal_gas<kRegion2Ideal>(g, p, tau);
    return thermal_from_gibbs(T, tau, g);
}

}  // namespace entalix::if97
