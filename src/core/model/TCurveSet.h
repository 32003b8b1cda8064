#pragma once

#include "model/TCurve.h"

#include <array>
#include <cstdint>

namespace corvane {

class TMessAuswahl;

// The curves of one curve kind built from the series selection, in the evaluation ("print")
// unit system, with the axis bounds of all curves and the duty point of the search.
struct TCurveSet {
    static constexpr int kMaxCurves = 10;

    std::int32_t Kind = 0;
    std::int32_t FontSize = 0; // label font size, set by the drawing code
    std::int32_t XField = 0;
    std::int32_t YField = 0;
    std::int32_t FixedQuantity = -1;
    double RequestedFlow = 0;     // evaluation unit system
    double RequestedPressure = 0; // evaluation unit system
    double Tolerance = 0;         // per cent
    double MaxX = 0.1;            // largest x of all curves, at least 0.1
    double MaxY = 0.1;            // largest y of all curves, at least 0.1
    double MinY = 10000;          // smallest y of all curves, at most 10000
    int CurveCount = 0;
    std::array<TCurve, kMaxCurves> Curves{};

    // An empty set of a kind with its x and y fields.
    static TCurveSet ForKind(int kind);
};

// Fills `set` (Kind, XField and YField already set, see TCurveSet::ForKind) from the selected
// series: one curve per slot, or for the microphone kind the six microphone readings of the
// first slot; up to 100 points of smallest x per curve, points with a missing x or y left out;
// a fit per curve for the fitted styles. Sorts the slot tables by the x field.
void BuildCurveSet(TCurveSet& set, TMessAuswahl& selection, int curveStyle);

} // namespace corvane
