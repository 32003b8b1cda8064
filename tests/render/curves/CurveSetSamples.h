#pragma once

#include "measurements/TMdbMwFieldNo.h"
#include "model/CurveKinds.h"
#include "model/TCurveSet.h"

#include <initializer_list>
#include <utility>

namespace corvane::test {

// A curve set of `kind` with curves through the given points (x ascending), fitted with the
// default style, and the bounds a built set would have.
inline TCurveSet
SampleSet(int kind,
          std::initializer_list<std::initializer_list<std::pair<double, double>>> curves) {
    TCurveSet set = TCurveSet::ForKind(kind);
    for (const auto& points : curves) {
        TCurve& curve = set.Curves[static_cast<std::size_t>(set.CurveCount++)];
        curve.Slot = set.CurveCount;
        curve.YField = set.YField;
        for (const auto& [x, y] : points) {
            curve.AddPoint(x, y);
            set.MaxX = std::max(set.MaxX, x);
            set.MaxY = std::max(set.MaxY, y);
            set.MinY = std::min(set.MinY, y);
        }
        curve.FitPolynomial(kDefaultCurveStyle);
    }
    return set;
}

// Static pressure over flow of two fans, the duty point 5000 m³/h at 800 Pa, 10 % flow
// tolerance.
inline TCurveSet PressureSet() {
    TCurveSet set =
        SampleSet(1, {{{0, 1000}, {2000, 980}, {4000, 880}, {6000, 650}, {8000, 300}, {9000, 0}},
                      {{0, 700}, {3000, 690}, {6000, 560}, {9000, 300}, {11000, 0}}});
    set.RequestedFlow = 5000;
    set.RequestedPressure = 800;
    set.Tolerance = 10;
    set.FixedQuantity = 0;
    return set;
}

} // namespace corvane::test
