#pragma once

#include "efficiency/TEfficiencyGrade.h"
#include "physics/AirDensity.h"

namespace corvane {

class TMdbMw;

// The duty point of a result row (base units).
struct TGradeDuty {
    double Flow = -1;                  // m³/h
    double TotalPressure = -1;         // Pa
    double ShaftPower = -1;            // W
    double Density = kStandardDensity; // kg/m³
};

// Whether the series was measured with its motor: every point with a flow has an electrical
// input above 0.
bool HasElectricalReadings(const TMdbMw& mw);

// The best-efficiency point on the polynomial fitted to the static or total shaft efficiency
// over the flow, inside the measured flow range, with shaft power and electrical input
// interpolated there. `mw` holds the converted series sorted ascending by flow. Not found
// with fewer than three points carrying flow and efficiency, or without shaft power there.
TBestEfficiencyPoint FindBestEfficiencyPoint(const TMdbMw& mw, EEfficiencyCategory category,
                                             int coefficientCount);

// The Fan Energy Index at the duty point of a converted series (sorted ascending by flow):
// the measured electrical input there when the series has electrical readings, else the
// duty's shaft power over the reference motor on a direct drive.
TFanEnergyIndex FanEnergyIndexAtDuty(const TMdbMw& mw, const TGradeDuty& duty);

// Grades a converted series (sorted ascending by flow) as a fan of the given type, with or
// without housing, and computes the Fan Energy Index at the duty point.
TEfficiencyGrade GradeConvertedSeries(const TMdbMw& mw, EFanType type, bool housed,
                                      const TGradeDuty& duty, const TGradeOptions& options);

} // namespace corvane
