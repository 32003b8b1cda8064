#pragma once

#include "model/CurveFit.h"

#include <array>
#include <vector>

namespace corvane {

// One measured point of the series a map is made of, evaluated at standard density, in base
// units: m³/h, Pa, %, W, dB, 1/min. A value of -1 is missing.
struct TMapPoint {
    double Flow = -1;
    double Pressure = -1;
    double Efficiency = -1;
    double Power = -1;
    double Level = -1;
    double Speed = -1;
};

struct TMapXY {
    double Flow = 0;
    double Pressure = 0;
};

// One line of a map family: its parameter (speed, efficiency, power in W or level), the
// points it runs through (ascending flow), and for efficiency lines its two end points.
struct TMapLine {
    double Value = 0;
    std::vector<TMapXY> Points;
    TMapXY Low;             // efficiency line: point on the lowest-speed curve
    TMapXY High;            // efficiency line: point on the highest-speed curve
    bool Operating = false; // speed line at the operating speed: thick, unlabelled
    TPolyCoefficients Fit{};
};

enum EMapFamily { kMapEfficiency = 0, kMapSpeed = 1, kMapPower = 2, kMapSound = 3 };
inline constexpr int kMapFamilies = 4;
inline constexpr int kMaxMapLines = 40;

// The characteristic map of one series: axis ranges, the best efficiency and the
// efficiencies at the ends of the measured curve, and four line families. Efficiency lines
// run from the outermost left line over the best point to the outermost right line.
struct TMapLines {
    double FlowMin = 0;
    double FlowMax = 0;
    double PressureMin = 0;
    double PressureMax = 0;
    double BestEfficiency = 0;
    int BestIndex = -1; // index into the valid base points
    double LeftEfficiency = 0;
    double RightEfficiency = 0;
    std::array<std::vector<TMapLine>, kMapFamilies> Families;

    bool Empty() const { return Families[kMapEfficiency].empty(); }
    const std::vector<TMapLine>& Family(EMapFamily f) const { return Families[f]; }
};

} // namespace corvane
