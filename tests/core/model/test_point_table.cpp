// The point table read against the curve set built from the same series.
#include "CurveTestCatalogue.h"
#include "i18n/Language.h"
#include "measurements/TMdbMw.h"
#include "model/TCurveSet.h"
#include "model/TMessAuswahl.h"
#include "selection/TPointList.h"
#include "selection/TPointTable.h"

#include <gtest/gtest.h>
#include <string>

using namespace corvane;
using corvane::test::TCurveTestCatalogue;
using corvane::test::TRawPoint;

namespace {

constexpr int kFlowColumn = 2;
constexpr int kPressureColumn = 3;
constexpr int kMaxPowerColumn = 8;

// The curve's polyline value at x (x within its points).
double PolylineAt(const TCurve& curve, double x) {
    for (int i = 1; i < curve.PointCount; ++i) {
        const TCurvePoint& a = curve.Points[static_cast<std::size_t>(i - 1)];
        const TCurvePoint& b = curve.Points[static_cast<std::size_t>(i)];
        if (x <= b.X) return a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X);
    }
    return -1;
}

struct TFixture {
    TCurveTestCatalogue tc;
    TMessAuswahl sel{tc.cat};
    TCurveSet set = TCurveSet::ForKind(1);

    TFixture() {
        tc.AddTwoFans();
        sel.AddSeries(1, 1, 0, 0, 0, 0);
        sel.AddSeries(2, 2, 0, 0, 0, 0);
        sel.SetRequest(3000, 700, 5, -1);
        BuildCurveSet(set, sel, 6);
    }

    TPointTable Table(int mode, TPointList flows, TPointList parabolas, bool selectionMode) {
        TPointTable table;
        table.Build(tc.cat, sel, set, mode, flows, parabolas, selectionMode, 0);
        return table;
    }
};

double Number(const std::string& text) {
    return text.empty() ? -1 : std::stod(text);
}

TEST(PointTable, SelectedFlowsReadEveryCurve) {
    TFixture f;
    ASSERT_EQ(f.set.CurveCount, 2);
    const TPointTable t = f.Table(1, {{2000, 4500, 7000}, 1}, {}, false);
    ASSERT_EQ(t.Rows().size(), 6u);
    EXPECT_EQ(t.CurvesPerPoint(), 2);
    // Point-major order: point 1 with curves 1 and 2, then point 2 ...
    EXPECT_EQ(t.Rows()[1].Point, 1);
    EXPECT_EQ(t.Rows()[1].Curve, 2);
    EXPECT_EQ(t.Rows()[2].Point, 2);
    EXPECT_EQ(t.Rows()[2].Cells[0], "1");
    EXPECT_EQ(t.Rows()[3].Cells[1], "2"); // measurement number outside selection mode

    for (const TPointTable::TRow& row : t.Rows()) {
        SCOPED_TRACE(testing::Message() << "point " << row.Point << " curve " << row.Curve);
        EXPECT_EQ(Number(row.Cells[kFlowColumn]), row.Flow);
        const TCurve& curve = f.set.Curves[static_cast<std::size_t>(row.Curve - 1)];
        const double expected = PolylineAt(curve, row.Flow);
        if (row.Flow > curve.Points[static_cast<std::size_t>(curve.PointCount - 1)].X) {
            // Beyond the last measured flow the curve has no value.
            EXPECT_EQ(row.Cells[kPressureColumn], "");
        } else {
            EXPECT_NEAR(Number(row.Cells[kPressureColumn]), expected, 0.51);
        }
    }
    // The largest shaft power of the series, whatever the flow.
    EXPECT_EQ(t.Rows()[0].Cells[kMaxPowerColumn], t.Rows()[2].Cells[kMaxPowerColumn]);
    TCurveSet power = TCurveSet::ForKind(3);
    BuildCurveSet(power, f.sel, 6);
    EXPECT_NEAR(Number(t.Rows()[0].Cells[kMaxPowerColumn]), power.MaxY, 0.51);
    EXPECT_LT(Number(t.Rows()[1].Cells[kMaxPowerColumn]), power.MaxY / 2);
}

