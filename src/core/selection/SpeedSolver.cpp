#include "selection/SpeedSolver.h"

#include "catalogue/ReinforcedPrefixes.h"
#include "measurements/TMdbMw.h"
#include "measurements/TTrialCurve.h"
#include "selection/TAuswahlParam.h"
#include "selection/TWarenkorbEintrag.h"
#include "util/Numbers.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace corvane {

namespace {

constexpr int kBracketSteps = 5;
constexpr int kBisectionRounds = 10;

// Loads the series converted to the targets and sorts it by flow: a conversion to a common
// speed may change the order of points measured at different speeds. A view that is already
// strictly ascending is what the sort would leave, so it is not sorted again. `distinct`
// tells whether the flows are pairwise distinct, so that the sorted order does not depend
// on the order before.
// With `flowsOnly` only flows and static pressures are converted, with `powers` also the
// shaft powers (TMdbMw::LoadSeriesFlows).
bool LoadSorted(TMdbMw& mw, std::int32_t seriesNo, double density, double d2, double speed,
                bool* distinct = nullptr, bool flowsOnly = false, bool powers = false) {
    const auto rho = static_cast<float>(density);
    const auto d = static_cast<float>(d2);
    const auto n = static_cast<float>(speed);
    if (!(flowsOnly ? mw.LoadSeriesFlows(seriesNo, rho, d, n, powers)
                    : mw.LoadSeries(seriesNo, rho, d, n)))
        return false;
    bool ascending = mw.FlowsAscending();
    if (!ascending) {
        mw.Sort(TMdbMw::F_VC, false);
        ascending = mw.FlowsAscending();
    }
    if (distinct != nullptr) *distinct = ascending;
    return true;
}

TCurveValue PressureAt(const TMdbMw& mw, double flow) {
    return mw.Interpolate(TMdbMw::F_VC, TMdbMw::F_PFA, static_cast<float>(flow));
}

} // namespace

double CalibratedOperatingFlow(const TCalibration& cal, double k) {
    const double a = 2 * (cal.A2 - k);
    const double b = cal.A1;
    const double c = cal.A0;
    const double discriminant = b * b - 2 * a * c;
    if (!(std::fabs(a) > 1e-6) || discriminant < 0) return -1;
    const double root = std::sqrt(discriminant);
    const double x1 = (root - b) / a;
    const double x2 = (-root - b) / a;
    const auto inRange = [&cal](double x) { return cal.VMin <= x && x <= cal.VMax; };
    double v = inRange(x1) ? x1 : -1;
    if (inRange(x2) && x2 > v) v = x2;
    return v;
}

namespace {

// What the computed-speed solution did to the measured-points table: its last load, and
// whether every sort by flow met pairwise distinct flows (then the sorted order is the only
// one, whatever the order before).
struct TTableUse {
    bool Loaded = false;
    float Speed = 0;
    bool FlowsOnly = false;
    bool Distinct = true;

    bool Load(TMdbMw& mw, const TAuswahlParam& request, const TSpeedCandidate& candidate,
              double speed, bool flowsOnly = false, bool powers = false) {
        Loaded = true;
        Speed = static_cast<float>(speed);
        FlowsOnly = flowsOnly;
        bool distinct = true;
        const bool loaded = LoadSorted(mw, candidate.SeriesNo, request.RequestedDensity,
                                       candidate.D2, speed, &distinct, flowsOnly, powers);
        Distinct = Distinct && distinct;
        return loaded;
    }
    // Tells the result how the table was left.
    void Note(TSpeedResult& result) const {
        result.Repeatable = Distinct;
        result.Loaded = Loaded;
        result.LoadedSpeed = Speed;
        result.LoadedFlowsOnly = FlowsOnly;
    }
};

// The pressure error e(n) = dp_req - dp_fa(V_req) on the series converted to speed n, with
// the best speed seen so far.
class TPressureError {
public:
    TPressureError(const TAuswahlParam& request, const TSpeedCandidate& candidate, TMdbMw& mw,
                   TTableUse& use)
        : request_(request), candidate_(candidate), mw_(mw), use_(use), curve_(mw.TrialCurve()) {}

