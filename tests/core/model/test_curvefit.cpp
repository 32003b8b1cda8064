#include "model/CurveFit.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(CurveFit, CoefficientCountDropsBelowPointCount) {
    TPolyFit fit;
    fit.BeginFit(6, 1, 3);
    fit.AddFitPoint(1, 2);
    fit.AddFitPoint(2, 4);
    fit.AddFitPoint(3, 6);
    const TPolyCoefficients c = fit.SolveFit();
    EXPECT_EQ(c[10], 2.0);
    EXPECT_NEAR(c[0], 0.0, 1e-9);
    EXPECT_NEAR(c[1], 2.0, 1e-9);
    EXPECT_EQ(c[2], 0.0); // not written
    EXPECT_NEAR(EvalFit(c, 10), 20.0, 1e-8);

    // Two points: a horizontal line at their mean, whatever count was asked for.
    for (int count : {1, 3, 10}) {
        fit.BeginFit(count, 100, 200);
        fit.AddFitPoint(100, 5);
        fit.AddFitPoint(200, 7);
        const TPolyCoefficients line = fit.SolveFit();
        EXPECT_EQ(line[10], 1.0);
        EXPECT_NEAR(line[0], 6.0, 1e-9);
        EXPECT_NEAR(EvalFit(line, 150), 6.0, 1e-9);
    }

    // One point solves nothing and leaves the coefficients of the result alone; no points
    // give no coefficients (never a negative count).
    TPolyCoefficients kept{};
    kept[0] = 42;
    fit.BeginFit(3, 1, 1);
    fit.AddFitPoint(1, 9);
    fit.SolveFit(kept);
    EXPECT_EQ(kept[0], 42.0);
    EXPECT_EQ(kept[10], 0.0);
    fit.BeginFit(3, 1, 1);
    EXPECT_EQ(fit.SolveFit()[10], 0.0);
}

TEST(CurveFit, SingularSystemGivesZeros) {
    TPolyFit fit;
    fit.BeginFit(3, 2, 2);
    for (int i = 0; i < 5; ++i)
        fit.AddFitPoint(2, 100 + i);
    const TPolyCoefficients c = fit.SolveFit();
    EXPECT_EQ(c[10], 3.0);
    EXPECT_EQ(c[0], 0.0);
    EXPECT_EQ(c[1], 0.0);
    EXPECT_EQ(c[2], 0.0);
    EXPECT_EQ(EvalFit(c, 2), 0.0);
}

TEST(CurveFit, RecoversPolynomialsOverLargeFlows) {
    // A fan pressure curve over flows in m³/h: the scale keeps the power sums in range.
    TPolyFit fit;
    fit.BeginFit(3, 1000, 20000);
    EXPECT_EQ(fit.CoefCount(), 3);
    for (double v = 1000; v <= 20000; v += 950)
        fit.AddFitPoint(v, 800 + 0.012 * v - 2.5e-6 * v * v);
    const TPolyCoefficients q = fit.SolveFit();
    EXPECT_EQ(q[10], 3.0);
    EXPECT_NEAR(q[0], 800, 1e-6);
    EXPECT_NEAR(q[1], 0.012, 1e-9);
    EXPECT_NEAR(q[2], -2.5e-6, 1e-13);

    // A cubic through 6 coefficients: the unused high terms come out as zero.
    fit.BeginFit(6, 0, 50);
    for (double x = 0; x <= 50; x += 2.5)
        fit.AddFitPoint(x, 3 - 2 * x + 0.5 * x * x - 0.01 * x * x * x);
    const TPolyCoefficients cubic = fit.SolveFit();
    EXPECT_EQ(cubic[10], 6.0);
    EXPECT_NEAR(EvalFit(cubic, 17.3), 3 - 2 * 17.3 + 0.5 * 17.3 * 17.3 - 0.01 * 17.3 * 17.3 * 17.3,
                1e-6);
    EXPECT_NEAR(cubic[4], 0.0, 1e-9);
    EXPECT_NEAR(cubic[5], 0.0, 1e-10);

    // Flow coefficients below 1 leave the scale at 1.
    fit.BeginFit(3, 0.12, 0.3);
    EXPECT_EQ(fit.Scale(), 1.0L);
    fit.BeginFit(3, -2, 1);
    EXPECT_NE(fit.Scale(), 1.0L);
}

TEST(CurveFit, EvalClampsValuesAndCounts) {
    TPolyCoefficients c{};
    c[0] = 1e14;
    c[1] = 1e14;
    c[10] = 2;
    EXPECT_EQ(EvalFit(c, 100), 1e15);
    EXPECT_EQ(EvalFit(c, -100), -1e15);

    // A damaged count never reads past the coefficients.
    TPolyCoefficients damaged{};
    damaged[0] = 1;
    damaged[9] = 1;
    damaged[10] = 1e6;
    EXPECT_EQ(EvalFit(damaged, 2), 1 + 512.0);
    damaged[10] = -4;
    EXPECT_EQ(EvalFit(damaged, 2), 1.0);

    // Requests beyond ten coefficients are limited to ten.
    TPolyFit fit;
    fit.BeginFit(25, 0, 1);
    EXPECT_EQ(fit.CoefCount(), 10);
    fit.BeginFit(0, 0, 1);
    EXPECT_EQ(fit.CoefCount(), 1);
}
