#include "model/CurveFit.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

TPolyCoefficients Fit(int count, std::initializer_list<std::pair<double, double>> points) {
    TPolyFit fit;
    fit.BeginFit(count, points.begin()->first, (points.end() - 1)->first);
    for (const auto& [x, y] : points)
        fit.AddFitPoint(x, y);
    return fit.SolveFit();
}

} // namespace

TEST(CurveFit, DegenerateInputs) {
    // Never more coefficients than points - 1.
    const TPolyCoefficients c = Fit(6, {{1, 2}, {2, 4}, {3, 6}});
    EXPECT_EQ(c[10], 2.0);
    EXPECT_NEAR(c[0], 0.0, 1e-9);
    EXPECT_NEAR(c[1], 2.0, 1e-9);
    EXPECT_EQ(c[2], 0.0); // not written
    for (int count : {1, 3, 10}) {
        const TPolyCoefficients line = Fit(count, {{100, 5}, {200, 7}});
        EXPECT_EQ(line[10], 1.0);
        EXPECT_NEAR(EvalFit(line, 150), 6.0, 1e-9);
    }
    // Five points at the same x: singular, all zero.
    const TPolyCoefficients flat = Fit(3, {{2, 100}, {2, 101}, {2, 102}, {2, 103}, {2, 104}});
    EXPECT_EQ(flat[10], 3.0);
    EXPECT_EQ(flat[0], 0.0);
    EXPECT_EQ(flat[1], 0.0);
    EXPECT_EQ(flat[2], 0.0);
    EXPECT_EQ(EvalFit(flat, 2), 0.0);
    // One point leaves the result's coefficients alone; no point gives no coefficients.
    TPolyFit fit;
    TPolyCoefficients kept{42};
    fit.BeginFit(3, 1, 1);
    fit.AddFitPoint(1, 9);
    fit.SolveFit(kept);
    EXPECT_EQ(kept[0], 42.0);
    EXPECT_EQ(kept[10], 0.0);
    fit.BeginFit(3, 1, 1);
    EXPECT_EQ(fit.SolveFit()[10], 0.0);
    // Counts are limited to 1..10; bounds below 1 leave the scale at 1.
    fit.BeginFit(25, 0.12, 0.3);
    EXPECT_EQ(fit.CoefCount(), 10);
    EXPECT_EQ(fit.Scale(), 1.0L);
    fit.BeginFit(0, -2, 1);
    EXPECT_EQ(fit.CoefCount(), 1);
}

TEST(CurveFit, RecoversPolynomialsOverLargeFlows) {
    // A fan pressure curve over flows in m³/h: the scale keeps the power sums in range.
    TPolyFit fit;
    fit.BeginFit(3, 1000, 20000);
    for (double v = 1000; v <= 20000; v += 950)
        fit.AddFitPoint(v, 800 + 0.012 * v - 2.5e-6 * v * v);
    const TPolyCoefficients q = fit.SolveFit();
    EXPECT_NEAR(q[0], 800, 1e-6);
    EXPECT_NEAR(q[1], 0.012, 1e-9);
    EXPECT_NEAR(q[2], -2.5e-6, 1e-13);
}

TEST(CurveFit, EvalClampsValuesAndCounts) {
    const TPolyCoefficients c{1e14, 1e14, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    EXPECT_EQ(EvalFit(c, 100), 1e15);
    EXPECT_EQ(EvalFit(c, -100), -1e15);
    // A damaged count never reads past the coefficients.
    TPolyCoefficients damaged{1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1e6};
    EXPECT_EQ(EvalFit(damaged, 2), 1 + 512.0);
    damaged[10] = -4;
    EXPECT_EQ(EvalFit(damaged, 2), 1.0);
}
