#include "CurveTestCatalogue.h"
#include "ProcessStateGuard.h"
#include "i18n/Language.h"
#include "measurements/TMdbMw.h"
#include "model/CurveKinds.h"
#include "model/TCurveSet.h"
#include "model/TMessAuswahl.h"
#include "units/Units.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace corvane;
using corvane::test::TCurveTestCatalogue;
using corvane::test::TRawPoint;

namespace {

constexpr int kVoltageKind = 20;

TCurveSet Build(TMessAuswahl& sel, int kind, int style) {
    TCurveSet set = TCurveSet::ForKind(kind);
    BuildCurveSet(set, sel, style);
    return set;
}

std::vector<TCurvePoint> PointsOf(const TCurve& curve) {
    return {curve.Points.begin(), curve.Points.begin() + curve.PointCount};
}

// Sets the evaluation unit system for one test; the guard restores it afterwards.
struct TPrintUnits {
    explicit TPrintUnits(int system) { SetPrintUnitSystem(system); }
    test::TProcessStateGuard guard;
};

// Voltage 200 + 0.01·V - 1e-6·V² at V = 1000, 2000, ...: whole volts, exact in float.
std::vector<TRawPoint> Parabola(int count) {
    std::vector<TRawPoint> points;
    for (int k = 1; k <= count; ++k)
        points.push_back(
            {1000.0f * static_cast<float>(k), static_cast<float>(200 + 10 * k - k * k)});
    return points;
}

} // namespace

TEST(CurveKinds, FieldsAndCaptions) {
    const TCurveFields pressure = FieldsForCurveKind(1);
    EXPECT_EQ(pressure.XField, TMdbMw::F_VC);
    EXPECT_EQ(pressure.YField, TMdbMw::F_PFA);
    EXPECT_EQ(FieldsForCurveKind(11).XField, TMdbMw::F_PHI);
    EXPECT_EQ(FieldsForCurveKind(11).YField, TMdbMw::F_PSIFA);
    EXPECT_EQ(FieldsForCurveKind(17).XField, TMdbMw::F_PHI);
    EXPECT_EQ(FieldsForCurveKind(18).XField, TMdbMw::F_VC);
    EXPECT_EQ(FieldsForCurveKind(18).YField, TMdbMw::F_NC);
    EXPECT_EQ(FieldsForCurveKind(27).YField, TMdbMw::F_LP3_A);
    EXPECT_EQ(FieldsForCurveKind(28).YField, TMdbMw::F_RES9);
    for (int kind : {0, -3, 29, 1000}) {
        EXPECT_EQ(FieldsForCurveKind(kind).XField, TMdbMw::F_VC) << kind;
        EXPECT_EQ(FieldsForCurveKind(kind).YField, TMdbMw::F_PFA) << kind;
    }
    EXPECT_STREQ(CurveKindCaption(13, 0), "Leistungszahl ´Lambda´");
    EXPECT_STREQ(CurveKindCaption(28, 1), "sound pressure (reading mic.1-3)");
    EXPECT_STREQ(CurveKindCaption(29, 1), "");
    for (int kind = 0; kind <= kLastCurveKind; ++kind)
        EXPECT_NE(std::string(CurveKindCaption(kind, 2)), "") << kind;
}

TEST(CurveSet, PointsBoundsAndMissingValues) {
    TCurveTestCatalogue tc;
    tc.AddSeries(1, {{3000, 230}, {1000, 228}, {-1, 500}, {5000, -1}, {2000, 229}});
    tc.AddSeries(2, {{1500, 240}});
    TMessAuswahl sel(tc.cat);

    TCurveSet empty = Build(sel, kVoltageKind, 3);
    EXPECT_EQ(empty.CurveCount, 0);
    EXPECT_DOUBLE_EQ(empty.MaxX, 0.1);
    EXPECT_DOUBLE_EQ(empty.MaxY, 0.1);
    EXPECT_DOUBLE_EQ(empty.MinY, 10000);

    sel.AddSeries(1, 1, 0, 0, 0, 0);
    sel.AddSeries(2, 2, 0, 0, 0, 0);
    sel.SetRequest(3600, 650, 5, 1);
    const TCurveSet set = Build(sel, kVoltageKind, 3);
    ASSERT_EQ(set.CurveCount, 2);
    // Ascending in x; the point without flow is left out entirely, the one without voltage
    // still widens the x range.
    EXPECT_EQ(PointsOf(set.Curves[0]),
              (std::vector<TCurvePoint>{{1000, 228}, {2000, 229}, {3000, 230}}));
    EXPECT_EQ(set.Curves[0].Slot, 1);
    EXPECT_EQ(set.Curves[0].YField, TMdbMw::F_UMEAN);
    EXPECT_DOUBLE_EQ(set.MaxX, 5000);
    EXPECT_DOUBLE_EQ(set.MaxY, 240);
    EXPECT_DOUBLE_EQ(set.MinY, 228);
    EXPECT_EQ(set.FixedQuantity, 1);
    EXPECT_DOUBLE_EQ(set.RequestedFlow, 3600);
    EXPECT_DOUBLE_EQ(set.RequestedPressure, 650);
    EXPECT_DOUBLE_EQ(set.Tolerance, 5);

    // One valid point: kept, never fitted and not drawn.
    const TCurve& single = set.Curves[1];
    EXPECT_EQ(single.PointCount, 1);
    EXPECT_FALSE(single.Drawable());
    EXPECT_EQ(single.FittedCoefficientCount(), 0);
    EXPECT_TRUE(single.LinePoints(3).empty());
    EXPECT_TRUE(single.LinePoints(kCurveStylePointToPoint).empty());

    // A rebuild starts from scratch: fewer slots leave no curves of the last build behind.
    TCurveSet reused = set;
    sel.RemoveSeries(1);
    BuildCurveSet(reused, sel, 3);
    EXPECT_EQ(reused.CurveCount, 1);
    EXPECT_DOUBLE_EQ(reused.MaxX, 1500);
    EXPECT_EQ(reused.Curves[1].PointCount, 0);
}

