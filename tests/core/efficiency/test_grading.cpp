// Grades and part-load curves of result rows on series with known efficiency curves.
#include "GradeTestCatalogue.h"
#include "efficiency/EfficiencyGrading.h"
#include "efficiency/TEfficiencyRater.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace corvane;
using corvane::test::TGradeSeries;
using corvane::test::TGradeTestCatalogue;

namespace {

// Series 1 without, series 2 with electrical readings (motor 85 %); impellers 1 and 2
// backward-curved (type 150), impeller 3 on series 1 with type 130 (neither group).
class Grading : public ::testing::Test {
protected:
    TGradeTestCatalogue t;
    TGradeSeries plain{75, 6013};
    TGradeSeries motor{75, 6000, 0.85};

    void SetUp() override {
        t.AddSeries(1, plain);
        t.AddSeries(2, motor);
        t.AddType(150);
        t.AddType(130);
        t.AddImpeller(1, 1, 150);
        t.AddImpeller(2, 2, 150);
        t.AddImpeller(3, 1, 130);
        t.Finish();
    }
};

double Base327(double kw) {
    return kw <= 10 ? 4.56 * std::log(kw) - 10.5 : 1.1 * std::log(kw) - 2.6;
}

} // namespace

TEST_F(Grading, BestPointOnTheFittedCurveWithTheDefaultMotor) {
    TEfficiencyRater rater(t.cat);
    const TEfficiencyGrade g = rater.Grade(t.Row(1, 5000, true), 1.205);
    EXPECT_EQ(g.FanType, EFanType::BackwardCurved);
    EXPECT_TRUE(g.Housed);
    EXPECT_EQ(g.NotRated(), ENotRated::No);

    const TBestEfficiencyPoint& total = g.Total.Bep;
    ASSERT_TRUE(total.Found);
    EXPECT_NEAR(total.Flow, 6013, 1);
    EXPECT_NEAR(total.ShaftEfficiency, 75, 0.05);
    EXPECT_NEAR(total.ShaftPower, plain.ShaftPower(6013), 0.002 * plain.ShaftPower(6013));
    EXPECT_FALSE(total.ElectricalMeasured);
    const double pe = total.ElectricalKw();
    EXPECT_NEAR(pe * DefaultMotorEfficiency(pe), total.ShaftPower / 1000, 1e-6);
    EXPECT_NEAR(total.OverallEfficiency, 75 * DefaultMotorEfficiency(pe) * 0.9, 0.05);

    // Housed, total category: 327/2011 asks for N 64, 2024/1834 for N 67.
    EXPECT_TRUE(g.Total.Eu327.Applies);
    EXPECT_NEAR(g.Total.Eu327.AchievedN, total.OverallEfficiency - Base327(pe), 1e-9);
    EXPECT_EQ(g.Total.Eu327.RequiredN, 64);
    EXPECT_EQ(g.Total.Eu327.Pass, g.Total.Eu327.AchievedN >= 64);
    EXPECT_EQ(g.Total.Eu1834.RequiredN, 67);
    EXPECT_NEAR(g.Total.Eu327.Target, Base327(pe) + 64, 1e-9);

    // The static efficiency peaks lower and at a smaller flow; the fitted peak lies at or
    // above the best measured point.
    const TBestEfficiencyPoint& stat = g.Static.Bep;
    ASSERT_TRUE(stat.Found);
    EXPECT_LT(stat.Flow, total.Flow - 200);
    EXPECT_LT(stat.ShaftEfficiency, total.ShaftEfficiency - 1);
    double bestPoint = 0;
    for (int i = 1; i <= 11; ++i) {
        const double v = 1000.0 * i;
        bestPoint = std::max(bestPoint, plain.TotalEfficiency(v) * TGradeSeries::Pressure(v) /
                                            TGradeSeries::TotalPressure(v));
    }
    EXPECT_GE(stat.ShaftEfficiency, bestPoint - 0.05);
    EXPECT_LE(stat.ShaftEfficiency, bestPoint + 1.0);
    EXPECT_EQ(g.Static.Eu327.RequiredN, 61);
    EXPECT_EQ(&g.Declared(), &g.Static);
}

