#pragma once

#include <array>

namespace corvane {

// A fitted polynomial y = c0 + c1·x + ... as curve sets and impeller records keep it:
// elements 0..9 are the coefficients, element 10 the number of coefficients solved.
using TPolyCoefficients = std::array<double, 11>;

// Least-squares polynomial fit through the normal equations. Power sums are accumulated in
// extended precision with a scale factor chosen from the data bounds; the system is solved by
// Cramer's rule. A plain fixed-size value without heap use.
//
// Calling order: BeginFit, any number of AddFitPoint, one SolveFit; EvalFit on the result.
class TPolyFit {
public:
    static constexpr int kMaxCoefficients = 10;
    static constexpr int kMaxSums = 2 * kMaxCoefficients - 1;

    // Resets the accumulator for `coefficientCount` coefficients (clamped to 1..10).
    // `bound1` and `bound2` bound the x values to come; only their magnitudes matter.
    void BeginFit(int coefficientCount, double bound1, double bound2);
    void AddFitPoint(double x, double y);
    // Solves into `result`: elements 0..n-1 and element 10 = n are written, the others are
    // left as they are. The coefficient count drops to (points - 1) when there are not more
    // points than coefficients; a singular system gives all-zero coefficients.
    void SolveFit(TPolyCoefficients& result);
    // The same into a zero-initialised result.
    TPolyCoefficients SolveFit();

    int CoefCount() const { return coefCount_; }
    int PointCount() const { return pointCount_; }
    long double Scale() const { return scale_; }

private:
    int coefCount_ = 0;
    int sumCount_ = 0;
    int pointCount_ = 0;
    long double scale_ = 1;
    std::array<long double, kMaxSums> powerSums_{};
    std::array<long double, kMaxCoefficients> momentSums_{};
};

// The name used for the fitting engine elsewhere in the code.
using TCurveFit = TPolyFit;

// Value of the polynomial at x, clamped to ±1e15. Powers of x stop growing once their
// magnitude reaches 1e99.
double EvalFit(const TPolyCoefficients& coefficients, double x);

} // namespace corvane
