#include "MdbTestTable.h"
#include "mdb/EMdbError.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace corvane {
namespace {

using test::TTestTable;

// A curve table: x in the float field, y in the transient float field, view sorted by x.
void FillCurve(TTestTable& t, const std::vector<std::pair<float, float>>& points) {
    int nr = 0;
    for (const auto& [x, y] : points) {
        TMdbRecord* r = t.Add(++nr, x);
        t.SetFloat(r, t.fTemp, y);
    }
    t.RebuildIndex(false);
    t.Sort(t.fFlow, false);
}

TEST(MdbCurves, InterpolateInsideAndOutsideThePoints) {
    TTestTable t;
    TCurveValue v = t.Interpolate(t.fFlow, t.fTemp, 1.0f);
    EXPECT_FALSE(v.Found);
    EXPECT_EQ(v.Value, 0.0f);

    FillCurve(t, {{2.0f, 20.0f}, {1.0f, 10.0f}, {4.0f, 0.0f}});
    const std::pair<float, TCurveValue> cases[] = {
        {0.5f, {10.0f, false}}, {5.0f, {0.0f, false}}, {1.0f, {10.0f, true}}, {1.5f, {15.0f, true}},
        {3.0f, {10.0f, true}},  {4.0f, {0.0f, true}},  {3.9f, {1.0f, true}}};
    for (const auto& [x, expected] : cases) {
        v = t.Interpolate(t.fFlow, t.fTemp, x);
        EXPECT_NEAR(v.Value, expected.Value, 1e-5f) << x;
        EXPECT_EQ(v.Found, expected.Found) << x;
    }
    v = t.Interpolate(t.fFlow, t.fTemp, NAN);
    EXPECT_FALSE(v.Found);

    // x must be a float field; unknown fields raise.
    EXPECT_FALSE(t.Interpolate(t.fNr, t.fTemp, 2.0f).Found);
    EXPECT_THROW(t.Interpolate(t.fFlow, 0, 2.0f), EMdbError);
    EXPECT_THROW(t.Interpolate(9, t.fTemp, 2.0f), EMdbError);
}

TEST(MdbCurves, InterpolateOnRepeatedXAndSinglePoint) {
    TTestTable t;
    FillCurve(t, {{2.0f, 20.0f}});
    EXPECT_EQ(t.Interpolate(t.fFlow, t.fTemp, 2.0f).Value, 20.0f);
    EXPECT_TRUE(t.Interpolate(t.fFlow, t.fTemp, 2.0f).Found);
    EXPECT_FALSE(t.Interpolate(t.fFlow, t.fTemp, 1.0f).Found);

    TTestTable steps;
    steps.Add(1, 2.0f);
    steps.SetFloat(steps.Add(2, 2.0f), steps.fTemp, 30.0f);
    steps.SetFloat(steps.Add(3, 3.0f), steps.fTemp, 40.0f);
    steps.RebuildIndex(false);
    steps.Sort(steps.fNr, false); // x 2, 2, 3 with y 0, 30, 40
    const TCurveValue v = steps.Interpolate(steps.fFlow, steps.fTemp, 2.0f);
    EXPECT_TRUE(v.Found);
    EXPECT_EQ(v.Value, 0.0f); // zero-width step: the y of the earlier point
}

TEST(MdbCurves, IntersectParabolaThroughTheOrigin) {
    TTestTable t;
    EXPECT_FALSE(t.IntersectParabola(t.fFlow, t.fTemp, 1.0f).Found);
    // Two segments; y = x² crosses the second one: 90 - 18 (x - 5) = x².
    FillCurve(t, {{0.0f, 100.0f}, {5.0f, 90.0f}, {10.0f, 0.0f}});
    TCurveValue v = t.IntersectParabola(t.fFlow, t.fTemp, 1.0f);
    EXPECT_TRUE(v.Found);
    EXPECT_NEAR(v.Value, -9.0 + std::sqrt(261.0), 1e-5);
    v = t.IntersectParabola(t.fFlow, t.fTemp, 4.0f); // 100 - 2x = 4x² on the first segment
    EXPECT_TRUE(v.Found);
    EXPECT_NEAR(v.Value, (-2.0 + std::sqrt(4.0 + 1600.0)) / 8.0, 1e-5);

    // K = 0 and below compute with k = 1e-20: no usable root, and no NaN either.
    for (const float k : {0.0f, -3.0f}) {
        v = t.IntersectParabola(t.fFlow, t.fTemp, k);
        EXPECT_FALSE(v.Found);
        EXPECT_EQ(v.Value, 0.0f);
    }
    EXPECT_FALSE(t.IntersectParabola(t.fNr, t.fTemp, 1.0f).Found);
    EXPECT_THROW(t.IntersectParabola(t.fFlow, 12, 1.0f), EMdbError);
}

TEST(MdbCurves, FindXForYPrefersTheCrossingNearestTheMiddle) {
    TTestTable t;
    EXPECT_EQ(t.FindXForY(t.fFlow, t.fTemp, 1, 0, 1), -1e30);
    FillCurve(t, {{0.0f, 0.0f}, {10.0f, 100.0f}, {20.0f, 0.0f}, {30.0f, 100.0f}});
    EXPECT_DOUBLE_EQ(t.FindXForY(t.fFlow, t.fTemp, 50, 0, 20), 5.0);   // tie: first kept
    EXPECT_DOUBLE_EQ(t.FindXForY(t.fFlow, t.fTemp, 50, 12, 20), 15.0); // first segment skipped
    EXPECT_DOUBLE_EQ(t.FindXForY(t.fFlow, t.fTemp, 50, 21, 29), 25.0);
    EXPECT_DOUBLE_EQ(t.FindXForY(t.fFlow, t.fTemp, 75, 0, 30), 12.5);
    EXPECT_EQ(t.FindXForY(t.fFlow, t.fTemp, 200, 0, 30), -1e30);
    // Unknown fields and a non-float x answer "none" instead of raising.
    EXPECT_EQ(t.FindXForY(0, t.fTemp, 50, 0, 30), -1e30);
    EXPECT_EQ(t.FindXForY(t.fFlow, 99, 50, 0, 30), -1e30);
    EXPECT_EQ(t.FindXForY(t.fNr, t.fTemp, 50, 0, 30), -1e30);

    TTestTable flat;
    FillCurve(flat, {{0.0f, 5.0f}, {10.0f, 5.0f}});
    EXPECT_DOUBLE_EQ(flat.FindXForY(flat.fFlow, flat.fTemp, 5, 2, 4), 3.0);
    EXPECT_DOUBLE_EQ(flat.FindXForY(flat.fFlow, flat.fTemp, 5, -8, 4), 0.0); // middle clamped
    EXPECT_EQ(flat.FindXForY(flat.fFlow, flat.fTemp, 5, 20, 30), -1e30);
}

} // namespace
} // namespace corvane
