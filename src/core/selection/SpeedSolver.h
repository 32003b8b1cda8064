#pragma once

#include "model/Calibration.h"

#include <cstdint>
#include <string_view>

namespace corvane {

class TMdbMw;
struct TAuswahlParam;
struct TWarenkorbEintrag;

// Speed class of a candidate that is outside every speed margin.
inline constexpr std::int32_t kSpeedRejected = -1;

// What the speed solution needs to know about one impeller (or housing with its impeller).
struct TSpeedCandidate {
    float D2 = 0;       // impeller diameter "D2", mm
    float MinSpeed = 0; // "min. Drehzahl", 1/min
    float MaxSpeed = 0; // "max. Drehzahl", 1/min; not greater than 1: no limit recorded
    // Texts of the catalogue's tables (valid while the tables are unchanged).
    std::string_view TypeDesignation;             // "Typ-Bezeichnung" of the impeller's type
    std::string_view SheetNo;                     // "Blatt-Nr." of the impeller
    std::int32_t SeriesNo = 0;                    // series holding the curve
    TCalibration Calibration;                     // of the record being tried (housing or impeller)
    const TWarenkorbEintrag* CartEntry = nullptr; // stored speed and flow (cart mode)
};

// Outcome for one candidate: speed, operating point and speed class.
struct TSpeedResult {
    bool Accepted = false;
    double Speed = 0;    // 1/min
    double Flow = 0;     // V_op, m³/h
    double Pressure = 0; // dp_op, Pa (static, free outlet)
    std::int32_t SpeedClass = kSpeedRejected;

    // How the solution left the measured-points table (computed-speed modes), so that a
    // search can give another candidate with the same series, diameter and calibration the
    // same solution and table without solving again:
    bool Repeatable = false; // the outcome does not depend on the table's point order before
    bool Loaded = false;     // the series was loaded, last converted to LoadedSpeed
    float LoadedSpeed = 0;
    bool LoadedFlowsOnly = false; // that last load converted flows and pressures alone
};

// System parabola coefficient at standard density: dp = k·V² through the requested point.
double SystemConstant(const TAuswahlParam& request);

// Quick estimate of the operating flow: where the calibrated curve meets the system parabola
// dp = k·V² inside the calibrated flow range; the larger flow when both intersections lie in
// it, -1 when none does.
double CalibratedOperatingFlow(const TCalibration& calibration, double k);

// Finds the speed at which the candidate's converted curve meets the requested point (or
// checks the given speed, depending on the search mode) and classifies it. On return `mw`
// holds the candidate's series converted to (requested density, D2, speed), sorted
// ascending by flow, whenever the series was loaded; for a candidate that is not accepted
// only flows, static pressures and shaft powers may be converted (TMdbMw::LoadSeriesFlows),
// and at a given or manual speed also the points at the operating flow (TMdbMw::EvaluateAt).
TSpeedResult SolveCandidate(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                            TMdbMw& mw);
// The same without the speed classification (SpeedClass stays kSpeedRejected).
TSpeedResult SolveSpeed(const TAuswahlParam& request, const TSpeedCandidate& candidate, TMdbMw& mw);

// Leaves `mw` as SolveSpeed left it when it gave `result`: the same loaded series, targets
// and point order. For a Repeatable result of the same request and a candidate of series
// `seriesNo` and diameter `d2`.
void RepeatTableUse(const TAuswahlParam& request, std::int32_t seriesNo, float d2,
                    const TSpeedResult& result, TMdbMw& mw);

// Speed class of an accepted candidate running at `speed`: 0 within the limits, 1 / 2 no
// limits recorded (with / without sheet number), 10..12 and 20, 21 reinforced designs above
// the maximum speed; kSpeedRejected when outside every margin.
std::int32_t ClassifySpeed(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                           double speed);

} // namespace corvane
