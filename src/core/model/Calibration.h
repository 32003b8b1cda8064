#pragma once

#include <cstdint>
#include <span>

namespace corvane {

class TCatalogue;
class TMdbMw;
class TMdbRecord;

// Quadratic calibration of a static-pressure curve: dp_fa ≈ A0 + A1·V + A2·V² (Pa, V in m³/h)
// at the calibrated impeller diameter, the measured speed and standard density, valid for
// flows VMin..VMax. All zero when no calibration was possible.
struct TCalibration {
    double VMin = 0;
    double VMax = 0;
    double A0 = 0;
    double A1 = 0;
    double A2 = 0;
};

// One converted point of a curve: flow (m³/h), static pressure (Pa) and total shaft
// efficiency (per cent, -1 when missing).
struct TCalibrationPoint {
    double Flow = 0;
    double PressureFa = 0;
    double EtaShaftTot = -1;
};

// Calibrates one curve given as points sorted ascending by flow. Fewer than 3 points give the
// all-zero calibration. The validity range covers the points with at least 30 % of the best
// total shaft efficiency, widened to 0.8..1.3 times the flow of the best point; without any
// efficiency it is the flow range of all points.
TCalibration CalibrateCurve(std::span<const TCalibrationPoint> points);

// Recomputes the calibration fields of every impeller and every housing whose curve is the
// series `seriesNo` (housings with the diameter of their impeller). The series is read once
// into a private measured-points table and evaluated per diameter.
void CalibrateSeries(TCatalogue& catalogue, std::int32_t seriesNo);

// The same for records already known to refer to the series: the impellers, then the
// housings, each in the order given (key order, as CalibrateSeries visits them).
void CalibrateRecords(TCatalogue& catalogue, std::int32_t seriesNo,
                      std::span<TMdbRecord* const> impellers,
                      std::span<TMdbRecord* const> housings);
// The same reading the points into `table` (a measured-points table of `catalogue` without
// point cache, kept by a caller that calibrates many series: making one is not cheap).
void CalibrateRecords(TCatalogue& catalogue, std::int32_t seriesNo,
                      std::span<TMdbRecord* const> impellers, std::span<TMdbRecord* const> housings,
                      TMdbMw& table);

} // namespace corvane
