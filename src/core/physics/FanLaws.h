#pragma once

namespace corvane {

struct TPointValues;
struct TConvertTargets;
struct TSeriesGeometry;

// Converts one evaluated point (measured diameter and speed, standard density) in place to the
// targets' impeller diameter, speed and air density, applies the model-to-full-size efficiency
// scale-up and the sound corrections, and finally computes the power coefficient Lambda.
// A value of -1 is missing and stays -1; level corrections touch only levels above 0.
// `measuredSpeed` is the speed the point was measured at (1/min, -1 when not measured).
// Allocation-free. A series converts all its points through one TSeriesConversion.
void ConvertPoint(TPointValues& point, const TSeriesGeometry& series, float measuredSpeed,
                  const TConvertTargets& targets);

// Whether a target density converts pressures, powers and levels: it is given and differs
// from the standard density (IsNonStandardDensity).
bool ConvertsDensity(float density);

// The sound part of ConvertPoint alone for one band level (no scale-up); returns the level.
float ConvertBandLevel(float level, const TSeriesGeometry& series, const TConvertTargets& targets,
                       float measuredSpeed);

// Efficiency scale-up factor over the tip speed of an impeller of diameter `d2` (mm) at
// `speed` (1/min); family 0 and 1 have their own tables, family 2 gives 1.
double TipSpeedFactor(int family, double speed, double d2);
// Efficiency scale-up factor over the impeller diameter `d2` (mm); family 2 gives 1.
double SizeFactor(int family, double d2);
// Correction family of an impeller type number: 60..120 → 0, 149..249 → 1, otherwise 2.
int CorrectionFamily(int typeNumber);

} // namespace corvane