TEST(CurveSet, CurveStylesAndFit) {
    TCurveTestCatalogue tc;
    tc.AddSeries(1, Parabola(6));
    tc.AddSeries(2, Parabola(4));
    tc.AddSeries(3, {{2000, 230}, {1000, 220}});
    tc.AddSeries(4, {{1000, 230}, {1000, 220}});
    TMessAuswahl sel(tc.cat);
    for (int no = 1; no <= 4; ++no)
        sel.AddSeries(no, no, 0, 0, 0, 0);

    // Quadratic: the polynomial comes back, the line runs in 200 steps across the points.
    const TCurveSet quadratic = Build(sel, kVoltageKind, 3);
    const TCurve& six = quadratic.Curves[0];
    ASSERT_EQ(six.FittedCoefficientCount(), 3);
    EXPECT_NEAR(six.Fit[0], 200, 1e-6);
    EXPECT_NEAR(six.Fit[1], 0.01, 1e-9);
    EXPECT_NEAR(six.Fit[2], -1e-6, 1e-13);
    const std::vector<TCurvePoint> line = six.LinePoints(3);
    ASSERT_EQ(line.size(), 201u);
    EXPECT_DOUBLE_EQ(line.front().X, 1000);
    EXPECT_DOUBLE_EQ(line.back().X, 6000);
    EXPECT_NEAR(line[100].X, 3500, 1e-9);
    EXPECT_NEAR(line[100].Y, 222.75, 1e-6);
    // Two points: one coefficient, their mean; a line is still drawn.
    EXPECT_EQ(quadratic.Curves[2].FittedCoefficientCount(), 1);
    EXPECT_NEAR(quadratic.Curves[2].Fit[0], 225, 1e-9);
    EXPECT_EQ(quadratic.Curves[2].LinePoints(3).size(), 201u);
    // Two points at the same flow: no width to draw a polynomial across.
    EXPECT_TRUE(quadratic.Curves[3].Drawable());
    EXPECT_TRUE(quadratic.Curves[3].LinePoints(3).empty());

    // Style 6 on four points: one coefficient less than points.
    const TCurveSet sixth = Build(sel, kVoltageKind, 6);
    EXPECT_EQ(sixth.Curves[0].FittedCoefficientCount(), 6 - 1); // 6 points, 6 wanted
    EXPECT_EQ(sixth.Curves[1].FittedCoefficientCount(), 3);
    EXPECT_NEAR(EvalFit(sixth.Curves[1].Fit, 2500), 200 + 25 - 6.25, 1e-6);

    // No line and point to point: no fit; the polygon is the points themselves.
    for (int style : {kCurveStyleNone, kCurveStylePointToPoint}) {
        const TCurveSet plain = Build(sel, kVoltageKind, style);
        EXPECT_EQ(plain.Curves[0].FittedCoefficientCount(), 0) << style;
        EXPECT_EQ(plain.Curves[0].Fit, TPolyCoefficients{}) << style;
    }
    EXPECT_TRUE(six.LinePoints(kCurveStyleNone).empty());
    EXPECT_EQ(six.LinePoints(kCurveStylePointToPoint), PointsOf(six));
}

TEST(CurveSet, HundredPointsOfSmallestFlow) {
    TCurveTestCatalogue tc;
    std::vector<TRawPoint> many;
    for (int k = 150; k >= 1; --k)
        many.push_back({10.0f * static_cast<float>(k), static_cast<float>(k)});
    tc.AddSeries(1, many);
    TMessAuswahl sel(tc.cat);
    sel.AddSeries(1, 1, 0, 0, 0, 0);
    const TCurveSet set = Build(sel, kVoltageKind, 0);
    const TCurve& curve = set.Curves[0];
    ASSERT_EQ(curve.PointCount, TCurve::kMaxPoints);
    for (int i = 0; i < curve.PointCount; ++i)
        ASSERT_DOUBLE_EQ(curve.Points[static_cast<std::size_t>(i)].X, 10.0 * (i + 1));
    EXPECT_DOUBLE_EQ(set.MaxX, 1000); // the points beyond are not looked at
    EXPECT_DOUBLE_EQ(set.MaxY, 100);
    EXPECT_DOUBLE_EQ(set.MinY, 1);
}

