#include "CurveTestCatalogue.h"
#include "measurements/TMdbMw.h"
#include "model/TMessAuswahl.h"
#include "model/TWinkelStringList.h"

#include <gtest/gtest.h>
#include <vector>

using namespace corvane;
using corvane::test::TCurveTestCatalogue;

namespace {

// Series numbers of the used slots in order; each slot's table must hold its own series.
std::vector<int> Order(const TMessAuswahl& sel) {
    std::vector<int> order;
    for (int i = 1; i <= sel.Count(); ++i) {
        order.push_back(sel.Slot(i)->SeriesNo);
        EXPECT_EQ(sel.Slot(i)->Points->SeriesNo(), sel.Slot(i)->SeriesNo) << "slot " << i;
    }
    return order;
}

} // namespace

TEST(MessAuswahl, AddingSeries) {
    TCurveTestCatalogue tc;
    for (int no = 1; no <= 12; ++no)
        tc.AddSeries(no, {{1000, 230}, {2000, 231}});
    tc.AddSeries(17, {{1000, 230}});
    TMessAuswahl sel(tc.cat);

    EXPECT_EQ(sel.AddSeries(99, 1, 0, 1.2, 1450, 400), 0); // no such series
    EXPECT_EQ(sel.AddSeries(0, 1, 0, 1.2, 1450, 400), 0);
    EXPECT_EQ(sel.Count(), 0);
    EXPECT_EQ(sel.StarredPosition(), 0);

    // Targets: values not above 0 keep the measurement (density: standard density).
    EXPECT_EQ(sel.AddSeries(-17, 4, 0, 0, -5, 0), 1);
    const TMessSlot& starred = *sel.Slot(1);
    EXPECT_EQ(starred.SeriesNo, 17);
    EXPECT_TRUE(starred.Starred);
    EXPECT_EQ(starred.DisplayNo, 4);
    EXPECT_EQ(starred.TargetD2, -1);
    EXPECT_EQ(starred.TargetSpeed, -1);
    EXPECT_DOUBLE_EQ(starred.TargetDensity, 1.205);
    EXPECT_FLOAT_EQ(starred.Points->TargetDensity(), 1.205f);
    EXPECT_EQ(starred.Points->RecordCount(), 1);

    // The same series again is refused, also unstarred; with variation it is taken.
    EXPECT_EQ(sel.AddSeries(17, 5, 0, 1.2, 1450, 500), 0);
    sel.SetAllowVariation(true);
    EXPECT_EQ(sel.AddSeries(17, 5, 0, 1.1, 2900, 500), 2);
    EXPECT_FALSE(sel.Slot(2)->Starred);
    EXPECT_FLOAT_EQ(sel.Slot(2)->Points->TargetD2(), 500);
    EXPECT_FLOAT_EQ(sel.Slot(2)->Points->TargetSpeed(), 2900);
    EXPECT_FLOAT_EQ(sel.Slot(1)->Points->TargetD2(), -1); // tables are separate

    // Positions: 1..Count+1 insert, anything else appends.
    EXPECT_EQ(sel.AddSeries(1, 0, 1, 1.2, 0, 0), 1);
    EXPECT_EQ(sel.AddSeries(2, 0, 4, 1.2, 0, 0), 4); // Count+1: appended at 4
    EXPECT_EQ(sel.AddSeries(3, 0, 9, 1.2, 0, 0), 5); // beyond: appended
    EXPECT_EQ(sel.AddSeries(4, 0, -2, 1.2, 0, 0), 6);
    EXPECT_EQ(sel.AddSeries(5, 0, 3, 1.2, 0, 0), 3);
    EXPECT_EQ(Order(sel), (std::vector<int>{1, 17, 5, 17, 2, 3, 4}));
    EXPECT_EQ(sel.StarredPosition(), 2);

    for (int no = 6; no <= 12; ++no)
        sel.AddSeries(no, 0, 0, 1.2, 0, 0);
    EXPECT_EQ(sel.Count(), 10); // the eleventh and twelfth are ignored
    EXPECT_EQ(Order(sel), (std::vector<int>{1, 17, 5, 17, 2, 3, 4, 6, 7, 8}));
}

TEST(MessAuswahl, MovingRemovingAndRebuilding) {
    TCurveTestCatalogue tc;
    for (int no = 1; no <= 5; ++no)
        tc.AddSeries(no, {{1000.0f * static_cast<float>(no), 230}});
    TMessAuswahl sel(tc.cat);
    for (int no = 1; no <= 5; ++no)
        sel.AddSeries(no, no, 0, 1.2, 0, 0);

    sel.MoveSeries(1, 4);
    EXPECT_EQ(Order(sel), (std::vector<int>{2, 3, 4, 1, 5}));
    sel.MoveSeries(5, 2);
    EXPECT_EQ(Order(sel), (std::vector<int>{2, 5, 3, 4, 1}));
    sel.MoveSeries(2, 99); // clamped to Count
    EXPECT_EQ(Order(sel), (std::vector<int>{2, 3, 4, 1, 5}));
    for (auto [from, to] : {std::pair{0, 2}, {6, 1}, {3, 0}, {3, 3}})
        sel.MoveSeries(from, to);
    EXPECT_EQ(Order(sel), (std::vector<int>{2, 3, 4, 1, 5}));

    sel.RemoveSeries(2);
    EXPECT_EQ(Order(sel), (std::vector<int>{2, 4, 1, 5}));
    sel.RemoveSeries(0);
    sel.RemoveSeries(5);
    EXPECT_EQ(sel.Count(), 4);
    EXPECT_EQ(sel.Slot(5), nullptr);
    EXPECT_EQ(sel.Points(0), nullptr);

    // Rebuilding after a search reuses the slot tables that still hold a series: no series
    // is read a second time.
    sel.ClearSelection();
    EXPECT_EQ(sel.Count(), 0);
    for (int no : {5, 3, 1, 2, 4})
        sel.AddSeries(no, 0, 0, 1.2, 0, 0);
    EXPECT_EQ(Order(sel), (std::vector<int>{5, 3, 1, 2, 4}));
    for (int no = 1; no <= 5; ++no)
        EXPECT_EQ(tc.reads[no], 1) << "series " << no;
    EXPECT_FLOAT_EQ(sel.Slot(3)->Points->GetFloat(sel.Slot(3)->Points->FirstRecord(), TMdbMw::F_VC),
                    1000);
}

TEST(MessAuswahl, RequestAndDeviationKind) {
    TCurveTestCatalogue tc;
    TMessAuswahl sel(tc.cat);
    EXPECT_EQ(sel.FixedQuantity(), -1);
    sel.SetRequest(4200, 650, 7, 0);
    EXPECT_EQ(sel.FixedQuantity(), 0);
    EXPECT_DOUBLE_EQ(sel.RequestedFlow(), 4200);
    EXPECT_DOUBLE_EQ(sel.RequestedPressure(), 650);
    EXPECT_DOUBLE_EQ(sel.Tolerance(), 7);
}

TEST(WinkelStringList, NumericAnglesFirstNoDuplicates) {
    TWinkelStringList list;
    for (const char* angle : {"180", "45", "LG 90", "0", "", "45", "270", "RD 0", "090"})
        list.Add(angle);
    EXPECT_EQ(list.Items(),
              (std::vector<std::string>{"0", "45", "090", "180", "270", "LG 90", "RD 0"}));
    EXPECT_FALSE(list.Add("180"));
    EXPECT_EQ(list.IndexOf("090"), 2);
    EXPECT_EQ(list.IndexOf("90"), -1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}
