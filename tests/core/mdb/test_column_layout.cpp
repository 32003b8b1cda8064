#include "MdbTestTable.h"
#include "mdb/ColumnLayout.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::TTestTable;

std::vector<int> Widths(const TMdb& t) {
    std::vector<int> widths;
    for (int f : t.Columns())
        widths.push_back(t.Field(f).ColWidth);
    return widths;
}

TEST(ColumnLayout, WrittenFormKeepsWideColumnsAndManyColumns) {
    TMdb wide(200, 1, "WIDE", nullptr, 9);
    std::vector<TColumnSpec> columns;
    for (int f = 1; f <= 150; ++f) {
        wide.AddField(ftInteger, -1, 0, 0, 0, "f" + std::to_string(f), "F", "", 0);
        columns.push_back({151 - f, f == 3 ? 1400 : 4 * f + 1});
    }
    const std::string text = FormatColumnLayout(columns);
    EXPECT_EQ(text.substr(0, 21), "150:5,149:9,148:1400,");
    EXPECT_EQ(ParseColumnLayout(text), columns);
    ApplyColumnLayout(wide, text);
    ASSERT_EQ(wide.ColumnCount(), 150);
    EXPECT_EQ(wide.Columns()[0], 150);
    EXPECT_EQ(wide.Field(148).ColWidth, 1400);
    EXPECT_EQ(wide.Field(1).ColWidth, 601);
}

TEST(ColumnLayout, ByteStringOfEarlierVersionsIsRead) {
    TTestTable t; // fields 1..5 and 6 may be shown; 7 and 8 never
    // Field 4 at 64 px, field 1 at 800 px (width byte 200, the Windows-1252 "È"), then
    // pairs that are skipped: field 7 (never shown), field 99 (absent).
    ApplyColumnLayout(t, "\x04\x10\x01\xC3\x88\x07\x05\x63\x05");
    EXPECT_EQ(t.Columns(), (std::vector<int>{4, 1}));
    EXPECT_EQ(Widths(t), (std::vector<int>{64, 800}));

    // Shorter than two pairs: the default columns, widths kept.
    ApplyColumnLayout(t, "\x02\x10");
    EXPECT_EQ(t.Columns(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(t.Field(4).ColWidth, 64);
    // Nothing usable: the default columns as well, never a grid without a column.
    ApplyColumnLayout(t, "\x07\x05\x63\x05");
    EXPECT_EQ(t.ColumnCount(), 6);
    // Two pairs are enough; a damaged width byte 0 still leaves the column showable.
    ApplyColumnLayout(t, "\x03\x01\x02\x02");
    EXPECT_EQ(t.Columns(), (std::vector<int>{3, 2}));
    EXPECT_EQ(Widths(t), (std::vector<int>{4, 8}));
    ApplyColumnLayout(t, "3:0");
    EXPECT_EQ(t.Field(3).ColWidth, 1);
}

TEST(ColumnLayout, DefaultColumnsResetWidthsWhenAsked) {
    TTestTable t;
    ApplyColumnLayout(t, "2:200,5:40");
    SetDefaultColumns(t, false);
    EXPECT_EQ(t.Field(2).ColWidth, 200);
    SetDefaultColumns(t, true);
    EXPECT_EQ(t.Columns(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Widths(t), (std::vector<int>(6, -1)));
    EXPECT_EQ(t.Field(7).ColWidth, 0);
}

} // namespace
} // namespace corvane
