#include "MdbTestTable.h"
#include "mdb/EMdbError.h"

#include <gtest/gtest.h>
#include <vector>

namespace corvane {
namespace {

using test::TTestTable;

TEST(MdbTable, DeclarationAssignsSlotsColumnsAndNormalisedKeys) {
    TTestTable t;
    EXPECT_EQ(t.FieldCount(), 8);
    EXPECT_EQ(t.SlotCount(), 6); // the two calculated fields have no slot
    EXPECT_EQ(t.Field(t.fTemp).Slot, 5);
    EXPECT_EQ(t.Field(t.fCalc).Slot, -1);
    EXPECT_EQ(t.Columns(), (std::vector<int>{1, 2, 3, 4, 5, 6})); // ColWidth 0 is no column
    EXPECT_EQ(t.FieldByKey("  Datum "), t.fDate);
    EXPECT_EQ(t.FieldByKey("nothing"), 0);

    const int f = t.AddField(ftInteger, 0, 0, 0, 0, "  abcdefghijklmnopqrstu ",
                             "A caption longer than twenty", "", 0);
    EXPECT_EQ(t.Field(f).Key, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(t.Field(f).Caption[0], "A caption longer tha");
    t.SetCaption(1, f, "Flow", "Volume flow");
    EXPECT_EQ(t.Field(f).CaptionIn(1), "Flow");
    EXPECT_EQ(t.Field(f).CaptionIn(0), "A caption longer tha");
    // Cuts count characters, not bytes.
    t.SetCaption(2, f, "Производительность1234", "");
    EXPECT_EQ(t.Field(f).CaptionIn(2), "Производительность12");

    EXPECT_THROW(t.SetCaption(3, f, "x", ""), EMdbError);
    EXPECT_THROW(t.Field(t.FieldCount() + 1), EMdbError);
    EXPECT_THROW(TMdb(10, 1, "X", nullptr, 70000), EMdbError);
}

TEST(MdbTable, AddFieldBeyondCapacityRaises) {
    TMdb full(200, 1, "FULL", nullptr, 1);
    for (int i = 0; i < 200; ++i)
        full.AddField(ftInteger, 0, 0, 0, 0, "", "", "", 0);
    try {
        full.AddField(ftInteger, 0, 0, 0, 0, "", "", "", 0);
        FAIL() << "201st field accepted";
    } catch (const EMdbError& e) {
        EXPECT_STREQ(e.what(), "Mdb index error");
    }
    EXPECT_EQ(full.FieldCount(), 200);
    // More than 200 fields are never possible.
    EXPECT_EQ(TMdb(500, 1, "X", nullptr, 1).MaxFields(), 200);
}

TEST(MdbTable, StorageFieldAfterFirstRecordIsRefused) {
    TTestTable t(12);
    t.Add(1);
    EXPECT_THROW(t.AddField(ftFloat, 0, 0, 0, 0, "", "", "", 0), EMdbError);
    EXPECT_EQ(t.SlotCount(), 6);
    EXPECT_NO_THROW(t.AddField(ftCalcText, 0, 0, 0, 0, "", "", "", 0));
}

TEST(MdbTable, NewRecordsAreIndexedOnlyByRebuildNewestFirst) {
    TTestTable t;
    TMdbRecord* a = t.Add(30);
    t.Add(10);
    t.Add(20);
    for (int s = 0; s < t.SlotCount(); ++s)
        EXPECT_EQ(a->Slots()[s], s == 0 ? 30u : 0u);
    EXPECT_EQ(t.RecordCount(), 3);
    EXPECT_EQ(t.FindByKey(30), nullptr);
    EXPECT_EQ(t.ViewCount(), 0);

    t.RebuildIndex(false);
    EXPECT_EQ(t.ViewKeys(), (std::vector<int>{20, 10, 30}));
    EXPECT_EQ(t.FindByKey(30), a);
    EXPECT_EQ(t.FindByKey(25), nullptr);
    for (int k : {10, 20, 30})
        EXPECT_EQ(t.Key(t.FindByKey(k)), k);
}

TEST(MdbTable, FreeingRecordsReleasesTextsAndIndexEntries) {
    TTestTable t;
    TMdbRecord* a = t.Add(1, 0, "alpha");
    TMdbRecord* b = t.Add(2, 0, "beta");
    t.RebuildIndex(false);
    const std::uint32_t handleA = a->Slots()[t.Field(t.fName).Slot];
    EXPECT_NE(handleA, 0u);

    t.FreeRecord(a, true);
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.ViewCount(), 1);
    EXPECT_EQ(t.FindByKey(1), nullptr);
    // The released text handle is reused and holds only the new text.
    TMdbRecord* c = t.Add(3, 0, "gamma");
    EXPECT_EQ(c->Slots()[t.Field(t.fName).Slot], handleA);
    EXPECT_EQ(t.GetText(c, t.fName), "gamma");
    EXPECT_EQ(t.GetText(b, t.fName), "beta");

    TTestTable other;
    TMdbRecord* foreign = other.Add(9, 0, "foreign");
    t.FreeRecord(foreign, true); // not in this table's list: ignored
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(other.GetText(foreign, other.fName), "foreign");

    t.DeleteRecord(b);
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.ViewCount(), 0);
}

TEST(MdbTable, NextKeyAndFindOtherByKey) {
    TTestTable t;
    EXPECT_EQ(t.NextKey(), 1);
    t.Add(-5);
    EXPECT_EQ(t.NextKey(), 1);
    TMdbRecord* r7 = t.Add(7);
    t.Add(3);
    EXPECT_EQ(t.NextKey(), 8); // records not yet indexed count as well
    t.Add(2147483647);
    EXPECT_THROW(t.NextKey(), EMdbError);

    t.RebuildIndex(false);
    EXPECT_EQ(t.FindOtherByKey(7, r7), nullptr);
    EXPECT_EQ(t.Key(t.FindOtherByKey(3, r7)), 3);
    EXPECT_EQ(t.Key(r7), 7);
}

// A walk that asks for keys mostly in key order, with gaps, repeats, steps back, missing
// keys and keys held twice: every look-up finds the record the bisection finds.
TEST(MdbTable, FindByKeyNearFindsWhatFindByKeyFinds) {
    TTestTable t;
    for (const std::int32_t key : {1, 2, 3, 3, 6, 6, 6, 9, 10, 11, 11, 15})
        t.Add(key);
    t.RebuildIndex(false);
    auto position = static_cast<std::size_t>(-1);
    for (const std::int32_t key : {1, 2, 3, 3,  6,  9,  11, 12, 15, 0,  2, 4, 3, 6,
                                   6, 5, 9, 10, 11, 11, 12, 12, 16, 15, 6, 7, 1}) {
        EXPECT_EQ(t.FindByKeyNear(key, position), t.FindByKey(key)) << key;
        if (const TMdbRecord* found = t.FindByKey(key)) {
            EXPECT_EQ(t.KeyRecord(static_cast<int>(position)), found) << key;
        }
    }
}

// Looking for another record's key from any record of the key index, the middle included:
// the look-up must not depend on the record's own key.
TEST(MdbTable, FindOtherByKeyFromAnyPlaceOfTheIndex) {
    TTestTable t;
    std::vector<TMdbRecord*> records;
    for (const std::int32_t key : {5, 10, 15, 20, 25, 30, 35})
        records.push_back(t.Add(key));
    t.RebuildIndex(false);
    for (const TMdbRecord* from : records)
        for (TMdbRecord* wanted : records)
            EXPECT_EQ(t.FindOtherByKey(t.Key(wanted), from), wanted == from ? nullptr : wanted)
                << t.Key(wanted) << " from " << t.Key(from);
    EXPECT_EQ(t.FindOtherByKey(12, records[3]), nullptr);

    // A second record with the same key is another record.
    TMdbRecord* twin = t.Add(20);
    t.RebuildIndex(false);
    EXPECT_EQ(t.FindOtherByKey(20, records[3]), twin);
    EXPECT_EQ(t.FindOtherByKey(20, twin), records[3]);
}

} // namespace
} // namespace corvane
