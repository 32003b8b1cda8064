#include "model/CharacteristicMap.h"
#include "model/MapArea.h"
#include "model/TMapSettings.h"

#include <cmath>
#include <gtest/gtest.h>

namespace corvane {
namespace {

// A fan measured at 1450 1/min: pressure falling with the square of the flow, efficiency
// peaking at 80 % at 5000 m³/h, shaft power from both, level rising with the flow.
std::vector<TMapPoint> Fan(int count = 9, double from = 1000, double to = 9000) {
    std::vector<TMapPoint> points;
    for (int i = 0; i < count; ++i) {
        const double v = from + (to - from) * i / std::max(count - 1, 1);
        TMapPoint p;
        p.Flow = v;
        p.Pressure = 1000 - 1e-5 * v * v;
        p.Efficiency = 80 - 60 * std::pow((v - 5000) / 4000, 2);
        p.Power = v / 3600 * p.Pressure / (p.Efficiency / 100);
        p.Level = 70 + v / 1000;
        p.Speed = 1450;
        points.push_back(p);
    }
    return points;
}

TMapSettings R5() {
    TMapSettings s;
    s.SpeedSeries = 2;
    s.MinSpeed = 0; // "min"
    s.MaxSpeed = 0; // "max"
    s.OpSpeed = 0;
    return s;
}

std::vector<double> SpeedValues(const TMapLines& map) {
    std::vector<double> values;
    for (const TMapLine& line : map.Family(kMapSpeed))
        values.push_back(line.Value);
    return values;
}

TEST(MapSpeeds, SeriesEndsAndFivePercentRule) {
    EXPECT_EQ(MapSpeeds(R5().Effective()), (std::vector<double>{400, 630, 1000, 1600, 2500, 4000}));
    // Given ends on R10: 2500 lies within 5 % of the maximum 2600 and is left out.
    TMapSettings s = R5();
    s.SpeedSeries = 1;
    s.MinSpeed = 450;
    s.MaxSpeed = 2600;
    EXPECT_EQ(MapSpeeds(s.Effective()),
              (std::vector<double>{450, 500, 630, 800, 1000, 1250, 1600, 2000, 2600}));
    // The operating speed comes before the first series speed above it, once.
    s = R5();
    s.OpSpeed = 1450;
    EXPECT_EQ(MapSpeeds(s.Effective()),
              (std::vector<double>{400, 630, 1000, 1450, 1600, 2500, 4000}));
    // An operating speed at or outside the ends adds nothing.
    s.OpSpeed = 4000;
    EXPECT_EQ(MapSpeeds(s.Effective()).size(), 6u);
}

TEST(MapSettings, EffectiveClampsAndReplacesMinMax) {
    TMapSettings s;
    s.EtaStep = 1; // typed by hand
    s.EtaMin0 = -5;
    s.EtaMin1 = 150;
    s.SpeedSeries = 7;
    s.SpeedPoly = 0;
    s.PowerPoly = 12;
    s.SoundStep = 1;
    s.MinSpeed = 20000;
    s.MaxSpeed = 5;
    const TMapSettings e = s.Effective();
    EXPECT_EQ(e.EtaStep, 2);
    EXPECT_EQ(e.EtaMin0, 0);
    EXPECT_EQ(e.EtaMin1, 100);
    EXPECT_EQ(e.SpeedSeries, 2);
    EXPECT_EQ(e.SpeedPoly, 2);
    EXPECT_EQ(e.PowerPoly, 9);
    EXPECT_EQ(e.SoundStep, 2);
    EXPECT_EQ(e.MinSpeed, 9990);
    EXPECT_EQ(e.MaxSpeed, 10000); // "max" = 4000 of R5, raised above the minimum
}

TEST(CharacteristicMap, SpeedLinesFollowTheFanLaws) {
    const TMapLines map = ComputeMap(R5(), Fan());
    ASSERT_FALSE(map.Empty());
    EXPECT_EQ(SpeedValues(map), (std::vector<double>{400, 630, 1000, 1600, 2500, 4000}));
    for (const TMapLine& line : map.Family(kMapSpeed)) {
        EXPECT_FALSE(line.Operating);
        const double h = line.Value / 1450;
        ASSERT_EQ(line.Points.size(), 9u);
        EXPECT_NEAR(line.Points[4].Flow, 5000 * h, 1e-6);
        EXPECT_NEAR(line.Points[4].Pressure, (1000 - 250) * h * h, 1e-6);
        EXPECT_EQ(line.Fit[10], 5); // order 4 by default: five coefficients
    }
}

TEST(CharacteristicMap, OperatingSpeedLineIsMarked) {
    TMapSettings s = R5();
    s.OpSpeed = 1450;
    const TMapLines map = ComputeMap(s, Fan());
    int marked = 0;
    for (const TMapLine& line : map.Family(kMapSpeed))
        if (line.Operating) {
            ++marked;
            EXPECT_EQ(line.Value, 1450);
        }
    EXPECT_EQ(marked, 1);
    // Only the line within 1 1/min of the operating speed: not the series speed 1000 beside
    // an operating speed of 1001.5.
    s.OpSpeed = 1001.5;
    const TMapLines near = ComputeMap(s, Fan());
    std::vector<double> thick;
    for (const TMapLine& line : near.Family(kMapSpeed))
        if (line.Operating) thick.push_back(line.Value);
    EXPECT_EQ(thick, (std::vector<double>{1001.5}));
}

TEST(CharacteristicMap, TooFewValidPointsGiveAnEmptyMap) {
    std::vector<TMapPoint> points = Fan(3);
    points[0].Speed = 4;    // not measured
    points[2].Pressure = 0; // no pressure
    const TMapLines map = ComputeMap(R5(), points);
    EXPECT_TRUE(map.Empty());
    for (const auto& family : map.Families)
        EXPECT_TRUE(family.empty());
    EXPECT_TRUE(ComputeMap(R5(), {}).Empty());
}

TEST(CharacteristicMap, EfficiencyLinesJoinLowestAndHighestSpeed) {
    TMapSettings s = R5();
    s.EtaStep = 10;
    s.EtaMin0 = 0;
    s.EtaMin1 = 0;
    const TMapLines map = ComputeMap(s, Fan());
    const auto& eta = map.Family(kMapEfficiency);
    EXPECT_DOUBLE_EQ(map.BestEfficiency, 80);
    EXPECT_EQ(map.BestIndex, 4);
    EXPECT_DOUBLE_EQ(map.LeftEfficiency, 20);
    // Left 20..70 (the outermost first), the best, right 70..20: 6 + 1 + 6 lines.
    ASSERT_EQ(eta.size(), 13u);
    std::vector<double> values;
    for (const TMapLine& line : eta)
        values.push_back(line.Value);
    EXPECT_EQ(values, (std::vector<double>{20, 30, 40, 50, 60, 70, 80, 70, 60, 50, 40, 30, 20}));
    const TMapLine& best = eta[6];
    EXPECT_NEAR(best.Low.Flow, 5000 * 400 / 1450.0, 1e-6);
    EXPECT_NEAR(best.High.Flow, 5000 * 4000 / 1450.0, 1e-6);
    // A level line reaches the flow where the measured curve (linear between its points)
    // falls to the level + 0.5, within one step of 1/400 of the best flow, on both speeds in
    // the same proportion.
    const TMapLine& left60 = eta[4];
    const double v60 = 2000 + (60.5 - 46.25) / (65 - 46.25) * 1000;
    EXPECT_NEAR(left60.Low.Flow / (400 / 1450.0), v60, 5000 / 400.0);
    EXPECT_NEAR(left60.High.Flow / left60.Low.Flow, 10, 0.05);
    EXPECT_LT(eta.front().Low.Flow, left60.Low.Flow);
    // The map range is spanned by the outermost lines.
    EXPECT_DOUBLE_EQ(map.FlowMin, std::min(eta.front().Low.Flow, eta.back().Low.Flow));
    EXPECT_DOUBLE_EQ(map.FlowMax, std::max(eta.front().High.Flow, eta.back().High.Flow));
    EXPECT_LT(map.PressureMin, map.PressureMax);
}

TEST(CharacteristicMap, LimitsRaiseTheOutermostLevelAndSpacingTwoIsTheFloor) {
    TMapSettings s = R5();
    s.EtaStep = 1; // raised to 2
    s.EtaMin0 = 65;
    s.EtaMin1 = 71;
    const TMapLines map = ComputeMap(s, Fan());
    const auto& eta = map.Family(kMapEfficiency);
    ASSERT_FALSE(eta.empty());
    // Left: 78, 76, .., 66 lie above the limit 65, the next one (64) is raised to it.
    EXPECT_EQ(eta.front().Value, 65);
    EXPECT_EQ(eta[1].Value, 66);
    // Right: 78..72, then 70 raised to 71.
    EXPECT_EQ(eta.back().Value, 71);
    EXPECT_EQ(eta.size(), 8u + 1u + 5u);
}

TEST(CharacteristicMap, PowerAndSoundLinesHoldTheirValue) {
    const TMapLines map = ComputeMap(R5(), Fan());
    const auto& power = map.Family(kMapPower);
    ASSERT_GE(power.size(), 3u);
    for (const TMapLine& line : power) {
        EXPECT_GE(line.Points.size(), 3u);
        for (std::size_t i = 1; i < line.Points.size(); ++i)
            EXPECT_LE(line.Points[i - 1].Flow, line.Points[i].Flow);
    }
    // R10 power series: consecutive values differ by one R10 step (about 25 %).
    EXPECT_NEAR(power[1].Value / power[0].Value, 1.25, 0.02);
    const auto& sound = map.Family(kMapSound);
    ASSERT_FALSE(sound.empty());
    EXPECT_EQ(sound.front().Value, 50); // 60 - 5 · 5 = 35 upwards, the first above 49
    for (std::size_t i = 1; i < sound.size(); ++i)
        EXPECT_EQ(sound[i].Value - sound[i - 1].Value, 5);
}

TEST(CharacteristicMap, SpeedSearchFindsTheQuantity) {
    const TMapPoint p = Fan()[4];
    const auto found = SearchSpeed(p, EMapQuantity::Power, 2 * p.Power, 320, 4800);
    ASSERT_TRUE(found.has_value());
    // Power ∝ n³: twice the power at 1450 · 2^(1/3).
    const double h = std::cbrt(2.0);
    EXPECT_NEAR(found->Flow, p.Flow * h, p.Flow * h * 0.002);
    const auto level = SearchSpeed(p, EMapQuantity::Level, p.Level + 15, 320, 4800);
    ASSERT_TRUE(level.has_value());
    EXPECT_NEAR(level->Flow, p.Flow * std::pow(10, 15.0 / 50), 5);
    // Out of reach within the speed range, or no value: nothing.
    EXPECT_FALSE(SearchSpeed(p, EMapQuantity::Power, 1000 * p.Power, 320, 4800));
    TMapPoint silent = p;
    silent.Level = 0;
    EXPECT_FALSE(SearchSpeed(silent, EMapQuantity::Level, 60, 320, 4800));
}

TEST(CharacteristicMap, BaseCurveKeepsFortyPointsWithTheEnds) {
    std::vector<TMapPoint> points = Fan(60, 100, 6000);
    std::reverse(points.begin(), points.end());
    const std::vector<TMapPoint> base = MapBaseCurve(points);
    ASSERT_EQ(base.size(), 40u);
    EXPECT_DOUBLE_EQ(base.front().Flow, 100);
    // Only the 50 smallest flows are looked at.
    EXPECT_DOUBLE_EQ(base.back().Flow, Fan(60, 100, 6000)[49].Flow);
    for (std::size_t i = 1; i < base.size(); ++i)
        EXPECT_LT(base[i - 1].Flow, base[i].Flow);
}

TEST(MapArea, LinesStayBetweenTheOutermostEfficiencyLines) {
    const TMapLines map = ComputeMap(R5(), Fan());
    const TMapArea area(map);
    const TMapLine& left = map.Family(kMapEfficiency).front();
    const TMapLine& right = map.Family(kMapEfficiency).back();
    const double midFlow = std::sqrt(left.Low.Flow * left.High.Flow);
    const double midPressure = std::sqrt(left.Low.Pressure * left.High.Pressure);
    EXPECT_TRUE(area.Inside(kMapSpeed, midFlow, midPressure));
    EXPECT_FALSE(area.Inside(kMapSpeed, midFlow * 0.9, midPressure));
    EXPECT_TRUE(area.Inside(kMapSpeed, std::sqrt(right.Low.Flow * right.High.Flow),
                            std::sqrt(right.Low.Pressure * right.High.Pressure)));
    EXPECT_FALSE(area.Inside(kMapSpeed, 0, 100));
    // Power lines must not rise above the highest-speed curve.
    const TMapLine& top = map.Family(kMapSpeed).back();
    const TMapXY peak = top.Points[4];
    EXPECT_FALSE(area.Inside(kMapPower, peak.Flow, peak.Pressure * 1.05));
    EXPECT_TRUE(area.Inside(kMapPower, peak.Flow, peak.Pressure * 0.95));
    for (const TMapLine& line : map.Family(kMapPower))
        for (const auto& run : area.Runs(kMapPower, line))
            for (const TMapXY& p : run)
                EXPECT_TRUE(area.Inside(kMapPower, p.Flow, p.Pressure));
    EXPECT_FALSE(area.Runs(kMapSpeed, map.Family(kMapSpeed)[2]).empty());
}

} // namespace
} // namespace corvane
