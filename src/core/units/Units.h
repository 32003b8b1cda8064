#pragma once

#include <string>

namespace corvane {

// Quantity kinds of the request and result values (of the 24 kinds 0..23).
inline constexpr int kQuantitySpeed = 5;     // 1/min
inline constexpr int kQuantityPressure = 9;  // Pa
inline constexpr int kQuantityFlow = 11;     // m³/h
inline constexpr int kQuantityDensity = 15;  // kg/m³
inline constexpr int kQuantityLength = 17;   // mm
inline constexpr int kQuantityDistance = 23; // m

// Quantity kinds 0..23 and unit systems 0..7. Values are held in base units (m³/h, Pa, hPa,
// W, Nm, 1/min, °C, kg/m³, mm, m²); these convert them for display, print and input.
double ToDisplay(int quantity, int unitSystem, double value);
double FromDisplay(int quantity, int unitSystem, double value);
int DisplayDecimals(int decimals, int quantity, int unitSystem);
std::string UnitLabel(int quantity, int unitSystem); // UTF-8
std::string FormatQuantity(int decimals, int quantity, int unitSystem, double value);
// 7 when the locale's code set can show Cyrillic (UTF-8 or CP1251), else 5.
int MaxUnitSystem();
// A stored unit system limited to 0..MaxUnitSystem().
int ClampUnitSystem(int system);

} // namespace corvane
