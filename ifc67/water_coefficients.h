// The constants of the IFC-67 subregion 1 equations (compressed water), shared by
// the state procedure and its derivatives.
#pragma once

#include <array>

namespace entalix::props::subregion1 {

// IFC-67, subregion 1, coefficients A0 .. A22.
struct ACoefficient {
    int nu;
    double A;
};
inline constexpr std::array<ACoefficient, 23> kA{{
    {0, 6.824687741e3},   {1, -5.422063673e2},   {2, -2.096666205e4},   {3, 3.941286787e4},   {4, -6.733277739e4},
    {5, 9.902381028e4},   {6, -1.093911774e5},   {7, 8.590841667e4},    {8, -4.511168742e4},  {9, 1.418138926e4},
    {10, -2.017271113e3}, {11, 7.982692717},     {12, -2.616571843e-2}, {13, 1.522411790e-3}, {14, 2.284279054e-2},
    {15, 2.421647003e2},  {16, 1.269716088e-10}, {17, 2.074838328e-7},  {18, 2.174020350e-8}, {19, 1.105710498e-9},
    {20, 1.293441934e1},  {21, 1.308119072e-5},  {22, 6.047626338e-14},
}};
static_assert(kA.size() == 23);

// IFC-67, subregion 1, auxiliary constants a1 .. a12.
struct AuxCoefficient {
    int i;
    double a;
};
inline constexpr std::array<AuxCoefficient, 12> ka{{
    {1, 8.438375405e-1},
    {2, 5.362162162e-4},
    {3, 1.72},
    {4, 7.342278489e-2},
    {5, 4.975858870e-2},
    {6, 6.537154300e-1},
    {7, 1.15e-6},
    {8, 1.5108e-5},
    {9, 1.4188e-1},
    {10, 7.002753165},
    {11, 2.995284926e-4},
    {12, 2.04e-1},
}};
static_assert(ka.size() == 12);

// The formulas below read A(11), a(5) as the formulation writes them.
constexpr double A(int nu) { return kA[nu].A; }
constexpr double a(int i) { return ka[i - 1].a; }

constexpr bool rows_in_order() {
    for (int nu = 0; nu < 23; ++nu)
        if (kA[nu].nu != nu) return false;
    for (int i = 1; i <= 12; ++i)
        if (ka[i - 1].i != i) return false;
    return true;
}
static_assert(rows_in_order());

}  // namespace entalix::props::subregion1
