// Axis maps, rounded ranges, labels and tick sequences: plain numbers, no surface.
#include "render/diagram/AxisScale.h"
#include "render/diagram/AxisTicks.h"
#include "render/diagram/TAxisMap.h"
#include "render/diagram/TDiagram.h"
#include "render/diagram/TLogTicks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace corvane {
namespace {

TEST(AxisMap, MapsClampsAndInverts) {
    TAxisMap m;
    m.SetAxisMap(100, 500, 0, 200);
    EXPECT_DOUBLE_EQ(m.Scale, 2.0);
    EXPECT_DOUBLE_EQ(m.Offset, 100.0);
    EXPECT_EQ(m.WorldToPixel(50), 200);
    EXPECT_DOUBLE_EQ(m.PixelToWorld(300), 100.0);
    EXPECT_DOUBLE_EQ(m.FractionToWorld(0.25), 50.0);
    EXPECT_EQ(m.WorldToPixel(1e9), 16000);
    EXPECT_EQ(m.WorldToPixel(-1e9), -16000);
    EXPECT_EQ(m.WorldToPixel(std::numeric_limits<double>::quiet_NaN()), -16000);
    // Ties round to the even pixel.
    EXPECT_EQ(m.WorldToPixel(0.25), 100);
    EXPECT_EQ(m.WorldToPixel(0.75), 102);

    // Equal pixels keep the pixel range and only re-map the world.
    m.SetAxisMap(7, 7, 10, 20);
    EXPECT_EQ(m.P0, 100);
    EXPECT_EQ(m.P1, 500);
    EXPECT_EQ(m.WorldToPixel(20), 500);
    // Equal world bounds would divide by zero: the map stays finite.
    m.SetAxisMap(0, 10, 5, 5);
    EXPECT_TRUE(std::isfinite(m.Scale));
    EXPECT_EQ(m.WorldToPixel(5), 0);
}

TEST(AxisMap, DiagramMapsBottomLeftAndTopRight) {
    TDiagram d;
    d.InitDiagram(nullptr, 0, 479, 639, 0, 0, 0, 1, 1);
    EXPECT_EQ(d.Pixel(0, 0), QPoint(0, 479));
    EXPECT_EQ(d.Pixel(1, 1), QPoint(639, 0));
    EXPECT_LT(d.YAxis.Scale, 0);
    EXPECT_NEAR(d.YAxis.FractionToWorld(0.02), 0.02, 1e-12);
    d.SetDiagramRange(0, 0, 0, 0, -10, 100, 30, 300);
    EXPECT_EQ(d.Pixel(-10, 100), QPoint(0, 479));
    EXPECT_EQ(d.Pixel(30, 300), QPoint(639, 0));
}

struct TScaleCase {
    double Lo, Hi, NewLo, NewHi, Minor;
    int Steps;
};

TEST(NiceLinearScale, WorkedExamples) {
    const TScaleCase cases[] = {
        {0, 0, 0, 1, 0.05, 4},
        {-37, 112, -40, 120, 5, 4},
        {0, 900, 0, 1000, 50, 4},
        {250, 1730, 200, 1800, 50, 4},
        {0, 100, 0, 100, 5, 4},
        {0, 300, 0, 300, 10, 5},
        {0.0004, 2.2, 0, 2.5, 0.1, 5},
        {-500, -37, -500, 0, 20, 5},
        {0, 0.3, 0, 0.3, 0.01, 5},
        {0, 55, 0, 60, 2, 5},
        {1450, 1460, 1450, 1460, 0.5, 4},
        // Span mantissas right at the step boundaries 16, 40 and 80.
        {0, 1.6, 0, 2, 0.1, 5},
        {0, 4, 0, 4, 0.2, 5},
        {0, 8, 0, 8, 0.5, 4},
        {-1e-5, 1e-5, 0, 0.0002, 0.00005, 4},
    };
    for (const TScaleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Lo << ".." << c.Hi);
        const TLinearScale s = NiceLinearScale(c.Lo, c.Hi);
        EXPECT_NEAR(s.Lo, c.NewLo, 1e-9);
        EXPECT_NEAR(s.Hi, c.NewHi, 1e-9);
        EXPECT_NEAR(s.MinorStep, c.Minor, 1e-12);
        EXPECT_EQ(s.StepsPerLabel, c.Steps);
    }
    // Non-finite input still gives a usable range.
    const TLinearScale s = NiceLinearScale(std::nan(""), INFINITY);
    EXPECT_TRUE(std::isfinite(s.Lo) && std::isfinite(s.Hi) && s.Hi > s.Lo);
}

