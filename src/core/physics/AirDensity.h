#pragma once

namespace corvane {

// Standard air density in kg/m³ ("Normdichte"): measured pressures and powers are normalised
// to it, and conversions to another density start from it.
inline constexpr double kStandardDensity = 1.205;

// Whether a density differs from the standard density by at least 0.001 kg/m³, the
// difference at which the fan laws convert to it and the results carry the "*2" remark.
bool IsNonStandardDensity(double density);

// Lowest temperature taken for the dry-air density, °C.
inline constexpr double kLowestTemperature = -272.0;
// Lowest density accepted when a density is typed directly, kg/m³.
inline constexpr double kLowestTypedDensity = 0.1;

// Density of dry air in kg/m³ from the absolute air pressure in Pa and the temperature in °C
// (ideal gas, 287 J/(kg·K), 273 as the offset to kelvin), rounded to three decimals. The
// temperature is taken as at least -272 °C; a pressure of 0 (not entered) gives 0, and so does
// a negative one.
double DryAirDensity(double pressurePa, double temperatureC);

// A directly typed density (kg/m³) as it is taken: at least 0.1.
double TypedDensity(double density);

} // namespace corvane
