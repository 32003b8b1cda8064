#include "model/Calibration.h"

#include "model/CurveFit.h"

#include <algorithm>

namespace corvane {

TCalibration CalibrateCurve(std::span<const TCalibrationPoint> points) {
    TCalibration cal;
    if (points.size() < 3) return cal;

    TPolyFit fit;
    fit.BeginFit(3, points.front().Flow, points.back().Flow);
    double bestEta = points.front().EtaShaftTot;
    double bestFlow = points.front().Flow;
    for (const TCalibrationPoint& p : points) {
        fit.AddFitPoint(p.Flow, p.PressureFa);
        if (p.EtaShaftTot > bestEta) { // on equal efficiencies the smaller flow stays
            bestEta = p.EtaShaftTot;
            bestFlow = p.Flow;
        }
    }
    const TPolyCoefficients c = fit.SolveFit();
    cal.A0 = c[0];
    cal.A1 = c[1];
    cal.A2 = c[2];

    if (bestEta > 0) {
        const double threshold = 0.3 * bestEta;
        bool any = false;
        for (const TCalibrationPoint& p : points) {
            if (p.EtaShaftTot < threshold) continue;
            cal.VMin = any ? std::min(cal.VMin, p.Flow) : p.Flow;
            cal.VMax = any ? std::max(cal.VMax, p.Flow) : p.Flow;
            any = true;
        }
        cal.VMin = std::min(cal.VMin, 0.8 * bestFlow);
        cal.VMax = std::max(cal.VMax, 1.3 * bestFlow);
    } else {
        cal.VMin = points.front().Flow;
        cal.VMax = points.back().Flow;
    }
    return cal;
}

} // namespace corvane