TEST(AxisLabels, FormatAndLogRange) {
    EXPECT_EQ(FormatAxisLabel(-1, 20, 40), "40");
    EXPECT_EQ(FormatAxisLabel(-1, 0.5, 1.5), "1.5");
    EXPECT_EQ(FormatAxisLabel(-1, 0.05, 0.15), "0.15");
    EXPECT_EQ(FormatAxisLabel(-1, 0.005, 0.015), "0.015");
    EXPECT_EQ(FormatAxisLabel(-1, 0.0005, 0.0015), "0.0015");
    // Steps right at the boundaries take the next finer precision.
    EXPECT_EQ(FormatAxisLabel(-1, 4, 12), "12.0");
    EXPECT_EQ(FormatAxisLabel(-1, 0.004, 0.012), "0.0120");
    EXPECT_EQ(FormatAxisLabel(-1, 20, 3e-7), "0");
    EXPECT_EQ(FormatAxisLabel(2, 20, 40), "40.00");
    EXPECT_EQ(FormatAxisLabel(-1, 4, -12.26), "-12.3");

    const TLogRange r = LogScale(0, 50);
    EXPECT_DOUBLE_EQ(r.LogLo, -4);
    EXPECT_NEAR(r.LogHi, std::log10(50.0), 1e-12);
    EXPECT_EQ(r.Step, -1.0);
    EXPECT_EQ(r.StepsPerLabel, 1);
    // At least a factor of two.
    EXPECT_NEAR(LogScale(10, 12).LogHi, 1.3, 1e-12);
}

std::vector<double> Quantities(const std::vector<TAxisTick>& ticks, bool majorOnly) {
    std::vector<double> values;
    for (const TAxisTick& t : ticks)
        if (!majorOnly || t.Major)
            values.push_back(std::round(std::pow(10.0, t.Value) * 1000) / 1000);
    return values;
}

TEST(LogTicks, PatternsByDecadesAndDensity) {
    // 1..1000: three decades, "4-5".
    const std::vector<TAxisTick> ticks = LogTicks(0, 3, 1.0);
    EXPECT_EQ(Quantities(ticks, false), (std::vector<double>{1, 5, 10, 50, 100, 500, 1000}));
    EXPECT_EQ(Quantities(ticks, true), (std::vector<double>{1, 10, 100, 1000}));

    // The curve window's y axis sees 3 × 0.3 = 0.9 decades: halves, labels 2, 3, 5, 7, 10.
    const std::vector<TAxisTick> dense = LogTicks(0, 1, 0.9);
    EXPECT_EQ(Quantities(dense, true), (std::vector<double>{1, 2, 3, 5, 7, 10}));
    EXPECT_EQ(Quantities(dense, false).front(), 1);
    EXPECT_EQ(Quantities(dense, false)[1], 1.5);

    struct TChoice {
        double Decades;
        const char* Pattern;
        double Factor;
    };
    const TChoice choices[] = {{8, "4-545", 1},
                               {7, "4-5", 1},
                               {2.9, "111-11111-1", 1},
                               {1.9, "1-11-11111-1", 1},
                               {0.9, "1-11-1111-1111-111111-1", 0.5},
                               {0.6, "1-11-11-11-11-1111-1111-1", 0.5}};
    for (const TChoice& c : choices) {
        TLogTicks walk;
        walk.Choose(c.Decades);
        EXPECT_EQ(walk.Pattern(), c.Pattern) << c.Decades;
        EXPECT_EQ(walk.Factor(), c.Factor) << c.Decades;
    }
    // Many decades label every second decade.
    EXPECT_EQ(Quantities(LogTicks(0, 8, 1.0), true),
              (std::vector<double>{1, 100, 10000, 1000000, 100000000}));
    // A start between ticks begins at the next tick.
    EXPECT_EQ(Quantities(LogTicks(std::log10(3.0), 4, 1.0), false).front(), 5);
}

TEST(LinearTicks, MajorsFromTheFirstLabelAndTolerance) {
    const std::vector<TAxisTick> ticks = LinearTicks(0, 100, 5, 4);
    ASSERT_EQ(ticks.size(), 21u);
    EXPECT_EQ(ticks.front().Value, 0);
    EXPECT_TRUE(ticks.front().Major);
    EXPECT_FALSE(ticks[1].Major);
    EXPECT_TRUE(ticks[4].Major);
    EXPECT_EQ(ticks.back().Value, 100);
    EXPECT_TRUE(ticks.back().Major);
    // A range starting between labels starts with the first minor tick inside it.
    const std::vector<TAxisTick> offset = LinearTicks(-37, 112, 5, 4);
    EXPECT_EQ(offset.front().Value, -35);
    EXPECT_FALSE(offset.front().Major);
    EXPECT_TRUE(LinearTicks(0, 1, 0, 4).empty());
}

TEST(GridLines, InsideTheRangeOnly) {
    EXPECT_EQ(GridLines(0, 100, 20, 1), (std::vector<double>{20, 40, 60, 80, 100}));
    EXPECT_EQ(GridLines(0, 1.2, 0.2, 1).size(), 6u);
    EXPECT_TRUE(GridLines(0, 100, 1e-6, 1).empty());
    const std::vector<double> log = GridLines(0, 3, -1, 1);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_NEAR(log[0], 1, 1e-9);
    EXPECT_NEAR(log[2], 3, 1e-9);
}

} // namespace
} // namespace corvane
