#include "model/CurveFit.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace corvane {

namespace {

using TMatrix = long double[TPolyFit::kMaxCoefficients][TPolyFit::kMaxCoefficients];

// Pivots below this count as zero. With an 80-bit (or wider) long double this is far below
// any value a real fit produces, so it is in effect an exact-zero test.
#if LDBL_MIN_10_EXP < -4000
constexpr long double kZero = 1e-4000L;
#else
constexpr long double kZero = 0.0L;
#endif

constexpr long double kCoefficientLimit = 1e15L;

// Determinant of the leading n×n block by Gaussian elimination in place (destroys `a`).
// A zero pivot is replaced by the first later column with a non-zero entry in that row;
// small non-zero pivots are accepted as they are.
long double Determinant(TMatrix& a, int n) {
    long double det = 1;
    for (int i = 0; i < n; ++i) {
        if (std::fabs(a[i][i]) < kZero) {
            int j = i + 1;
            while (j < n && std::fabs(a[i][j]) < kZero)
                ++j;
            if (j >= n) return 0;
            for (int r = i; r < n; ++r)
                std::swap(a[r][i], a[r][j]);
            det = -det;
        }
        det *= a[i][i];
        for (int r = i + 1; r < n; ++r)
            for (int c = i + 1; c < n; ++c)
                a[r][c] -= (a[r][i] * a[i][c]) / a[i][i];
    }
    return det;
}

} // namespace

void TPolyFit::BeginFit(int coefficientCount, double bound1, double bound2) {
    coefCount_ = std::clamp(coefficientCount, 1, kMaxCoefficients);
    sumCount_ = 2 * coefCount_ - 1;
    pointCount_ = 0;
    powerSums_.fill(0);
    momentSums_.fill(0);
    // Brings the largest power sum near 1e12 per point and keeps high powers of large flows
    // inside the exponent range.
    const long double m = std::max(std::fabs(static_cast<long double>(bound1)),
                                   std::fabs(static_cast<long double>(bound2)));
    if (m >= 1)
        scale_ = std::exp(std::log(1e12L) - (2 * coefCount_ - 2) * std::log(m));
    else
        scale_ = 1;
}

void TPolyFit::AddFitPoint(double x, double y) {
    long double t = scale_;
    for (int k = 0; k < sumCount_; ++k) {
        powerSums_[k] += t;
        t *= x;
    }
    t = scale_ * y;
    for (int k = 0; k < coefCount_; ++k) {
        momentSums_[k] += t;
        t *= x;
    }
    ++pointCount_;
}

void TPolyFit::SolveFit(TPolyCoefficients& result) {
    long double largest = 0;
    for (int k = 0; k < sumCount_; ++k)
        largest = std::max(largest, std::fabs(powerSums_[k]));
    for (int k = 0; k < coefCount_; ++k)
        largest = std::max(largest, std::fabs(momentSums_[k]));
    const long double norm = largest / 1e10L;

    // Always strictly more points than coefficients. No points at all give no coefficients
    // (rather than a negative count).
    if (pointCount_ <= coefCount_) coefCount_ = std::max(pointCount_ - 1, 0);
    const int n = coefCount_;

    TMatrix a;
    auto fill = [&] {
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                a[i][j] = powerSums_[i + j] / norm;
    };
    fill();
    const long double det = Determinant(a, n);
    if (std::fabs(det) < kZero) {
        for (int k = 0; k < n; ++k)
            result[k] = 0;
    } else {
        // Cramer's rule; the matrix is rebuilt for every column because the determinant
        // destroys it.
        for (int k = 0; k < n; ++k) {
            fill();
            for (int i = 0; i < n; ++i)
                a[i][k] = momentSums_[i] / norm;
            const long double c = Determinant(a, n) / det;
            result[k] = static_cast<double>(std::clamp(c, -kCoefficientLimit, kCoefficientLimit));
        }
    }
    result[10] = n;
}

TPolyCoefficients TPolyFit::SolveFit() {
    TPolyCoefficients result{};
    SolveFit(result);
    return result;
}

double EvalFit(const TPolyCoefficients& coefficients, double x) {
    // A count outside 0..10 (a damaged record) is limited to the stored coefficients.
    const double stored = coefficients[10];
    const int n = (stored >= 0 && stored <= TPolyFit::kMaxCoefficients)
                      ? static_cast<int>(std::lround(stored))
                      : (stored > 0 ? TPolyFit::kMaxCoefficients : 0);
    double s = coefficients[0];
    double p = 1;
    for (int h = 1; h < n; ++h) {
        if (std::fabs(p) < 1e99) p *= x;
        s += p * coefficients[h];
    }
    return std::clamp(s, -1e15, 1e15);
}

} // namespace corvane
