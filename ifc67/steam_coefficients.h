// The constants of the IFC-67 subregion 2 equations (superheated steam), shared by
// the state procedure and its derivatives.
#pragma once

#include <array>

namespace entalix::props::subregion2 {

// IFC-67, subregion 2, terms B_mu,nu X^z_mu,nu of the B-function, mu = 1 .. 8.
struct BTerm {
    int mu;
    int nu;
    double B;
    int z;
};
// clang-format off
inline constexpr std::array<BTerm, 18> kB{{
    {1, 1,  6.670375918e-2, 13}, {1, 2,  1.388983801,    3},
    {2, 1,  8.390104328e-2, 18}, {2, 2,  2.614670893e-2, 2}, {2, 3, -3.373439453e-2, 1},
    {3, 1,  4.520918904e-1, 18}, {3, 2,  1.069036614e-1, 10},
    {4, 1, -5.975336707e-1, 25}, {4, 2, -8.847535804e-2, 14},
    {5, 1,  5.958051609e-1, 32}, {5, 2, -5.159303373e-1, 28}, {5, 3,  2.075021122e-1, 24},
    {6, 1,  1.190610271e-1, 12}, {6, 2, -9.867174132e-2, 11},
    {7, 1,  1.683998803e-1, 24}, {7, 2, -5.809438001e-2, 18},
    {8, 1,  6.552390126e-3, 24}, {8, 2,  5.710218649e-4, 14},
}};
// clang-format on
static_assert(kB.size() == 18);

// Denominator terms b_mu,lambda X^x_mu,lambda for mu = 6 .. 8 (this library's values;
// b82 = 0.3460208816 is deliberate).
struct bTerm {
    int mu;
    int lambda;
    double b;
    int x;
};
inline constexpr std::array<bTerm, 4> kb{{
    {6, 1, 0.4006073948, 14},
    {7, 1, 0.08636081627, 19},
    {8, 1, -0.8532322921, 54},
    {8, 2, 0.3460208816, 27},
}};
static_assert(kb.size() == 4);

// IFC-67, subregion 2, coefficients B90 .. B96 of the L-function term.
struct B9Coefficient {
    int nu;
    double B;
};
inline constexpr std::array<B9Coefficient, 7> kB9{{
    {0, 1.936587558e2},
    {1, -1.388522425e3},
    {2, 4.126607219e3},
    {3, -6.508211677e3},
    {4, 5.745984054e3},
    {5, -2.693088365e3},
    {6, 5.235718623e2},
}};
static_assert(kB9.size() == 7);

// Ideal-gas part B0, B01 .. B05 (this library's values; B01 = 28.5606796 is deliberate).
inline constexpr double B0 = 16.83599274;
// clang-format off
inline constexpr std::array<double, 6> kB0rho{
    0.0,  // no B00: the sums start at rho = 1
    28.5606796, -54.38923329, 0.4330662834, -0.6547711697, 0.08565182058,
};
// clang-format on
static_assert(kB0rho.size() == 6);
inline constexpr double b = 0.763333333;  // nine significant digits, as kept here
inline constexpr double I1 = 4.260321148;
// The L-function beta_L(theta) = L0 + L1 theta + L2 theta^2.
inline constexpr double L0 = 15.74373327;
inline constexpr double L1 = -34.17061978;
inline constexpr double L2 = 19.31380707;

constexpr bool tables_consistent() {
    int terms_per_mu[9] = {};
    for (const BTerm& t : kB) {
        if (t.mu < 1 || t.mu > 8 || t.nu != ++terms_per_mu[t.mu] || t.z < 1 || t.z > 32) return false;
    }
    for (int nu = 0; nu < 7; ++nu)
        if (kB9[nu].nu != nu) return false;
    return kb[0].mu == 6 && kb[1].mu == 7 && kb[2].mu == 8 && kb[3].mu == 8;
}
static_assert(tables_consistent());

}  // namespace entalix::props::subregion2
