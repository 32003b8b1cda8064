#pragma once

#include "physics/TPointValues.h"

#include <algorithm>
#include <cmath>

namespace corvane {

// The conversion of the points of one series to one set of targets. Everything that depends
// only on the series geometry and the targets (diameter ratio, scale-up of the size, density
// and distance terms, the tip-speed factor at the target speed) is computed once here; the
// per-point work is the fan laws with the point's own measured speed.
//
// The points of a series are converted once per change of targets, and the speed solution
// tries a dozen speeds per candidate: the speed part can be exchanged without recomputing
// the rest (WithSpeed), and flow and static pressure can be converted alone. Both give the
// values of the full conversion to the last bit.
class TSeriesConversion {
public:
    TSeriesConversion(const TSeriesGeometry& series, const TConvertTargets& targets);

    // The same conversion to another target speed (1/min, -1 keeps the measured speed).
    TSeriesConversion WithSpeed(float speed) const;
    // Whether this converts `series` to `targets`, or does so but for the target speed
    // (values compared bit for bit).
    bool Fits(const TSeriesGeometry& series, const TConvertTargets& targets) const;
    bool HasSpeed(float speed) const;

    // Tip-speed factor of the measurement itself (the model side of the scale-up) for a
    // point measured at `measuredSpeed`: it depends only on the series and the point, so a
    // series can keep it with its points.
    static double ModelTipFactor(const TSeriesGeometry& series, float measuredSpeed);

    // Converts one evaluated point in place (see ConvertPoint); `modelTip` is
    // ModelTipFactor(series, measuredSpeed).
    void Convert(TPointValues& point, float measuredSpeed, double modelTip) const;

    // The factors Convert applies to the flow and to the static pressure of a point.
    struct TFlowPressure {
        double Flow = 1;
        double Pressure = 1;
        double Power = 1; // shaft and other powers (FlowPressurePowerFactors only)
    };
    // They are inline, as the factors of each point are: a load converts every point.
    TFlowPressure FlowPressureFactors(float measuredSpeed, double modelTip) const {
        const TPointFactors f = Factors(measuredSpeed, modelTip);
        return {f.Flow, f.Pressure};
    }
    // The same with the power factor.
    TFlowPressure FlowPressurePowerFactors(float measuredSpeed, double modelTip) const {
        const TPointFactors f = Factors(measuredSpeed, modelTip);
        return {f.Flow, f.Pressure, PowerFactor(f)};
    }
    // When the target speed differs from every point's measured speed, the flow factor of a
    // point is this common scale times H/n · cbrt(1 / modelTip) (without the root for series
    // without scale-up): the converted flow is about TPointBase::SpeedFreeFlow times this,
    // within a few units of rounding of the double factors.
    double SpeedFreeFlowScale() const;

    // Applies a factor to a value that is not missing (-1), rounding once to single precision.
    static float Scaled(float value, double factor) {
        return value != -1.0f ? static_cast<float>(value * factor) : value;
    }

    // Adds to a level above 0.
    static void ShiftLevel(float& level, double delta) {
        if (level > 0) level = static_cast<float>(level + delta);
    }
    // Lowers a level above 0 by the distance term, never below 0.
    static void LevelToDistance(float& level, double delta) {
        if (level > 0) level = static_cast<float>(std::max(level - delta, 0.0));
    }

private:
    // The fan-law factors of one point that depend on its measured speed.
    struct TPointFactors {
        bool SpeedStep = false;
        double H = 1;         // speed ratio
        double Flow = 1;      // diameter, speed and scale-up
        double Pressure = 1;  // diameter, speed, scale-up and density
        bool ScaleUp = false; // efficiencies and coefficients get the size scale-up
    };
    TPointFactors Factors(float measuredSpeed, double modelTip) const {
        TPointFactors f;
        const double nm = measuredSpeed;
        f.SpeedStep = targets_.Speed > 0 && measuredSpeed > 0 && targets_.Speed != measuredSpeed;
        double n = nm;
        if (f.SpeedStep) {
            f.H = targets_.Speed / nm;
            n = targets_.Speed;
        }
        // Each quantity collects its factors and is multiplied once at the end, so a missing
        // value is tested once and rounded to float once.
        const double g2 = g_ * g_;
        f.Flow = g2 * g_ * f.H;
        f.Pressure = g2 * f.H * f.H;
        if ((diameterStep_ || f.SpeedStep) && series_.Family != 2) {
            // Scale-up from the model to the converted size and tip speed.
            const double ft = f.SpeedStep ? targetTip_ : TipAt(n);
            if (ft != modelTip) {
                const double tip = std::cbrt(ft / modelTip);
                f.Flow *= tip;
                f.Pressure *= tip * tip;
            }
            f.ScaleUp = true;
        }
        if (densityStep_) f.Pressure *= densityRatio_;
        return f;
    }
    // The factor of the powers (diameter, speed and density).
    double PowerFactor(const TPointFactors& f) const {
        const double g2 = g_ * g_;
        const double g5 = g2 * g2 * g_;
        double power = g5 * f.H * f.H * f.H;
        if (densityStep_) power *= densityRatio_;
        return power;
    }
    // Tip-speed factor at a speed and the diameter used.
    double TipAt(double speed) const;

    TSeriesGeometry series_;
    TConvertTargets targets_;
    bool diameterStep_ = false;
    bool referenceSize_ = false; // the measured diameter lies in 380..420 mm
    double g_ = 1;
    double d2_ = -1;    // diameter used after the diameter step
    double soundG_ = 0; // 70·log10(g)
    double efficiency_ = 1;
    double psi_ = 1;
    double phi_ = 1;
    bool densityStep_ = false;
    double densityRatio_ = 1;
    double densityDelta_ = 0;
    bool distanceStep_ = false;
    double distanceDelta_ = 0;
    double targetTip_ = 1; // tip-speed factor at the target speed and the diameter used
};

} // namespace corvane
