#include "selection/PointListEdit.h"

#include <cmath>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TPointList List(std::vector<std::int32_t> values, int current) {
    return {std::move(values), current};
}

TEST(PointListEdit, NearestPointFirstWinsATie) {
    const TPointList list = List({1000, 3000, 5000}, 1);
    EXPECT_EQ(NearestPoint(list, 2000), 1); // exactly between: the lower index
    EXPECT_EQ(NearestPoint(list, 2001), 2);
    EXPECT_EQ(NearestPoint(list, 4999.6), 3);
    EXPECT_EQ(NearestPoint(list, -50), 1);
    EXPECT_EQ(NearestPoint(list, 1e12), 3);
    EXPECT_EQ(NearestPoint(TPointList{}, 10), 0);
}

TEST(PointListEdit, InsertSortsAndFollowsTheNewEntry) {
    TPointList list = List({1000, 5000}, 2);
    InsertPoint(list, 3000);
    EXPECT_EQ(list, List({1000, 3000, 5000}, 2));
    InsertPoint(list, 0); // not a flow
    EXPECT_EQ(list.Values.size(), 3u);
    for (std::int32_t v = 10; list.Values.size() < 10; v += 10)
        InsertPoint(list, v);
    EXPECT_FALSE(CanInsertPoint(list, 7000));
    InsertPoint(list, 7000);
    EXPECT_EQ(list.Values.size(), 10u);
    EXPECT_TRUE(CanInsertPoint(List({1}, 1), 1));
    EXPECT_FALSE(CanInsertPoint(List({1}, 1), -5));
}

TEST(PointListEdit, DeleteKeepsTheIndexWithinTheList) {
    TPointList list = List({1000, 2000, 3000}, 3);
    DeleteCurrentPoint(list);
    EXPECT_EQ(list, List({1000, 2000}, 2)); // the new last entry is current
    list.Current = 1;
    DeleteCurrentPoint(list);
    EXPECT_EQ(list, List({2000}, 1));
    DeleteCurrentPoint(list);
    EXPECT_EQ(list, List({}, 0));
    DeleteCurrentPoint(list); // nothing left: nothing happens
    EXPECT_EQ(list, List({}, 0));
    TPointList none = List({5, 6}, 0);
    DeleteCurrentPoint(none);
    EXPECT_EQ(none.Values.size(), 2u);
}

TEST(PointListEdit, SortCarriesTheCurrentEntry) {
    TPointList list = List({5000, 1000, 3000, 2000}, 1);
    SortPoints(list);
    EXPECT_EQ(list, List({1000, 2000, 3000, 5000}, 4));
    list = List({3, 2, 1}, 2);
    SortPoints(list);
    EXPECT_EQ(list, List({1, 2, 3}, 2));
    list = List({9, 4, 7}, 3);
    SortPoints(list);
    EXPECT_EQ(list, List({4, 7, 9}, 2));
}

TEST(PointListEdit, PlusAndMinusKeys) {
    TPointList list = List({100, 101}, 1);
    StepCurrentPoint(list, +1); // 101 and 101: stable order
    EXPECT_EQ(list, List({101, 101}, 1));
    StepCurrentPoint(list, +1);
    EXPECT_EQ(list, List({101, 102}, 2)); // passed its neighbour: current follows
    list = List({1, 50}, 1);
    StepCurrentPoint(list, -1); // at 1 it stays 1
    EXPECT_EQ(list, List({1, 50}, 1));
    list = List({2}, 1);
    StepCurrentPoint(list, -1);
    EXPECT_EQ(list, List({1}, 1));
    list = List({kMaxPointValue}, 1);
    StepCurrentPoint(list, +1);
    EXPECT_EQ(list.Values[0], kMaxPointValue);
    list = List({10, 20}, 0);
    StepCurrentPoint(list, +1);
    EXPECT_EQ(list, List({10, 20}, 0));
}

TEST(PointListEdit, ClickDragAndParabolaValues) {
    EXPECT_EQ(ClickedFlow(2499.5), 2500);
    EXPECT_EQ(ClickedFlow(-12.4), -12);
    EXPECT_EQ(ClickedFlow(1e12), 2147483647);
    EXPECT_EQ(ClickedFlow(std::nan("")), 0);
    EXPECT_EQ(DraggedFlow(-300), 1);
    EXPECT_EQ(DraggedFlow(4321.4), 4321);
    EXPECT_EQ(DraggedFlow(5e6), kMaxDraggedFlow);
    // 4000 m³/h at 250 Pa lies on the parabola reaching 1000 Pa at 8000 m³/h.
    EXPECT_EQ(ParabolaThrough(4000, 250), 8000);
    EXPECT_EQ(ParabolaThrough(4000, 1000), 4000);
    // A point at 0 pressure is taken at 1 Pa; a flow below 1 as 1.
    EXPECT_EQ(ParabolaThrough(100, 0), ParabolaThrough(100, 1));
    EXPECT_EQ(ParabolaThrough(100, 1),
              static_cast<std::int32_t>(std::lround(100 * std::sqrt(1000.0))));
    EXPECT_EQ(ParabolaThrough(-5, 1000), 1);
    EXPECT_EQ(ParabolaThrough(1e12, 1), 1000000000);
}

} // namespace
} // namespace corvane
