// Series generation: the drive's behaviour over the curve, the sound level window, the point
// spacing, the catalogue's scaling and the sketch geometry.

#include "CatalogueBuilder.h"
#include "DemoContent.h"
#include "SeriesPoints.h"
#include "SketchGeometry.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "measurements/TMdbMessung.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace corvane {
namespace {

TSeriesPlan BackwardPlan() {
    TRandom random(3);
    TSeriesPlan plan;
    plan.Shape = TFanShape::Draw(TFanKind::Backward, random);
    plan.Shape.Normalise(1.3, 1, 0.8, 0.2);
    plan.Diameter = 0.5;
    plan.SyncSpeed = 1500;
    plan.RatedSlip = 0.035;
    plan.RatedPower = 5500;
    plan.MotorEta = 0.88;
    plan.CosPhi = 0.84;
    plan.Seed = 77;
    plan.PointCount = 21;
    plan.Octaves = {0, -1, -3, -5, -8, -11, -15, -20};
    return plan;
}

TEST(DatagenSeries, InductionMotorDroopsWithLoadAndWastesSomePower) {
    const TSeriesPlan plan = BackwardPlan();
    TTruePoint previous = TSeriesPoints::TruePointAt(plan, 0);
    for (int i = 1; i <= 20; ++i) {
        const TTruePoint p = TSeriesPoints::TruePointAt(plan, i / 20.0);
        EXPECT_LT(p.Speed, plan.SyncSpeed);
        EXPECT_GT(p.Speed, plan.SyncSpeed * (1 - 1.2 * plan.RatedSlip));
        // More load, less speed: the two move in opposite directions.
        EXPECT_LT((p.ShaftPower - previous.ShaftPower) * (p.Speed - previous.Speed), 1e-9);
        const double motorEta = p.ShaftPower / p.Electrical.Power;
        EXPECT_GE(motorEta, 0.75);
        EXPECT_LE(motorEta, 0.9);
        EXPECT_GE(p.Electrical.CosPhi, 0.45);
        EXPECT_GT(p.Flow, previous.Flow);
        previous = p;
    }
    // The slip law itself: speed = sync (1 - slip P / P_rated).
    const TTruePoint p = TSeriesPoints::TruePointAt(plan, 0.6);
    EXPECT_NEAR(p.Speed, plan.SyncSpeed * (1 - plan.RatedSlip * p.ShaftPower / plan.RatedPower),
                0.01);
}

TEST(DatagenSeries, PointsRunFromShutOffToFreeDeliveryWithinTheSoundWindow) {
    TSeriesPlan plan = BackwardPlan();
    int count = 0;
    const auto x = TSeriesPoints::RelativeFlows(plan, count);
    ASSERT_EQ(count, 21);
    EXPECT_EQ(x[0], 0.0);
    EXPECT_GE(x[count - 1], 0.996);
    for (int i = 1; i < count; ++i)
        EXPECT_GT(x[i], x[i - 1]);

    // An absurd specific sound power is pulled back into the window of the rig's meters.
    for (double kw : {90.0, -20.0}) {
        plan.Kw = kw;
        TSeriesPoints::FitSoundLevel(plan);
        for (int i = 0; i < count; ++i) {
            const double la = TSound::OverallA(
                TSeriesPoints::SoundAt(plan, x[i], TSeriesPoints::TruePointAt(plan, x[i])));
            EXPECT_GE(la, 49.99);
            EXPECT_LE(la, 100.01);
        }
    }
}

TEST(DatagenCatalogue, ScaleMultipliesTheCatalogueAndSeedsDiffer) {
    TCatalogue one, two, other;
    TCatalogueBuilder(one, 1, 1).Build();
    TCatalogueBuilder(two, 1, 2).Build();
    TCatalogueBuilder(other, 2, 1).Build();
    const auto ratio = [](int a, int b) { return static_cast<double>(a) / b; };
    EXPECT_NEAR(ratio(two.Laufrad().KeyIndexCount(), one.Laufrad().KeyIndexCount()), 2, 0.2);
    EXPECT_NEAR(ratio(two.Gehaeuse().KeyIndexCount(), one.Gehaeuse().KeyIndexCount()), 2, 0.2);
    EXPECT_NEAR(ratio(two.Messung().KeyIndexCount(), one.Messung().KeyIndexCount()), 2, 0.2);
    EXPECT_EQ(two.LrTyp().KeyIndexCount(), one.LrTyp().KeyIndexCount());
    const TMdbLaufrad& a = one.Laufrad();
    const TMdbLaufrad& b = other.Laufrad();
    EXPECT_NE(a.GetFloat(a.KeyRecord(0), TMdbLaufrad::F_D2),
              b.GetFloat(b.KeyRecord(0), TMdbLaufrad::F_D2));
}

TEST(DatagenSketch, HousingOutletTurnsWithItsAngle) {
    TSketchPlan plan;
    plan.Kind = TSketchPlan::TKind::Housing;
    plan.Angle = 0;
    const auto upright = SketchPaths(plan).front().Points;
    plan.Angle = 90;
    const auto turned = SketchPaths(plan).front().Points;
    ASSERT_EQ(upright.size(), turned.size());
    for (std::size_t i = 0; i < upright.size(); ++i) {
        // A quarter turn counter-clockwise: (x, y) -> (-y, x).
        EXPECT_NEAR(turned[i].first, -upright[i].second, 1e-12);
        EXPECT_NEAR(turned[i].second, upright[i].first, 1e-12);
    }
    const double extent = SketchExtent(plan);
    for (const TSketchPath& path : SketchPaths(plan))
        for (const auto& [x, y] : path.Points) {
            EXPECT_LE(std::abs(x), extent);
            EXPECT_LE(std::abs(y), extent);
        }
    TSketchPlan wheel;
    wheel.Blades = 9;
    // Discs, inlet and hub plus one path per blade.
    EXPECT_EQ(SketchPaths(wheel).size(), 3u + 9u);
}

} // namespace
} // namespace corvane
