// Axis ranges and margins of the curve diagram, as numbers.
#include "CurveSetSamples.h"
#include "render/curves/CurveFrame.h"
#include "render/curves/TCurveDiagramData.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using F = TMdbMwFieldNo;

TCurveSet WithValues(int kind, double minY, double maxY) {
    TCurveSet set = TCurveSet::ForKind(kind);
    set.MinY = minY;
    set.MaxY = maxY;
    set.MaxX = 1000;
    return set;
}

TEST(CurveYRange, StartsByQuantity) {
    struct TCase {
        int Kind;
        double MinY, MaxY, Lo, Hi;
    };
    const TCase cases[] = {
        {1, 120, 900, 0, 900},        // pressure from 0
        {2, -50, 900, -50, 900},      // a negative pressure is shown
        {10, 63.5, 88, 60.001, 88},   // sound: the decade below
        {23, 4, 30, 0.001, 30},       // microphone level near 0
        {28, 71, 95, 70.001, 95},     // all microphones
        {20, 228, 231, 228, 231},     // voltage from its smallest value
        {18, 1400, 1500, 1301, 1599}, // speed: whole hundreds around
        {18, 5, 20, 1, 99},           // speed near 0
        {3, 300, 2000, 0, 2000},      // power from 0
        {11, 0.5, 0.5, 0, 0.5},       // coefficient
        {5, 10, 10.05, 0, 10.05},     // upper bound at least lower + 0.1
        {20, 230, 230.05, 230, 230.1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Kind);
        const TValueRange r = CurveYRange(WithValues(c.Kind, c.MinY, c.MaxY), false);
        EXPECT_NEAR(r.Lo, c.Lo, 1e-9);
        EXPECT_NEAR(r.Hi, c.Hi, 1e-9);
    }
    // An empty set (smallest value still at its start) draws from 0.
    const TValueRange empty = CurveYRange(TCurveSet::ForKind(1), false);
    EXPECT_EQ(empty.Lo, 0);
    EXPECT_NEAR(empty.Hi, 0.1, 1e-12);
    EXPECT_NEAR(CurveYRange(TCurveSet::ForKind(10), false).Lo, 0.001, 1e-12);
}

TEST(CurveYRange, OperatingPointAlwaysInsideThePressureRange) {
    TCurveSet set = WithValues(1, 100, 700);
    set.RequestedPressure = 1500;
    EXPECT_NEAR(CurveYRange(set, true).Hi, 1650, 1e-9);
    EXPECT_NEAR(CurveYRange(set, false).Hi, 700, 1e-9);
    // Not for other quantities.
    TCurveSet power = WithValues(3, 100, 700);
    power.RequestedPressure = 1500;
    EXPECT_NEAR(CurveYRange(power, true).Hi, 700, 1e-9);
    // The frame's rounded range contains 1.1 times the pressure.
    EXPECT_GE(CurveFrame(set, true, 16, 480).Y.Hi, 1650);
}

TEST(CurveFrame, RoundedAxesAndRoomForTexts) {
    const TCurveSet set = test::PressureSet();
    const TCurveFrame f = CurveFrame(set, true, 16, 480);
    EXPECT_EQ(f.X.Lo, 0);
    EXPECT_EQ(f.X.Hi, 12000);
    EXPECT_EQ(f.Y.Lo, 0);
    EXPECT_EQ(f.Y.Hi, 1000);
    EXPECT_NEAR(f.WorldXMin, -0.2 * 12000, 1e-9);
    EXPECT_NEAR(f.WorldXMax, 12000 + 0.05 * 12000, 1e-9);
    const double line = 16.0 / 480 * 1000;
    EXPECT_NEAR(f.WorldYMin, -8 * line, 1e-9);
    EXPECT_NEAR(f.WorldYMax, 1000 + 4 * line, 1e-9);
}

TEST(CurveDiagramData, WhatIsDrawnDependsOnKindAndMode) {
    TCurveDiagramData d;
    d.Set = test::PressureSet();
    EXPECT_TRUE(d.OverFlow());
    EXPECT_TRUE(d.PressureDiagram());
    EXPECT_TRUE(d.OperatingPointDrawn());
    // No parabola through a point without flow.
    d.Set.RequestedFlow = 0;
    EXPECT_FALSE(d.OperatingPointDrawn());
    d.Set = test::PressureSet();
    d.SelectionMode = false;
    EXPECT_FALSE(d.OperatingPointDrawn());
    d.SelectionMode = true;
    d.Set.Kind = 11; // over the flow coefficient
    d.Set.YField = F::F_PSIFA;
    EXPECT_FALSE(d.OverFlow());
    EXPECT_FALSE(d.DutyPointShown());
    EXPECT_FALSE(d.PressureDiagram());
}

} // namespace
} // namespace corvane
