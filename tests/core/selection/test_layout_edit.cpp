#include "selection/LayoutEdit.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using TSlots = std::array<std::int32_t, 4>;

TSlots SlotsOf(const TLayout& layout, int page) {
    return layout.Pages[static_cast<std::size_t>(page - 1)].Slots;
}

TEST(LayoutEdit, DiagramsFillAPageThenANewPageIsInsertedAtTheCurrentPosition) {
    TLayout layout;
    EXPECT_TRUE(AddEvaluation(layout, 1, 1)); // the empty page after the last
    EXPECT_EQ(layout.Count, 1);
    EXPECT_EQ(SlotsOf(layout, 1), (TSlots{1, 99, 99, 99}));
    for (int code : {2, 5, 9})
        EXPECT_TRUE(AddEvaluation(layout, 1, code));
    EXPECT_EQ(SlotsOf(layout, 1), (TSlots{1, 2, 5, 9}));
    layout.Pages[0].Remark = "first";
    // A fifth diagram: a new page at the current position, the full page moves up.
    EXPECT_TRUE(AddEvaluation(layout, 1, 13));
    EXPECT_EQ(layout.Count, 2);
    EXPECT_EQ(SlotsOf(layout, 1), (TSlots{13, 99, 99, 99}));
    EXPECT_EQ(layout.Pages[0].Remark, "");
    EXPECT_EQ(SlotsOf(layout, 2), (TSlots{1, 2, 5, 9}));
    EXPECT_EQ(layout.Pages[1].Remark, "first");
}

TEST(LayoutEdit, WholePagesTakeAnEmptyPageOrInsertOne) {
    TLayout layout;
    EXPECT_TRUE(AddEvaluation(layout, 1, 96));
    EXPECT_TRUE(AddEvaluation(layout, 2, 98));
    EXPECT_TRUE(AddEvaluation(layout, 2, 90)); // page 2 holds 98: inserted before it
    EXPECT_EQ(layout.Count, 3);
    EXPECT_EQ(SlotsOf(layout, 2), (TSlots{90, 0, 0, 0}));
    EXPECT_EQ(SlotsOf(layout, 3), (TSlots{98, 0, 0, 0}));
    // A diagram on a whole page goes to a new page.
    EXPECT_TRUE(AddEvaluation(layout, 1, 3));
    EXPECT_EQ(SlotsOf(layout, 1), (TSlots{3, 99, 99, 99}));
    EXPECT_EQ(SlotsOf(layout, 2), (TSlots{96, 0, 0, 0}));
    EXPECT_FALSE(AddEvaluation(layout, 1, 42)); // no evaluation code
    EXPECT_FALSE(AddEvaluation(layout, 0, 3));
}

TEST(LayoutEdit, TwentyPagesAcceptNoNewPage) {
    TLayout layout;
    for (int i = 1; i <= 20; ++i)
        ASSERT_TRUE(AddEvaluation(layout, i, 95));
    layout.Pages[4].Slots = {1, 2, 3, 4};
    EXPECT_FALSE(AddEvaluation(layout, 5, 6)); // full page, no room for another
    EXPECT_EQ(layout.Count, 20);
    EXPECT_EQ(SlotsOf(layout, 5), (TSlots{1, 2, 3, 4}));
    EXPECT_TRUE(AddEvaluation(layout, 5, 96)); // replaces the page's content
    EXPECT_EQ(SlotsOf(layout, 5), (TSlots{96, 0, 0, 0}));
    EXPECT_EQ(layout.Count, 20);
    EXPECT_FALSE(AddEvaluation(layout, 21, 96)); // beyond the last page: nowhere to go
}

TEST(LayoutEdit, DeletingDiagramsAndPages) {
    TLayout layout;
    for (int code : {1, 2, 5})
        AddEvaluation(layout, 1, code);
    AddEvaluation(layout, 2, 96);
    DeleteEvaluation(layout, 1, 4); // an empty slot: nothing changes
    EXPECT_EQ(SlotsOf(layout, 1), (TSlots{1, 2, 5, 99}));
    DeleteEvaluation(layout, 1, 2);
    EXPECT_EQ(SlotsOf(layout, 1), (TSlots{1, 5, 99, 99}));
    DeleteEvaluation(layout, 1, 1);
    EXPECT_EQ(SlotsOf(layout, 1), (TSlots{5, 99, 99, 99}));
    DeleteEvaluation(layout, 1, 1); // the only diagram: the page goes
    EXPECT_EQ(layout.Count, 1);
    EXPECT_EQ(SlotsOf(layout, 1), (TSlots{96, 0, 0, 0}));
    DeletePage(layout, 2); // the empty page after the last
    EXPECT_EQ(layout.Count, 1);
    DeleteEvaluation(layout, 1, 1); // a whole page
    EXPECT_EQ(layout.Count, 0);
    EXPECT_EQ(layout.Pages[0], TLayoutPage{});
}

} // namespace
} // namespace corvane