TEST(CurveSet, MicrophoneKindShowsSixReadingsOfFirstSeries) {
    TCurveTestCatalogue tc;
    tc.AddSeries(1, {{1000, 230, -1, 71}, {2000, 230, -1, 74}});
    tc.AddSeries(2, {{1000, 230, -1, 90}});
    TMessAuswahl sel(tc.cat);
    EXPECT_EQ(Build(sel, kMicrophoneCurveKind, 3).CurveCount, 0);

    sel.AddSeries(1, 1, 0, 0, 0, 0);
    sel.AddSeries(2, 2, 0, 0, 0, 0);
    const TCurveSet set = Build(sel, kMicrophoneCurveKind, 3);
    ASSERT_EQ(set.CurveCount, 6);
    const int fields[] = {TMdbMw::F_LP1,   TMdbMw::F_LP1_A, TMdbMw::F_LP2,
                          TMdbMw::F_LP2_A, TMdbMw::F_LP3,   TMdbMw::F_LP3_A};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(set.Curves[static_cast<std::size_t>(i)].Slot, 1);
        EXPECT_EQ(set.Curves[static_cast<std::size_t>(i)].YField, fields[i]);
    }
    EXPECT_EQ(PointsOf(set.Curves[0]), (std::vector<TCurvePoint>{{1000, 71}, {2000, 74}}));
    EXPECT_EQ(set.Curves[1].PointCount, 0); // no readings
    EXPECT_DOUBLE_EQ(set.MaxY, 74);         // the second series takes no part
}

TEST(CurveSet, EvaluationUnitsKeepMissingValuesOut) {
    TCurveTestCatalogue tc;
    tc.AddSeries(1, {{3600, 230, 500}, {-1, 231, 400}, {7200, -1, -1}, {10800, 232, 300}});
    TMessAuswahl sel(tc.cat);
    sel.AddSeries(1, 1, 0, 0, 0, 0);
    sel.SetRequest(3600, 650, 5, 0);

    {
        const TPrintUnits units(1); // m³/s
        const TCurveSet set = Build(sel, kVoltageKind, 2);
        EXPECT_EQ(PointsOf(set.Curves[0]), (std::vector<TCurvePoint>{{1, 230}, {3, 232}}));
        EXPECT_DOUBLE_EQ(set.MaxX, 3);
        EXPECT_DOUBLE_EQ(set.RequestedFlow, 1);
    }
    {
        const TPrintUnits units(5); // ft³/min, in WG
        const TCurveSet set = Build(sel, 1, 2);
        const TCurve& curve = set.Curves[0];
        ASSERT_EQ(curve.PointCount, 2);
        const TMdbMw& table = *sel.Slot(1)->Points;
        const TMdbRecord* first = table.FindByKey(1);
        EXPECT_NEAR(curve.Points[0].X, ToDisplay(11, 5, 3600), 1e-9);
        EXPECT_NEAR(curve.Points[0].Y, ToDisplay(9, 5, table.GetFloat(first, TMdbMw::F_PFA)), 1e-9);
        EXPECT_GT(curve.Points[0].Y, 0);
        EXPECT_NEAR(set.RequestedPressure, ToDisplay(9, 5, 650), 1e-12);
        EXPECT_NEAR(set.RequestedFlow, ToDisplay(11, 5, 3600), 1e-9);
    }
}

TEST(CurveSet, SlotTargetsConvertTheCurves) {
    TCurveTestCatalogue tc;
    tc.AddSeries(1, {{2000, 230, 800}, {4000, 230, 600}});
    TMessAuswahl sel(tc.cat);
    sel.SetAllowVariation(true);
    sel.AddSeries(1, 1, 0, 0, 0, 0);       // as measured, standard density
    sel.AddSeries(1, 2, 0, 0, 0, 800);     // twice the diameter (no impeller: no scale-up)
    sel.AddSeries(1, 3, 0, 2.41, 2900, 0); // twice the density and the speed
    const TCurveSet set = Build(sel, 1, 2);
    ASSERT_EQ(set.CurveCount, 3);
    const TCurve& measured = set.Curves[0];
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_NEAR(set.Curves[1].Points[k].X, measured.Points[k].X * 8, 1e-2);
        EXPECT_NEAR(set.Curves[1].Points[k].Y, measured.Points[k].Y * 4, 1e-3);
        EXPECT_NEAR(set.Curves[2].Points[k].X, measured.Points[k].X * 2, 1e-2);
        EXPECT_NEAR(set.Curves[2].Points[k].Y, measured.Points[k].Y * 8, 1e-3);
    }
    EXPECT_DOUBLE_EQ(set.MaxX, set.Curves[1].Points[1].X);
    EXPECT_DOUBLE_EQ(set.MaxY, set.Curves[2].Points[0].Y);
}
