#include "selection/ErgIdList.h"
#include "selection/TAuswahlParam.h"
#include "selection/TLayoutSeiteAusw.h"
#include "selection/TPointList.h"
#include "selection/TWarenkorbEintrag.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace corvane;

namespace {
std::vector<std::int32_t> Slots(const TLayout& layout, int page) {
    const auto& s = layout.Pages[static_cast<std::size_t>(page)].Slots;
    return {s.begin(), s.end()};
}
} // namespace

TEST(PersistedTexts, PointListsReadAndWrite) {
    TPointList list{{1000, 2000, 3000}, 2};
    EXPECT_EQ(WriteListText(list), "1000|-2000|3000");
    EXPECT_EQ(ReadListText("1000|-2000|3000"), list);

    // Zeros are skipped, magnitudes stored, the first entry is current without a negative one.
    TPointList read = ReadListText("-5|7|0|12");
    EXPECT_EQ(read.Values, (std::vector<std::int32_t>{5, 7, 12}));
    EXPECT_EQ(read.Current, 1);
    read = ReadListText("5 x 7,4 |-0.4| 12.6e0 | -9");
    // "," separates tokens here; -0.4 rounds to 0 and neither counts nor marks.
    EXPECT_EQ(read.Values, (std::vector<std::int32_t>{5, 7, 4, 13, 9}));
    EXPECT_EQ(read.Current, 5); // the last negative one wins

    // At most ten entries; empty or nonsense texts give an empty list without a current entry.
    read = ReadListText("1|2|3|4|5|6|7|8|9|10|11|-12");
    EXPECT_EQ(read.Values.size(), 10u);
    EXPECT_EQ(read.Current, 1);
    EXPECT_EQ(ReadListText(""), TPointList{});
    EXPECT_EQ(ReadListText("abc|--|0|"), TPointList{});
    // Huge values are limited to the integer range instead of overflowing.
    read = ReadListText("-1e300");
    ASSERT_EQ(read.Values.size(), 1u);
    EXPECT_GT(read.Values[0], 0);
}

TEST(PersistedTexts, CartReadAndWrite) {
    const TWarenkorb cart{{1000017, 1450.5, 3200}, {42, 2900, 0.25}};
    const std::string text = WriteCartText(cart);
    EXPECT_EQ(text, "1000017:1450.5:3200|42:2900:0.25");
    EXPECT_EQ(ReadCartText(text), cart);

    // A part without flow, with identifier 0 or with a negative flow is dropped.
    const TWarenkorb read = ReadCartText("7:1450|0:1450:3000|8:1450:-5|9:1450.5:3000||junk");
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0], (TWarenkorbEintrag{9, 1450.5, 3000}));

    std::string many;
    for (int i = 1; i <= 60; ++i)
        many += std::to_string(i) + ":1000:2000|";
    const TWarenkorb capped = ReadCartText(many);
    ASSERT_EQ(capped.size(), kMaxCartEntries);
    EXPECT_EQ(capped.back().Id, 50);
}