TEST_F(Grading, MeasuredElectricalInputMakesAFinalAssembly) {
    TEfficiencyRater rater(t.cat);
    const TEfficiencyGrade g = rater.Grade(t.Row(2, 5000), 1.205);
    const TBestEfficiencyPoint& total = g.Total.Bep;
    ASSERT_TRUE(total.Found);
    EXPECT_TRUE(total.ElectricalMeasured);
    EXPECT_NEAR(total.MotorEfficiency, 0.85, 0.001);
    EXPECT_NEAR(total.OverallEfficiency, 75 * 0.85, 0.1); // no matching compensation
    EXPECT_NEAR(total.ElectricalPower, total.ShaftPower / 0.85, 0.002 * total.ElectricalPower);
    // Without housing: static N 62 for 327/2011, no total grade there.
    EXPECT_EQ(g.Static.Eu327.RequiredN, 62);
    EXPECT_FALSE(g.Total.Eu327.Applies);
    EXPECT_TRUE(g.Total.Eu1834.Applies);

    // The index uses the measured input at the duty point.
    ASSERT_TRUE(g.Fei.Applies);
    EXPECT_TRUE(g.Fei.ElectricalMeasured);
    EXPECT_NEAR(g.Fei.FepAct, motor.ShaftPower(5000) / 0.85 / 1000, 0.002);
    EXPECT_NEAR(
        g.Fei.FepRef,
        ReferenceFanElectricalPower(5000 / 3600.0, TGradeSeries::TotalPressure(5000), 1.205), 1e-9);
}

TEST_F(Grading, IndexWithoutMotorUsesTheReferenceMotorOnTheShaftPower) {
    TEfficiencyRater rater(t.cat);
    const TErgebnisZeile row = t.Row(1, 7000);
    const TEfficiencyGrade g = rater.Grade(row, 1.205);
    ASSERT_TRUE(g.Fei.Applies);
    EXPECT_FALSE(g.Fei.ElectricalMeasured);
    EXPECT_NEAR(g.Fei.FepAct, ReferenceMotorInput(row.Power / 1000), 1e-12);
    EXPECT_NEAR(g.Fei.Fei, g.Fei.FepRef / g.Fei.FepAct, 1e-12);
}

TEST_F(Grading, SpeedControllerCompensatesOnlyThe2024Regulation) {
    TEfficiencyRater rater(t.cat);
    const TEfficiencyGrade plainGrade = rater.Grade(t.Row(1, 5000), 1.205);
    rater.SetOptions({6, true});
    const TEfficiencyGrade vsd = rater.Grade(t.Row(1, 5000), 1.205);
    const double kw = vsd.Static.Bep.ElectricalKw();
    EXPECT_TRUE(vsd.SpeedController);
    EXPECT_NEAR(vsd.Static.Eu1834.Efficiency,
                plainGrade.Static.Eu1834.Efficiency * SpeedControlCompensation1834(kw), 1e-9);
    EXPECT_EQ(vsd.Static.Eu327.Efficiency, plainGrade.Static.Eu327.Efficiency);
}

TEST_F(Grading, RowsOutsideTheRulesAreNotRated) {
    TEfficiencyRater rater(t.cat);
    const TEfficiencyGrade other = rater.Grade(t.Row(3, 5000), 1.205);
    EXPECT_EQ(other.NotRated(), ENotRated::FanType);
    EXPECT_TRUE(other.Static.Bep.Found); // the curve is there, the type is not rated
    EXPECT_FALSE(other.Static.Eu327.Applies);
    EXPECT_FALSE(other.Static.Eu1834.Applies);
    EXPECT_TRUE(other.Fei.Applies); // the index rates every fan

    TErgebnisZeile missing = t.Row(1, 5000);
    missing.Series = 99;
    const TEfficiencyGrade none = rater.Grade(missing, 1.205);
    EXPECT_EQ(none.NotRated(), ENotRated::NoCurve);
    EXPECT_FALSE(none.Static.Eu327.Applies);
    EXPECT_TRUE(none.Fei.Applies);

    // At 300 1/min the fan takes some 20 W: below the power range of both regulations.
    TErgebnisZeile slow = t.Row(1, 5000 * 300.0 / 1450);
    slow.N = 300;
    const TEfficiencyGrade small = rater.Grade(slow, 1.205);
    EXPECT_EQ(small.NotRated(), ENotRated::PowerRange);
    EXPECT_FALSE(small.Static.Eu327.Applies);
}

TEST_F(Grading, TooFewPointsGiveNoBestPoint) {
    TCatalogue cat;
    TMdbMw mw(&cat);
    for (int i = 0; i < 2; ++i) {
        TMdbRecord* p = mw.NewRecord();
        mw.SetFloat(p, TMdbMw::F_VC, 1000.0 * (i + 1));
        mw.SetFloat(p, TMdbMw::F_ETAFA, 50);
        mw.SetFloat(p, TMdbMw::F_PWE, 500);
    }
    mw.RebuildIndex(false);
    mw.Sort(TMdbMw::F_VC, false);
    EXPECT_FALSE(FindBestEfficiencyPoint(mw, EEfficiencyCategory::Static, 6).Found);
    TMdbRecord* p = mw.NewRecord();
    mw.SetFloat(p, TMdbMw::F_VC, 3000);
    mw.SetFloat(p, TMdbMw::F_ETAFA, 40);
    mw.SetFloat(p, TMdbMw::F_PWE, 600);
    mw.RebuildIndex(false);
    mw.Sort(TMdbMw::F_VC, false);
    const TBestEfficiencyPoint bep = FindBestEfficiencyPoint(mw, EEfficiencyCategory::Static, 6);
    ASSERT_TRUE(bep.Found);
    EXPECT_FALSE(bep.ElectricalMeasured); // the points carry no electrical input
}

