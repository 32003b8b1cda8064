#pragma once

#include <array>
#include <vector>

namespace corvane {

class TMdbMw;

// One point of a part-load curve (base units, -1 = missing).
struct TPartLoadPoint {
    double Flow = -1;              // m³/h
    double Pressure = -1;          // static (free outlet), Pa
    double TotalPressure = -1;     // Pa
    double ShaftPower = -1;        // W
    double ElectricalPower = -1;   // W: measured, or of the default motor
    double Speed = -1;             // 1/min
    double ShaftEfficiency = -1;   // static, %
    double OverallEfficiency = -1; // static, with motor (and matching factor without one), %
};

// The curve of a fan at a fraction of its selected speed.
struct TPartLoadCurve {
    double SpeedFraction = 0;
    double Speed = 0; // 1/min
    std::vector<TPartLoadPoint> Points;
};

// Speeds of the part-load curves as fractions of the selected speed: the speed itself, the
// speed halfway to 45 %, and 45 %.
inline constexpr std::array<double, 3> kPartLoadFractions = {1.0, 0.725, 0.45};

struct TPartLoadCurves {
    bool Found = false; // the series exists and has points
    bool ElectricalMeasured = false;
    std::array<TPartLoadCurve, kPartLoadFractions.size()> Curves;
};

// The points of a series converted to one speed (sorted ascending by flow) that carry a flow.
// The electrical input is the measured one when the series has electrical readings, else
// that of the default motor on a direct drive.
std::vector<TPartLoadPoint> PartLoadPoints(const TMdbMw& mw);

} // namespace corvane
