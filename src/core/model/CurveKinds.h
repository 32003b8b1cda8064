#pragma once

namespace corvane {

// Curve kinds 0..28 (also the diagram codes of the curve windows): each fixes the quantity
// drawn over volume flow or over the flow coefficient. Kind 0 is the print preview entry and
// draws like kind 1; kinds outside 0..28 do the same.
inline constexpr int kFirstCurveKind = 1;
inline constexpr int kLastCurveKind = 28;
// The kind that shows the six microphone readings of the first series.
inline constexpr int kMicrophoneCurveKind = 28;

// x and y field numbers of the measured-points table for a curve kind.
struct TCurveFields {
    int XField = 0;
    int YField = 0;
};

TCurveFields FieldsForCurveKind(int kind);
// True when the kind is drawn over the flow coefficient instead of the volume flow.
bool CurveKindOverCoefficient(int kind);
// Title of a curve kind in text language 0 German, 1 English, 2 Russian (clamped); UTF-8.
// Empty outside 0..28.
const char* CurveKindCaption(int kind, int language);

} // namespace corvane
