#include "physics/TSeriesConversion.h"

#include "physics/AirDensity.h"
#include "physics/FanLaws.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace corvane {

namespace {

inline void Scale(float& value, double factor) {
    value = TSeriesConversion::Scaled(value, factor);
}

// Power coefficient from the converted pressure and flow coefficients and the total shaft
// efficiency.
float PowerCoefficient(const TPointValues& point) {
    if (point.PsiTot >= 0 && point.Phi >= 0 && point.EtaShaftTot > 1e-9)
        return static_cast<float>(static_cast<double>(point.PsiTot) * point.Phi /
                                  (point.EtaShaftTot / 100.0));
    return -1.0f;
}

bool ReferenceSize(double d2m) {
    return d2m >= 380 && d2m <= 420;
}

} // namespace

TSeriesConversion::TSeriesConversion(const TSeriesGeometry& series, const TConvertTargets& targets)
    : series_(series), targets_(targets) {
    const double d2m = series.MeasuredD2;
    diameterStep_ = targets.D2 > 0 && series.MeasuredD2 > 0 && targets.D2 != series.MeasuredD2;
    referenceSize_ = ReferenceSize(d2m);
    d2_ = d2m;
    if (diameterStep_) {
        g_ = targets.D2 / d2m;
        d2_ = targets.D2;
        soundG_ = 70.0 * std::log10(g_);
    }
    const double st = SizeFactor(series.Family, d2_);
    const double sm = referenceSize_ ? 1.0 : SizeFactor(series.Family, d2m);
    efficiency_ = st / sm;
    phi_ = std::cbrt(efficiency_);
    psi_ = phi_ * phi_;

    densityStep_ = ConvertsDensity(targets.Density);
    if (densityStep_) {
        densityRatio_ = targets.Density / kStandardDensity;
        densityDelta_ = 20.0 * std::log10(densityRatio_);
    }
    distanceStep_ = targets.Distance > 1;
    if (distanceStep_) distanceDelta_ = 20.0 * std::log10(static_cast<double>(targets.Distance));
    targetTip_ = TipSpeedFactor(series.Family, targets.Speed, d2_);
}

TSeriesConversion TSeriesConversion::WithSpeed(float speed) const {
    TSeriesConversion other = *this;
    other.targets_.Speed = speed;
    other.targetTip_ = TipSpeedFactor(series_.Family, speed, d2_);
    return other;
}

namespace {
bool Same(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}
} // namespace

bool TSeriesConversion::Fits(const TSeriesGeometry& series, const TConvertTargets& targets) const {
    return series.Family == series_.Family && Same(series.MeasuredD2, series_.MeasuredD2) &&
           Same(targets.D2, targets_.D2) && Same(targets.Density, targets_.Density) &&
           Same(targets.Distance, targets_.Distance);
}

bool TSeriesConversion::HasSpeed(float speed) const {
    return Same(speed, targets_.Speed);
}

double TSeriesConversion::ModelTipFactor(const TSeriesGeometry& series, float measuredSpeed) {
    // Measurements taken near 400 mm and 1500 1/min are the reference of the tables.
    const double nm = measuredSpeed;
    if (ReferenceSize(series.MeasuredD2) && nm >= 1400 && nm <= 1600) return 1.0;
    return TipSpeedFactor(series.Family, nm, series.MeasuredD2);
}

double TSeriesConversion::TipAt(double speed) const {
    return TipSpeedFactor(series_.Family, speed, d2_);
}

double TSeriesConversion::SpeedFreeFlowScale() const {
    const double scale = g_ * g_ * g_ * static_cast<double>(targets_.Speed);
    return series_.Family != 2 && targetTip_ != 1.0 ? scale * std::cbrt(targetTip_) : scale;
}

void TSeriesConversion::Convert(TPointValues& point, float measuredSpeed, double modelTip) const {
    const TPointFactors f = Factors(measuredSpeed, modelTip);
    if (!diameterStep_ && !f.SpeedStep && !densityStep_ && !distanceStep_) {
        point.Lambda = PowerCoefficient(point);
        return;
    }
    if (f.SpeedStep) point.Speed = targets_.Speed;

    // Fan laws: diameter, then speed.
    const double g2 = g_ * g_;
    const double g5 = g2 * g2 * g_;
    const double power = PowerFactor(f);
    const double torque = g5 * f.H * f.H;
    double efficiency = 1;
    double psi = 1;
    double phi = 1;
    if (f.ScaleUp) {
        efficiency = efficiency_;
        psi = psi_;
        phi = phi_;
    }
    if ((diameterStep_ || f.SpeedStep) && (point.Lp > 0 || point.LpA > 0)) {
        // 50·log10(g·h) + 20·log10(g)
        const double delta =
            soundG_ + (f.SpeedStep ? 50.0 / std::numbers::ln10 * std::log(f.H) : 0.0);
        ShiftLevel(point.Lp, delta);
        ShiftLevel(point.LpA, delta);
    }
    if (densityStep_) {
        ShiftLevel(point.Lp, densityDelta_);
        ShiftLevel(point.LpA, densityDelta_);
    }
    if (distanceStep_) {
        LevelToDistance(point.Lp, distanceDelta_);
        LevelToDistance(point.LpA, distanceDelta_);
    }

    Scale(point.Flow, f.Flow);
    Scale(point.PFa, f.Pressure);
    Scale(point.PDyn, f.Pressure);
    Scale(point.PTot, f.Pressure);
    Scale(point.ElPower, power);
    Scale(point.ShaftPower, power);
    Scale(point.AirPowerFa, power);
    Scale(point.AirPowerTot, power);
    Scale(point.Torque, torque);
    Scale(point.EtaShaftFa, efficiency);
    Scale(point.EtaShaftTot, efficiency);
    Scale(point.EtaSysFa, efficiency);
    Scale(point.EtaSysTot, efficiency);
    Scale(point.PsiFa, psi);
    Scale(point.PsiTot, psi);
    Scale(point.Phi, phi);

    point.Lambda = PowerCoefficient(point);
}

} // namespace corvane