TEST(PointTable, ParabolaIntersectionsAndTheDutyPointsParabola) {
    TFixture f;
    const TPointTable t = f.Table(2, {}, {{4000, 1000000}, 1}, true);
    // Two parabolas plus the duty point's own, two curves each.
    ASSERT_EQ(t.Rows().size(), 6u);
    EXPECT_EQ(t.PointCount(), 3);
    for (const TPointTable::TRow& row : t.Rows()) {
        SCOPED_TRACE(testing::Message() << "point " << row.Point << " curve " << row.Curve);
        const TCurve& curve = f.set.Curves[static_cast<std::size_t>(row.Curve - 1)];
        if (row.Point == 2) {
            // So flat that it passes below both curves: no intersection, empty cells.
            EXPECT_EQ(row.Flow, -1);
            EXPECT_EQ(row.Cells[kFlowColumn], "");
            EXPECT_EQ(row.Cells[kPressureColumn], "");
            continue;
        }
        const double k = row.Point == 1 ? 1000.0 / (4000.0 * 4000) : 700.0 / (3000.0 * 3000);
        ASSERT_GT(row.Flow, 0);
        EXPECT_NEAR(PolylineAt(curve, row.Flow), k * row.Flow * row.Flow, 1.0);
        EXPECT_NEAR(Number(row.Cells[kPressureColumn]), k * row.Flow * row.Flow, 1.0);
    }
    // Without selection mode (or without a duty point) only the listed parabolas.
    EXPECT_EQ(f.Table(2, {}, {{4000}, 1}, false).Rows().size(), 2u);
    f.sel.SetRequest(0, 0, 5, -1);
    EXPECT_EQ(f.Table(2, {}, {{4000}, 1}, true).Rows().size(), 2u);
}

TEST(PointTable, NamesOfTheCurvesInSelectionMode) {
    TFixture f;
    TPointTable t;
    t.Build(f.tc.cat, f.sel, f.set, 1, {{2000}, 1}, {}, true, 0, {"Rad A 400", ""});
    ASSERT_EQ(t.Rows().size(), 2u);
    EXPECT_EQ(t.Rows()[0].Cells[1], "Rad A 400");
    // No name given and no impeller behind the series: empty, not the series number.
    EXPECT_EQ(t.Rows()[1].Cells[1], "");
}

TEST(PointTable, NothingToShow) {
    TFixture f;
    EXPECT_TRUE(f.Table(0, {{1000}, 1}, {{1000}, 1}, true).Rows().empty());
    EXPECT_TRUE(f.Table(1, {}, {}, true).Rows().empty());
    f.sel.ClearSelection();
    BuildCurveSet(f.set, f.sel, 6);
    EXPECT_TRUE(f.Table(1, {{1000}, 1}, {}, true).Rows().empty());
}

TEST(PointTable, HeadersWithUnits) {
    TCurveTestCatalogue tc;
    const TMdbMw& mw = tc.cat.Mw();
    EXPECT_EQ(TPointTable::Header(mw, 0, 0, true, 0, 0), "Nr.");
    EXPECT_EQ(TPointTable::Header(mw, 1, 0, true, 1, 0), "fan wheel");
    EXPECT_EQ(TPointTable::Header(mw, 1, 0, false, 0, 0), "Messung");
    EXPECT_EQ(TPointTable::Header(mw, 2, 0, true, 0, 0), "Volumenstrom");
    EXPECT_EQ(TPointTable::Header(mw, 2, 1, true, 0, 1), "V [m³/s]");
    EXPECT_EQ(TPointTable::Header(mw, 8, 1, true, 0, 0), "Pwe(max) [W]");
    EXPECT_EQ(TPointTable::Header(mw, 9, 1, true, 0, 0), "´eta´ fa [%]");
    EXPECT_EQ(TPointTable::Header(mw, 11, 0, true, 0, 0), "");
    EXPECT_EQ(TPointTable::Header(mw, 3, 2, true, 0, 0), "");
}

} // namespace