TEST_F(Grading, PartLoadPointsKeepZeroFlowAndLeaveMissingPowerOut) {
    TCatalogue cat;
    TMdbMw mw(&cat);
    const float values[][4] = {{0, 0, 400, 1200}, {1000, 40, 0, 1100}, {-1, 50, 500, 1000}};
    for (const auto& v : values) {
        TMdbRecord* p = mw.NewRecord();
        mw.SetFloat(p, TMdbMw::F_VC, v[0]);
        mw.SetFloat(p, TMdbMw::F_ETAFA, v[1]);
        mw.SetFloat(p, TMdbMw::F_PWE, v[2]);
        mw.SetFloat(p, TMdbMw::F_PFA, v[3]);
    }
    mw.RebuildIndex(false);
    mw.Sort(TMdbMw::F_VC, false);
    const std::vector<TPartLoadPoint> points = PartLoadPoints(mw);
    ASSERT_EQ(points.size(), 2u); // the point without flow is left out
    EXPECT_EQ(points[0].Flow, 0);
    EXPECT_EQ(points[0].Pressure, 1200);
    EXPECT_EQ(points[0].OverallEfficiency, 0); // zero efficiency is a value
    EXPECT_NEAR(points[0].ElectricalPower, DefaultMotorInput(0.4) * 1000, 1e-9);
    EXPECT_EQ(points[1].ElectricalPower, -1); // no shaft power, no input
    EXPECT_EQ(points[1].OverallEfficiency, -1);
}

TEST_F(Grading, PartLoadCurvesFollowTheFanLaws) {
    // Type 130 has no scale-up family: flow, pressure and power follow the fan laws exactly.
    TEfficiencyRater rater(t.cat);
    const TPartLoadCurves curves = rater.PartLoad(t.Row(3, 5000), 1.205);
    ASSERT_TRUE(curves.Found);
    EXPECT_FALSE(curves.ElectricalMeasured);
    const TPartLoadCurve& full = curves.Curves[0];
    ASSERT_EQ(full.Points.size(), 11u);
    EXPECT_EQ(full.Speed, 1450);
    for (std::size_t c = 1; c < curves.Curves.size(); ++c) {
        const TPartLoadCurve& part = curves.Curves[c];
        const double f = part.SpeedFraction;
        EXPECT_EQ(f, c == 1 ? 0.725 : 0.45);
        EXPECT_NEAR(part.Speed, 1450 * f, 1e-9);
        ASSERT_EQ(part.Points.size(), full.Points.size());
        for (std::size_t i = 0; i < full.Points.size(); ++i) {
            const TPartLoadPoint& a = full.Points[i];
            const TPartLoadPoint& b = part.Points[i];
            EXPECT_NEAR(b.Flow, a.Flow * f, 1e-3 * a.Flow);
            EXPECT_NEAR(b.Pressure, a.Pressure * f * f, 1e-3 * a.Pressure);
            EXPECT_NEAR(b.TotalPressure, a.TotalPressure * f * f, 1e-3 * a.TotalPressure);
            EXPECT_NEAR(b.ShaftPower, a.ShaftPower * f * f * f, 1e-3 * a.ShaftPower);
            EXPECT_NEAR(b.Speed, 1450 * f, 0.01);
            EXPECT_NEAR(b.ShaftEfficiency, a.ShaftEfficiency, 1e-3);
            // The smaller motor of the lower speed works less efficiently.
            const double kw = DefaultMotorInput(b.ShaftPower / 1000);
            EXPECT_NEAR(b.ElectricalPower, kw * 1000, 1e-6);
            EXPECT_NEAR(b.OverallEfficiency, b.ShaftEfficiency * DefaultMotorEfficiency(kw) * 0.9,
                        1e-6);
            EXPECT_LT(b.OverallEfficiency, a.OverallEfficiency);
        }
    }

    // Measured input: the points carry the readings, converted with the speed.
    const TPartLoadCurves measured = rater.PartLoad(t.Row(2, 5000), 1.205);
    ASSERT_TRUE(measured.ElectricalMeasured);
    const TPartLoadPoint& p = measured.Curves[2].Points[4];
    EXPECT_NEAR(p.ElectricalPower, p.ShaftPower / 0.85, 0.002 * p.ElectricalPower);

    TErgebnisZeile missing = t.Row(1, 5000);
    missing.Series = 99;
    EXPECT_FALSE(rater.PartLoad(missing, 1.205).Found);
}
