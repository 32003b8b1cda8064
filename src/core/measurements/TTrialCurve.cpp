#include "measurements/TTrialCurve.h"

#include "measurements/TMdbMw.h"
#include "measurements/TSeriesBase.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {
// Relative gap between neighbouring flows that no rounding can close: far above the error of
// the double factors (about 1e-15) and a single-precision step (6e-8).
constexpr double kSafeGap = 1e-6;
} // namespace

// When every point converts by its own speed ratio, the converted flow of a point is
//   V · g³ · (n / nm) · cbrt(ft(n) / fm) = [V / (nm · cbrt(fm))] · g³ · n · cbrt(ft(n))
// (without the cube root for series without scale-up): the bracket is the same factor for
// all points, so the order of the points does not depend on the trial speed n. When the
// brackets of neighbouring points differ by far more than any rounding, the computed flows
// are strictly ascending at every such speed, and a trial needs to convert only the points
// that the interpolation looks at.
void TTrialCurve::Take(TMdbMw& mw) {
    mw.ViewBase(view_);
    points_.clear();
    for (const TPointBase* base : view_)
        points_.push_back({base->Values.Flow, base->Values.PFa, base->Values.Speed, base->ModelTip,
                           base->SpeedFreeFlow});
    taken_ = mw.Conversion();
    flows_.assign(points_.size(), 0);
    pressureFactors_.assign(points_.size(), 1);
    convertedIn_.assign(points_.size(), 0);

    lowestSpeed_ = highestSpeed_ = points_.empty() ? 0.0f : points_.front().MeasuredSpeed;
    for (const TPoint& p : points_) {
        lowestSpeed_ = std::min(lowestSpeed_, p.MeasuredSpeed);
        highestSpeed_ = std::max(highestSpeed_, p.MeasuredSpeed);
    }

    separated_ = !view_.empty();
    double previous = 0;
    for (std::size_t i = 0; i < view_.size() && separated_; ++i) {
        const TPointBase& p = *view_[i];
        const bool converts = p.Values.Flow >= 0 && p.Values.Speed > 0 && p.ModelTip > 0;
        if (!converts || (i > 0 && !(p.SpeedFreeFlow > previous * (1 + kSafeGap))))
            separated_ = false;
        previous = p.SpeedFreeFlow;
    }
}

bool TTrialCurve::AllSpeedsConvert(float speed) const {
    if (!(speed > 0)) return false;
    // Outside the range of the measured speeds no point was measured at the trial speed.
    if (speed < lowestSpeed_ || speed > highestSpeed_) return true;
    for (const TPoint& p : points_)
        if (p.MeasuredSpeed == speed) return false;
    return true;
}

void TTrialCurve::Convert(std::size_t i) {
    if (convertedIn_[i] == trialNo_) return;
    const TPoint& p = points_[i];
    const auto factors = trial_.FlowPressureFactors(p.MeasuredSpeed, p.ModelTip);
    flows_[i] = TSeriesConversion::Scaled(p.Flow, factors.Flow);
    pressureFactors_[i] = factors.Pressure;
    convertedIn_[i] = trialNo_;
}

std::partial_ordering TTrialCurve::FlowOrder(std::size_t i, float flow, double scale) {
    // The estimate is within about 1e-14 of the double product the converted flow rounds
    // from, and that rounding is within 6e-8: beyond kSafeGap the order is certain.
    const double estimate = points_[i].SpeedFreeFlow * scale;
    const double x = flow;
    if (estimate > x * (1 + kSafeGap)) return std::partial_ordering::greater;
    if (estimate < x * (1 - kSafeGap)) return std::partial_ordering::less;
    Convert(i);
    return flows_[i] <=> flow;
}

TTrialCurve::TTrial TTrialCurve::PressureAt(float speed, float flow) {
    trial_ = taken_.WithSpeed(speed);
    ++trialNo_;
    TTrial trial;
    trial.Ascending = true;
    const auto xAt = [this](std::size_t i) {
        Convert(i);
        return flows_[i];
    };
    const auto yAt = [this](std::size_t i) {
        Convert(i);
        return static_cast<double>(TSeriesConversion::Scaled(points_[i].PFa, pressureFactors_[i]));
    };
    if (!separated_ || !AllSpeedsConvert(speed)) {
        for (std::size_t i = 0; i < points_.size(); ++i) {
            Convert(i);
            // A NaN fails the comparison too.
            if (i > 0 && !(flows_[i - 1] < flows_[i])) trial.Ascending = false;
        }
        trial.Pressure = InterpolateAscending(points_.size(), flow, xAt, yAt);
        return trial;
    }
    // Every point converts by its own speed ratio: the positions the interpolation compares
    // with the flow asked for are mostly decided by the speed-free flows, and only the two
    // points it interpolates between are converted.
    const double scale = trial_.SpeedFreeFlowScale();
    if (!(flow > 0) || !std::isfinite(flow) || !std::isfinite(scale) || !(scale > 0)) {
        trial.Pressure = InterpolateAscending(points_.size(), flow, xAt, yAt);
        return trial;
    }
    trial.Pressure =
        InterpolateAscending(points_.size(), flow, xAt, yAt, [this, flow, scale](std::size_t i) {
            return FlowOrder(i, flow, scale);
        });
    return trial;
}

} // namespace corvane