TEST(PersistedTexts, LayoutTextsRoundTripAndBrokenInput) {
    TLayout layout;
    layout.Count = 4;
    layout.Pages[0].Slots = {1, 2, 3, 4};
    layout.Pages[1].Slots = {5, 99, 99, 99};
    layout.Pages[2].Slots = {96, 0, 0, 0};
    layout.Pages[3].Slots = {6, 0, 0, 0}; // unused slots as 0 must not lose the page border
    const std::string text = WriteLayoutText(layout);
    EXPECT_EQ(text, "1|2|3|4|5|99|99|99|96|6|99|99|99|");
    TLayout read;
    ReadLayoutText(text, read);
    EXPECT_EQ(read.Count, 4);
    EXPECT_EQ(Slots(read, 0), (std::vector<std::int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(Slots(read, 1), (std::vector<std::int32_t>{5, 99, 99, 99}));
    EXPECT_EQ(Slots(read, 2), (std::vector<std::int32_t>{96, 0, 0, 0}));
    EXPECT_EQ(Slots(read, 3), (std::vector<std::int32_t>{6, 99, 99, 99}));
    EXPECT_EQ(WriteLayoutText(read), text);

    // Foreign text: codes fill pages of four, whole-page codes take their own page, unknown
    // codes and empty slots move behind the diagrams, zeros and signs are separators.
    ReadLayoutText("7;8 50 9 -10 11 12 0 93 13 99 14 95 97", read);
    EXPECT_EQ(read.Count, 6);
    EXPECT_EQ(Slots(read, 0), (std::vector<std::int32_t>{7, 8, 9, 99}));
    EXPECT_EQ(Slots(read, 1), (std::vector<std::int32_t>{10, 11, 12, 99}));
    EXPECT_EQ(Slots(read, 2), (std::vector<std::int32_t>{93, 0, 0, 0}));
    EXPECT_EQ(Slots(read, 3), (std::vector<std::int32_t>{13, 14, 99, 99}));
    EXPECT_EQ(Slots(read, 4), (std::vector<std::int32_t>{95, 0, 0, 0}));
    EXPECT_EQ(Slots(read, 5), (std::vector<std::int32_t>{97, 0, 0, 0}));

    // More than 20 pages never overrun the page array; remarks are cleared on reading.
    std::string lots;
    for (int i = 0; i < 30; ++i)
        lots += "90|";
    read.Pages[0].Remark = "old";
    ReadLayoutText(lots, read);
    EXPECT_EQ(read.Count, 20);
    EXPECT_TRUE(read.Pages[0].Remark.empty());
    ReadLayoutText("", read);
    EXPECT_EQ(read.Count, 0);
    EXPECT_EQ(WriteLayoutText(read), "");
}

TEST(PersistedTexts, HexTextsAndIdLists) {
    EXPECT_EQ(WriteHexText("Ab ü"), "416220C3BC");
    EXPECT_EQ(ReadHexText("416220C3BC"), "Ab ü");
    EXPECT_EQ(ReadHexText("416"), "A"); // odd last character ignored
    EXPECT_EQ(ReadHexText("4x41"), "\x04"
                                   "A");              // a non-hex character counts as nothing
    EXPECT_EQ(ReadHexText("0041"), "A");              // NUL bytes are dropped
    EXPECT_EQ(ReadHexText("4DFC6C6C6572"), "Müller"); // Windows-1252 remark of an old file

    EXPECT_EQ(WriteIdList({12, 1000005}), "12;1000005;");
    EXPECT_EQ(ReadIdList("12;1000005;"), (std::vector<std::int32_t>{12, 1000005}));
    EXPECT_EQ(ReadIdList("0;-7;x3.5;;"), (std::vector<std::int32_t>{7, 3, 5}));
    EXPECT_EQ(ErgId(17, 5), 17);
    EXPECT_EQ(ErgId(0, 5), 1000005);
    EXPECT_STREQ(RemarkMarker(12, false), "*1");
    EXPECT_STREQ(RemarkMarker(20, true), "*2");
    EXPECT_STREQ(RemarkMarker(2, true), "*4");
    EXPECT_STREQ(RemarkMarker(0, true), "");
}

TEST(PersistedTexts, RequestBounds) {
    TAuswahlParam r;
    r.RequestedFlow = 0;
    r.RequestedPressure = -5;
    r.Tolerance = std::numeric_limits<double>::quiet_NaN();
    r.D2Min = 10;
    r.D2Max = 50;
    r.WidthMin = -3;
    r.WidthMax = -10;
    r.SliderMax = 200000;
    r.FixedQuantity = 5;
    r.TypeGroup = 22;
    r.FanLayout = 7;
    r.SearchMode = 9;
    r.SortKey = -1;
    r.HousingAngle = "123456789ä";
    ClampRequest(r);
    EXPECT_DOUBLE_EQ(r.RequestedFlow, 0.1);
    EXPECT_DOUBLE_EQ(r.RequestedPressure, 0.1);
    EXPECT_DOUBLE_EQ(r.Tolerance, 0.01);
    EXPECT_DOUBLE_EQ(r.D2Min, 67);
    EXPECT_DOUBLE_EQ(r.D2Max, 67);
    EXPECT_DOUBLE_EQ(r.WidthMin, 0);
    EXPECT_DOUBLE_EQ(r.WidthMax, 0);
    EXPECT_EQ(r.SliderMax, 99999);
    EXPECT_EQ(r.FixedQuantity, 0);
    EXPECT_EQ(r.TypeGroup, 0);
    EXPECT_EQ(r.FanLayout, 2);
    EXPECT_EQ(r.SearchMode, 0);
    EXPECT_EQ(r.SortKey, 0);
    EXPECT_EQ(r.HousingAngle, "12345678");
    r.HousingAngle = "ääääääääää"; // cut by characters, never inside a UTF-8 sequence
    ClampRequest(r);
    EXPECT_EQ(r.HousingAngle, "ääääääää");

    TAuswahlParam valid;
    valid.SearchMode = SearchCart;
    valid.TypeGroup = 21;
    TAuswahlParam copy = valid;
    ClampRequest(copy);
    EXPECT_EQ(copy, valid);
}
