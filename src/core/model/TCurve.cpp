#include "model/TCurve.h"

#include <cmath>

namespace corvane {

bool IsFittedCurveStyle(int style) {
    return style >= 1 && style <= TPolyFit::kMaxCoefficients;
}

bool TCurve::AddPoint(double x, double y) {
    if (PointCount >= kMaxPoints) return false;
    Points[static_cast<std::size_t>(PointCount++)] = {x, y};
    return true;
}

void TCurve::FitPolynomial(int coefficientCount) {
    if (PointCount < 1) return;
    TPolyFit fit;
    fit.BeginFit(coefficientCount, Points[0].X, Points[static_cast<std::size_t>(PointCount - 1)].X);
    for (int i = 0; i < PointCount; ++i)
        fit.AddFitPoint(Points[static_cast<std::size_t>(i)].X,
                        Points[static_cast<std::size_t>(i)].Y);
    fit.SolveFit(Fit);
}

int TCurve::FittedCoefficientCount() const {
    return static_cast<int>(std::lround(Fit[10]));
}

std::vector<TCurvePoint> TCurve::LinePoints(int style) const {
    std::vector<TCurvePoint> line;
    if (!Drawable()) return line;
    if (style >= kCurveStylePointToPoint) {
        line.assign(Points.begin(), Points.begin() + PointCount);
        return line;
    }
    if (!IsFittedCurveStyle(style)) return line;
    const double first = Points[0].X;
    const double last = Points[static_cast<std::size_t>(PointCount - 1)].X;
    const double step = (last - first) / kLineSteps;
    if (!(step > 1e-6)) return line;
    line.reserve(kLineSteps + 1);
    // Multiples of the step rather than a running sum, so the line ends exactly at the last x.
    for (int i = 0; i <= kLineSteps; ++i) {
        const double x = i == kLineSteps ? last : first + step * i;
        line.push_back({x, EvalFit(Fit, x)});
    }
    return line;
}

} // namespace corvane
