#pragma once

#include "render/diagram/AxisScale.h"

namespace corvane {

struct TCurveSet;

// How the y range of a curve diagram starts, by the quantity drawn.
enum class ECurveYGroup {
    Pressure, // the two pressures: from the smallest value when negative, else 0
    Sound,    // sound pressure levels: from the decade below the smallest level
    Voltage,  // mean voltage: from the smallest value
    Speed,    // speed: whole hundreds around the values
    Other,    // from 0
};
ECurveYGroup CurveYGroup(int yField);
// True for the two pressure fields (static, total).
bool IsPressureField(int yField);

struct TValueRange {
    double Lo = 0;
    double Hi = 1;
};

// The y range of a curve set before rounding. With `dutyPoint` (selection mode, diagram over
// volume flow) a pressure range reaches 1.1 times the requested pressure, so the operating
// point is always inside. The upper bound is at least lower + 0.1.
TValueRange CurveYRange(const TCurveSet& set, bool dutyPoint);

// The axes of a curve diagram: rounded x (from 0) and y ranges with their steps, and the world
// window around them that leaves room for labels and titles: 20 % of the x span on the left,
// 5 % on the right, 8 text lines below and 4 above.
struct TCurveFrame {
    TLinearScale X;
    TLinearScale Y;
    double WorldXMin = 0;
    double WorldXMax = 1;
    double WorldYMin = 0;
    double WorldYMax = 1;

    double XSpan() const { return X.Hi - X.Lo; }
    double YSpan() const { return Y.Hi - Y.Lo; }
};

// `linePixels`: height of one text line, `plotPixels`: height of the plot area.
TCurveFrame CurveFrame(const TCurveSet& set, bool dutyPoint, double linePixels, double plotPixels);

} // namespace corvane
