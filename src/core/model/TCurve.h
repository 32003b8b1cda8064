#pragma once

#include "model/CurveFit.h"

#include <array>
#include <cstdint>
#include <vector>

namespace corvane {

// Curve styles ("PolynomGrad"): 0 points only, 1..10 a least-squares polynomial with that
// many coefficients, 11 straight segments from point to point.
inline constexpr int kCurveStyleNone = 0;
inline constexpr int kCurveStylePointToPoint = 11;
inline constexpr int kDefaultCurveStyle = 6;
// True for the styles that fit a polynomial (1..10).
bool IsFittedCurveStyle(int style);

struct TCurvePoint {
    double X = 0;
    double Y = 0;

    bool operator==(const TCurvePoint&) const = default;
};

// One characteristic curve: up to 100 measured points in ascending x and, for the fitted
// styles, the polynomial through them. Values are in the evaluation unit system.
struct TCurve {
    static constexpr int kMaxPoints = 100;
    // Steps of a fitted curve between its first and last point.
    static constexpr int kLineSteps = 200;

    int PointCount = 0;
    std::array<TCurvePoint, kMaxPoints> Points{};
    TPolyCoefficients Fit{};
    // Where the curve came from: selection slot (1-based) and the y field it shows.
    int Slot = 0;
    int YField = 0;

    // Appends a point; false (nothing stored) when the curve is full.
    bool AddPoint(double x, double y);
    // Least-squares fit with `coefficientCount` coefficients, scaled by the first and the last
    // point's x. Nothing happens without points.
    void FitPolynomial(int coefficientCount);
    // Number of coefficients the last fit solved (0 when none).
    int FittedCoefficientCount() const;
    // A curve with fewer than two points is not drawn.
    bool Drawable() const { return PointCount >= 2; }
    // The polyline that draws the curve in `style`: the fitted polynomial sampled in 200 equal
    // steps from the first to the last x (none when the step is not above 1e-6), the points
    // themselves for point to point, nothing for "no line" or a curve that is not drawn.
    std::vector<TCurvePoint> LinePoints(int style) const;
};

} // namespace corvane
