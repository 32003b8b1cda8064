#include "efficiency/EfficiencyGrading.h"

#include "measurements/TMdbMw.h"
#include "model/CurveFit.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace corvane {

namespace {

// Samples of the fitted curve over the measured flow range before the peak is refined.
constexpr int kScanSteps = 400;

// Flow of the largest value of the fitted curve on [lo, hi]: a scan, then a golden-section
// search in the two steps around the best sample.
double PeakFlow(const TPolyCoefficients& fit, double lo, double hi) {
    const double step = (hi - lo) / kScanSteps;
    double best = lo;
    double bestValue = EvalFit(fit, lo);
    for (int i = 1; i <= kScanSteps; ++i) {
        const double x = lo + step * i;
        const double value = EvalFit(fit, x);
        if (value > bestValue) {
            best = x;
            bestValue = value;
        }
    }
    double a = std::max(lo, best - step);
    double b = std::min(hi, best + step);
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 60 && b - a > 1e-9 * (1 + std::fabs(b)); ++i) {
        const double c = b - ratio * (b - a);
        const double d = a + ratio * (b - a);
        if (EvalFit(fit, c) >= EvalFit(fit, d))
            b = d;
        else
            a = c;
    }
    const double refined = 0.5 * (a + b);
    return EvalFit(fit, refined) >= bestValue ? refined : best;
}

TCategoryGrade GradeCategory(const TMdbMw& mw, EFanType type, bool housed,
                             EEfficiencyCategory category, const TGradeOptions& options) {
    TCategoryGrade grade;
    grade.Bep = FindBestEfficiencyPoint(mw, category, options.FitCoefficients);
    if (!grade.Bep.Found) return grade;
    const double kw = grade.Bep.ElectricalKw();
    const double eta = grade.Bep.OverallEfficiency;
    grade.Eu327 = GradeRegulation(Target327(type, housed, category, kw), eta);
    const double compensation = options.SpeedController ? SpeedControlCompensation1834(kw) : 1.0;
    grade.Eu1834 = GradeRegulation(Target1834(type, category, kw), eta * compensation);
    return grade;
}

} // namespace

bool HasElectricalReadings(const TMdbMw& mw) {
    bool any = false;
    for (int i = 0; i < mw.ViewCount(); ++i) {
        const TMdbRecord* p = mw.ViewRecord(i);
        if (mw.GetFloat(p, TMdbMw::F_VC) < 0) continue;
        if (!(mw.GetFloat(p, TMdbMw::F_PW) > 0)) return false;
        any = true;
    }
    return any;
}

TBestEfficiencyPoint FindBestEfficiencyPoint(const TMdbMw& mw, EEfficiencyCategory category,
                                             int coefficientCount) {
    TBestEfficiencyPoint bep;
    const int etaField =
        category == EEfficiencyCategory::Static ? TMdbMw::F_ETAFA : TMdbMw::F_ETATOT;
    std::vector<std::pair<double, double>> points;
    points.reserve(static_cast<std::size_t>(mw.ViewCount()));
    for (int i = 0; i < mw.ViewCount(); ++i) {
        const TMdbRecord* p = mw.ViewRecord(i);
        const double v = mw.GetFloat(p, TMdbMw::F_VC);
        const double eta = mw.GetFloat(p, etaField);
        if (v >= 0 && eta >= 0) points.emplace_back(v, eta);
    }
    if (points.size() < 3) return bep;
    const double lo = points.front().first;
    const double hi = points.back().first;
    if (!(hi - lo > 1e-6)) return bep;

    TPolyFit fit;
    fit.BeginFit(coefficientCount, lo, hi);
    for (const auto& [v, eta] : points)
        fit.AddFitPoint(v, eta);
    const TPolyCoefficients coefficients = fit.SolveFit();
    const double flow = PeakFlow(coefficients, lo, hi);
    const double eta = EvalFit(coefficients, flow);
    const TCurveValue shaft = mw.Interpolate(TMdbMw::F_VC, TMdbMw::F_PWE, static_cast<float>(flow));
    if (!(eta > 0) || !shaft.Found || !(shaft.Value > 0)) return bep;

    bep.Flow = flow;
    bep.ShaftEfficiency = eta;
    bep.ShaftPower = shaft.Value;
    if (HasElectricalReadings(mw)) {
        const TCurveValue el = mw.Interpolate(TMdbMw::F_VC, TMdbMw::F_PW, static_cast<float>(flow));
        bep.ElectricalPower = el.Value;
        bep.ElectricalMeasured = true;
        bep.MotorEfficiency = bep.ShaftPower / bep.ElectricalPower;
        // Measured with its motor: a final assembly, no matching compensation.
        bep.OverallEfficiency = eta * bep.MotorEfficiency;
    } else {
        bep.ElectricalPower = DefaultMotorInput(bep.ShaftPower / 1000.0) * 1000.0;
        bep.MotorEfficiency = DefaultMotorEfficiency(bep.ElectricalKw());
        bep.OverallEfficiency =
            eta * bep.MotorEfficiency * kDirectDriveEfficiency * kMatchingCompensation;
    }
    bep.Found = true;
    return bep;
}

TFanEnergyIndex FanEnergyIndexAtDuty(const TMdbMw& mw, const TGradeDuty& duty) {
    const bool measured = HasElectricalReadings(mw);
    double actualKw = -1;
    if (measured && duty.Flow >= 0) {
        const TCurveValue el =
            mw.Interpolate(TMdbMw::F_VC, TMdbMw::F_PW, static_cast<float>(duty.Flow));
        if (el.Found) actualKw = el.Value / 1000.0;
    } else if (!measured) {
        actualKw = ReferenceMotorInput(duty.ShaftPower / 1000.0);
    }
    return FanEnergyIndex(duty.Flow / 3600.0, duty.TotalPressure, duty.Density, actualKw, measured);
}

TEfficiencyGrade GradeConvertedSeries(const TMdbMw& mw, EFanType type, bool housed,
                                      const TGradeDuty& duty, const TGradeOptions& options) {
    TEfficiencyGrade grade;
    grade.FanType = type;
    grade.Housed = housed;
    grade.SpeedController = options.SpeedController;
    grade.Static = GradeCategory(mw, type, housed, EEfficiencyCategory::Static, options);
    grade.Total = GradeCategory(mw, type, housed, EEfficiencyCategory::Total, options);

    grade.Fei = FanEnergyIndexAtDuty(mw, duty);
    return grade;
}

} // namespace corvane
