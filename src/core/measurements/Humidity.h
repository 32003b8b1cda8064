#pragma once

namespace corvane {

// Water content of humid air in g/kg at temperature t (°C) and relative humidity rf (%),
// interpolated bilinearly in a table over -20..50 °C and 0..100 %; inputs outside the table
// take its border values (no extrapolation).
double WaterContent(double t, double rf);

// The humidity term of the air density formula: x (1 + x/1000) 100000 /
// ((x/1000 + 0.622) 461.5 (t + 273)) with x = WaterContent(t, rf).
double HumidityTerm(double t, double rf);

// Density in kg/m³ of the air on the test rig from its readings: barometric pressure pb
// (hPa), room temperature rt (°C; -1, a missing reading, counts as 20 °C) and relative
// humidity rf (%).
double MeasuredAirDensity(float pb, float rt, float rf);

} // namespace corvane