    // Evaluates e(n); `found` tells whether the interpolation succeeded. The error of a
    // failed interpolation (the end value of the curve) still gives the scans a sign.
    double operator()(double n, bool* found = nullptr) {
        const TCurveValue p = PressureAtSpeed(n);
        const double e = request_.RequestedPressure - p.Value;
        if (found != nullptr) *found = p.Found;
        if (p.Found && (!hasBest_ || std::fabs(e) < bestError_)) {
            hasBest_ = true;
            bestError_ = std::fabs(e);
            bestSpeed_ = n;
        }
        return e;
    }

    // Scans from `from` to `to` in `steps` equal steps (both ends included) and stops at the
    // first change of sign, giving the two speeds of that step in scan order.
    bool Scan(double from, double to, int steps, double& a, double& b) {
        double previous = from;
        bool positive = (*this)(from) > 0;
        for (int i = 1; i <= steps; ++i) {
            const double n = from + (to - from) * i / steps;
            const bool p = (*this)(n) > 0;
            if (p != positive) {
                a = previous;
                b = n;
                return true;
            }
            previous = n;
            positive = p;
        }
        return false;
    }

    double BestError() const { return bestError_; }
    double BestSpeed() const { return bestSpeed_; }

private:
    // The curve depends on the speed only as the single-precision target of the conversion,
    // so the pressure of every target converted once is remembered: the scans and bisection
    // rounds come back to the ends of their brackets. A new target is tried on the trial
    // curve (flow and pressure of every point alone, in the table's order); only when the
    // conversion changes the order of the points is the table loaded and sorted instead.
    TCurveValue PressureAtSpeed(double n) {
        const auto target = static_cast<float>(n);
        for (std::size_t i = 0; i < memoCount_; ++i)
            if (memo_[i].Speed == target) return memo_[i].Pressure;
        if (!curveTaken_) {
            curve_.Take(mw_);
            curveTaken_ = true;
        }
        const TTrialCurve::TTrial trial =
            curve_.PressureAt(target, static_cast<float>(request_.RequestedFlow));
        TCurveValue p = trial.Pressure;
        if (!trial.Ascending) {
            use_.Load(mw_, request_, candidate_, n);
            p = PressureAt(mw_, request_.RequestedFlow);
            curveTaken_ = false; // the sort may have moved points
        }
        if (memoCount_ < memo_.size()) memo_[memoCount_++] = {target, p};
        return p;
    }

    struct TMemo {
        float Speed = 0;
        TCurveValue Pressure;
    };

