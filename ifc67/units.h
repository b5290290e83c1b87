// Units of the property core and the factors of the public layer.
// The core works in technical units (at, kcal); the public functions in MPa and kJ.
#pragma once

namespace entalix::props {

// 1 at = 1 kgf/cm^2 = 0.0980665 MPa; 1 kcal = 4.1868 kJ (International Table calorie).
// The public layer divides by these on the way in and multiplies on the way out.
inline constexpr double kMPaPerAt = 0.0980665;
inline constexpr double kKJPerKcal = 4.1868;

// Reference constants of the reduced IFC-67 variables, in core units.
inline constexpr double kPc = 225.56;               // critical pressure, at
inline constexpr double kTc = 647.3;                // critical temperature, K
inline constexpr double kVc = 0.00317;              // critical specific volume, m^3/kg
inline constexpr double kPcVc = 16.74796981;        // unit of reduced enthalpy, kcal/kg
inline constexpr double kPcVcOverTc = 0.025873582;  // unit of reduced entropy, kcal/(kg K)
inline constexpr double kKelvinOffset = 273.15;

// Reduced pressure beta and reduced temperature theta.
constexpr double reduced_pressure(double p_at) { return p_at / kPc; }
constexpr double reduced_temperature(double t_c) { return (t_c + kKelvinOffset) / kTc; }

}  // namespace entalix::props
