#include "render/curves/CurveFrame.h"

#include "measurements/TMdbMwFieldNo.h"
#include "model/TCurveSet.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

using F = TMdbMwFieldNo;

} // namespace

ECurveYGroup CurveYGroup(int yField) {
    switch (yField) {
    case F::F_PFA:
    case F::F_PTOT:
        return ECurveYGroup::Pressure;
    case F::F_LPC:
    case F::F_LPAC:
    case F::F_LP1:
    case F::F_LP1_A:
    case F::F_LP2:
    case F::F_LP2_A:
    case F::F_LP3:
    case F::F_LP3_A:
    case F::F_RES9:
        return ECurveYGroup::Sound;
    case F::F_UMEAN:
        return ECurveYGroup::Voltage;
    case F::F_NC:
        return ECurveYGroup::Speed;
    default:
        return ECurveYGroup::Other;
    }
}

bool IsPressureField(int yField) {
    return CurveYGroup(yField) == ECurveYGroup::Pressure;
}

TValueRange CurveYRange(const TCurveSet& set, bool dutyPoint) {
    // Without any point the smallest value is still its start value; the axis starts at 0.
    const double minY = set.MinY <= set.MaxY ? set.MinY : 0.0;
    TValueRange r{0, set.MaxY};
    switch (CurveYGroup(set.YField)) {
    case ECurveYGroup::Pressure:
        r.Lo = minY < 0 ? minY : 0;
        if (dutyPoint) r.Hi = std::max(1.1 * set.RequestedPressure, set.MaxY);
        break;
    case ECurveYGroup::Sound:
        r.Lo = std::max(std::trunc(minY / 10) * 10 + 0.001, 0.0);
        break;
    case ECurveYGroup::Voltage:
        r.Lo = std::max(minY, 0.0);
        break;
    case ECurveYGroup::Speed:
        r.Lo = std::max(std::trunc((minY - 10) / 100) * 100 + 1, 0.0);
        r.Hi = std::trunc((set.MaxY + 10) / 100 + 1) * 100 - 1;
        break;
    case ECurveYGroup::Other:
        break;
    }
    r.Hi = std::max(r.Hi, r.Lo + 0.1);
    return r;
}

TCurveFrame CurveFrame(const TCurveSet& set, bool dutyPoint, double linePixels, double plotPixels) {
    TCurveFrame f;
    f.X = NiceLinearScale(0, set.MaxX);
    const TValueRange y = CurveYRange(set, dutyPoint);
    f.Y = NiceLinearScale(y.Lo, y.Hi);
    const double line = linePixels / std::max(plotPixels, 1.0) * f.YSpan();
    f.WorldXMin = f.X.Lo - 0.2 * f.XSpan();
    f.WorldXMax = f.X.Hi + 0.05 * f.XSpan();
    f.WorldYMin = f.Y.Lo - 8 * line;
    f.WorldYMax = f.Y.Hi + 4 * line;
    return f;
}

} // namespace corvane