    const TAuswahlParam& request_;
    const TSpeedCandidate& candidate_;
    TMdbMw& mw_;
    TTableUse& use_;
    TTrialCurve& curve_;
    bool curveTaken_ = false;
    // One bracket scan down and one up of 6 targets, 10 rounds of 3, and the start.
    std::array<TMemo, 48> memo_{};
    std::size_t memoCount_ = 0;
    bool hasBest_ = false;
    double bestError_ = 0;
    double bestSpeed_ = 0;
};

TSpeedResult ComputedSpeed(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                           TMdbMw& mw, TTableUse& use) {
    TSpeedResult result;
    const double vStar = CalibratedOperatingFlow(candidate.Calibration, SystemConstant(request));
    if (!(vStar > 0)) return result;

    // The start needs the flows and the measured speeds (raw readings) alone; every later
    // load converts in full.
    if (!use.Load(mw, request, candidate, -1, true)) return result;
    const TCurveValue measuredSpeed =
        mw.Interpolate(TMdbMw::F_VC, TMdbMw::F_N, static_cast<float>(vStar));
    if (!measuredSpeed.Found) return result;
    // Similar points on the system parabola move proportionally with the speed.
    const double ns = measuredSpeed.Value * request.RequestedFlow / vStar;
    // Points without a measured speed (-1) give no start; a negative target would mean
    // "keep the measured speed" to the conversion.
    if (!(ns > 0)) return result;

    TPressureError error(request, candidate, mw, use);
    bool found = false;
    error(ns, &found);
    if (!found) return result;

    double a = 0;
    double b = 0;
    bool bracket = error.Scan(ns, 0.9 * ns, kBracketSteps, a, b);
    if (!bracket) bracket = error.Scan(ns, 1.1 * ns, kBracketSteps, a, b);
    if (bracket) {
        for (int round = 0; round < kBisectionRounds; ++round) {
            if (!(error.BestError() > 0.001 * request.RequestedPressure)) break;
            double na = 0;
            double nb = 0;
            if (!error.Scan(a, b, 2, na, nb)) break;
            a = na;
            b = nb;
        }
    }

    if (!(error.BestError() < 0.05 * request.RequestedPressure) ||
        error.BestSpeed() > request.MaxSpeed)
        return result;

    const double n = RoundHalfEven(error.BestSpeed());
    use.Load(mw, request, candidate, n);
    const TCurveValue p = PressureAt(mw, request.RequestedFlow);
    if (!p.Found) return result;
    result.Accepted = true;
    result.Speed = n;
    result.Flow = request.RequestedFlow;
    result.Pressure = p.Value;
    return result;
}

// Modes 0 and 3: the speed through the operating point.
TSpeedResult SolveComputedSpeed(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                                TMdbMw& mw) {
    TTableUse use;
    TSpeedResult result = ComputedSpeed(request, candidate, mw, use);
    use.Note(result);
    return result;
}

// Mode 1: the given speed, the point within the tolerance in flow or in pressure.
TSpeedResult SolveGivenSpeed(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                             TMdbMw& mw) {
    TSpeedResult result;
    const double n = request.GivenSpeed;
    // Most candidates miss the point: the decision needs flows and static pressures alone,
    // and of an accepted candidate only the points its row is read at are converted in full.
    TTableUse use;
    const bool loaded = use.Load(mw, request, candidate, n, true);
    use.Note(result);
    if (!loaded) return result;
    const auto evaluate = [&](TSpeedResult& accepted) {
        if (accepted.Accepted) {
            // The same flows again, with the shaft powers: the view stays sorted.
            mw.LoadSeriesFlows(candidate.SeriesNo, static_cast<float>(request.RequestedDensity),
                               static_cast<float>(candidate.D2), static_cast<float>(n), true);
            mw.EvaluateAt(static_cast<float>(accepted.Flow));
        }
        return accepted;
    };
    result.Speed = n;
    const double deviation = request.Tolerance / 100;
    if (request.FixedQuantity == 0) {
        const double lo = (1 - deviation) * request.RequestedFlow;
        const double hi = (1 + deviation) * request.RequestedFlow;
        const double v =
            mw.FindXForY(TMdbMw::F_VC, TMdbMw::F_PFA, request.RequestedPressure, lo, hi);
        result.Flow = v;
        result.Pressure = request.RequestedPressure;
        result.Accepted = lo <= v && v <= hi;
        return evaluate(result);
    } else {
        const TCurveValue p = PressureAt(mw, request.RequestedFlow);
        result.Flow = request.RequestedFlow;
        result.Pressure = p.Value;
        result.Accepted = p.Found && (1 - deviation) * request.RequestedPressure <= p.Value &&
                          p.Value <= (1 + deviation) * request.RequestedPressure;
        return evaluate(result);
    }
}

// Mode 2: the given speed at the largest flow of the curve.
TSpeedResult SolveManualSpeed(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                              TMdbMw& mw) {
    TSpeedResult result;
    const double n = request.GivenSpeed;
    TTableUse use;
    const bool loaded = use.Load(mw, request, candidate, n, true, true);
    use.Note(result);
    if (!loaded || mw.ViewCount() < 1) return result;
    result.Speed = n;
    const float flow = mw.GetFloat(mw.ViewRecord(mw.ViewCount() - 1), TMdbMw::F_VC);
    result.Flow = flow;
    result.Pressure = PressureAt(mw, result.Flow).Value;
    // Every candidate is accepted, and its values are read at that flow alone (and its
    // largest shaft power): only the points there are converted in full.
    mw.EvaluateAt(flow);
    result.Accepted = true;
    return result;
}

// Mode 4: the stored speed and flow of a cart entry.
TSpeedResult SolveCartEntry(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                            TMdbMw& mw) {
    TSpeedResult result;
    if (candidate.CartEntry == nullptr) return result;
    const double n = candidate.CartEntry->Speed;
    if (!LoadSorted(mw, candidate.SeriesNo, request.RequestedDensity, candidate.D2, n))
        return result;
    result.Speed = n;
    result.Flow = candidate.CartEntry->Flow;
    result.Pressure = PressureAt(mw, result.Flow).Value;
    result.Accepted = true;
    return result;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

double SystemConstant(const TAuswahlParam& request) {
    const double v = request.RequestedFlow;
    if (!(v > 1e-6)) return 0;
    return request.RequestedPressure * kStandardDensity / request.RequestedDensity / (v * v);
}

TSpeedResult SolveCandidate(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                            TMdbMw& mw) {
    TSpeedResult result = SolveSpeed(request, candidate, mw);
    if (!result.Accepted) return result;
    result.SpeedClass = ClassifySpeed(request, candidate, result.Speed);
    result.Accepted = result.SpeedClass != kSpeedRejected;
    return result;
}

TSpeedResult SolveSpeed(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                        TMdbMw& mw) {
    switch (request.SearchMode) {
    case SearchComputedSpeed:
    case SearchComputedReinforced:
        return SolveComputedSpeed(request, candidate, mw);
    case SearchFixedSpeed:
        return SolveGivenSpeed(request, candidate, mw);
    case SearchManualSpeed:
        return SolveManualSpeed(request, candidate, mw);
    case SearchCart:
        return SolveCartEntry(request, candidate, mw);
    default:
        return {};
    }
}

void RepeatTableUse(const TAuswahlParam& request, std::int32_t seriesNo, float d2,
                    const TSpeedResult& result, TMdbMw& mw) {
    if (result.Loaded)
        LoadSorted(mw, seriesNo, request.RequestedDensity, d2, result.LoadedSpeed, nullptr,
                   result.LoadedFlowsOnly);
}

std::int32_t ClassifySpeed(const TAuswahlParam& request, const TSpeedCandidate& candidate,
                           double speed) {
    const double nmax = candidate.MaxSpeed;
    if (!(nmax > 1)) return candidate.SheetNo.empty() ? 2 : 1;

    if (speed < candidate.MinSpeed && request.SearchMode != SearchManualSpeed)
        return kSpeedRejected;
    if (speed <= nmax) return 0;
    if (request.SearchMode == SearchComputedSpeed) return kSpeedRejected;

    const std::string_view type = candidate.TypeDesignation;
    if (StartsWith(type, ReinforcedPrefix1) && !StartsWith(type, ReinforcedExclude1) &&
        !StartsWith(type, ReinforcedExclude2)) {
        if (speed <= 1.1 * nmax) return 10;
        if (speed <= 1.2 * nmax) return 11;
        if (speed <= 1.3 * nmax) return 12;
        return kSpeedRejected;
    }
    if (StartsWith(type, ReinforcedPrefix2) && type.size() > 2 && type.back() == '2') {
        const char secondLast = type[type.size() - 2];
        if (secondLast == 'A' || secondLast == 'B' || secondLast == 'F') {
            if (speed <= 1.1 * nmax) return 20;
            if (speed <= 1.2 * nmax) return 21;
        }
    }
    return kSpeedRejected;
}

} // namespace corvane
