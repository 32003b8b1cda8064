#include "MdbTestTable.h"
#include "mdb/TClipboardText.h"
#include "mdb/TableGridText.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace corvane {
namespace {

using test::TTestTable;

TEST(ClipboardText, GrowsByChunksWhenTheCapacityIsReached) {
    std::optional<std::string> delivered;
    {
        TClipboardText text(1024, [&](const std::string& t) { delivered = t; });
        EXPECT_EQ(text.Capacity(), 1024 - 256);
        text.Append(std::string(767, 'a')); // up to Capacity - 1: no growth
        EXPECT_EQ(text.Capacity(), 768);
        text.Append("b"); // reaches the capacity
        EXPECT_EQ(text.Capacity(), 768 + 1024);
        EXPECT_EQ(text.Used(), 768);
        EXPECT_FALSE(delivered) << "handed over only when the builder is released";
    }
    ASSERT_TRUE(delivered);
    EXPECT_EQ(*delivered, std::string(767, 'a') + "b");
}

TEST(ClipboardText, ATextLongerThanAChunkArrivesWhole) {
    std::string delivered;
    const std::string longText(5000, 'x');
    {
        TClipboardText text(1024, [&](const std::string& t) { delivered = t; });
        text.Append("head\t");
        text.Append(longText);
        text.Append("\r\n");
        EXPECT_GT(text.Capacity(), text.Used());
        EXPECT_EQ((text.Capacity() - 768) % 1024, 0) << "grows by whole chunks";
    }
    EXPECT_EQ(delivered, "head\t" + longText + "\r\n");
}

// A browser copy of a table with 2 columns and 1 record has five lines.
TEST(ClipboardText, GridTextOfATableHasCaptionHeaderRowsAndRecords) {
    TTestTable t;
    t.SetColumns({t.fNr, t.fName});
    t.SetCaption(0, t.fName, "´beta´ Name", "");
    t.Add(7, 0, "Rad ´eta´");
    t.RebuildIndex(false);
    std::string delivered;
    {
        TClipboardText text(TClipboardText::kDefaultChunkSize,
                            [&](const std::string& s) { delivered = s; });
        AppendGridText(t, "Laufräder", text);
    }
    EXPECT_EQ(delivered, "Laufräder\r\n"
                         "Nr.\tβ Name\r\n"
                         "\t\r\n"
                         "   \t   \r\n"
                         "7\tRad η\r\n");

    // An empty table still has one (empty) data row; one column still makes two grid columns.
    TTestTable empty;
    empty.SetColumns({empty.fNr});
    empty.RebuildIndex(false);
    EXPECT_EQ(GridRowCount(empty), 4);
    EXPECT_EQ(GridColumnCount(empty), 2);
    {
        TClipboardText text(TClipboardText::kDefaultChunkSize,
                            [&](const std::string& s) { delivered = s; });
        AppendGridText(empty, "Leer", text);
    }
    EXPECT_EQ(delivered, "Leer\r\nNr.\t\r\n\t\r\n   \t\r\n\t\r\n");
}

} // namespace
} // namespace corvane
