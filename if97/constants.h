// Constants of IAPWS-IF97 and the limits of its range.
#pragma once

namespace entalix::if97 {

inline constexpr double kR = 0.461526;     // specific gas constant, kJ/(kg K)
inline constexpr double kTc = 647.096;     // critical temperature, K
inline constexpr double kPc = 22.064;      // critical pressure, MPa
inline constexpr double kRhoc = 322.0;     // critical density, kg/m3
inline constexpr double kKelvin = 273.15;  // 0 degC in K

inline constexpr double kTmin = 273.15;            // lower end of the formulation, K
inline constexpr double kT13 = 623.15;             // regions 1 and 3 meet here, K
inline constexpr double kT25 = 1073.15;            // regions 2 and 5 meet here, K
inline constexpr double kTmax = 2273.15;           // upper end of region 5, K
inline constexpr double kPmax = 100.0;             // upper pressure of regions 1 to 3, MPa
inline constexpr double kPmax5 = 50.0;             // upper pressure of region 5, MPa
inline constexpr double kPsat623 = 16.5291642526;  // saturation pressure at 623.15 K, MPa
inline constexpr double kPsatMin = 611.212677e-6;  // saturation pressure at 273.15 K, MPa

}  // namespace entalix::if97
