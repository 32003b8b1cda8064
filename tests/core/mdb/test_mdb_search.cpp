#include "MdbTestTable.h"
#include "mdb/EMdbError.h"
#include "util/Dates.h"

#include <gtest/gtest.h>
#include <utility>

namespace corvane {
namespace {

using test::TTestTable;

// The partition scheme the table's order of equal keys is defined by: middle pivot copied,
// indexes moving towards each other, left part recursively and the right part in the loop.
void ReferenceSort(std::vector<std::pair<float, int>>& a, int l, int r) {
    int i = 0;
    do {
        i = l;
        int j = r;
        const float p = a[(l + r) / 2].first;
        do {
            while (a[i].first < p)
                ++i;
            while (a[j].first > p)
                --j;
            if (i <= j) {
                std::swap(a[i], a[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j) ReferenceSort(a, l, j);
        l = i;
    } while (i < r);
}

TEST(MdbSearch, SortOrdersTheViewByFieldType) {
    TTestTable t;
    t.Add(1, 3.5f, "beta");
    t.Add(2, -1.0f, "Alpha");
    t.Add(3, 10.0f, "alphabet");
    t.Add(4, 2.0f, "Ärger");
    t.Add(5, 0.5f, "");
    t.RebuildIndex(false);

    t.Sort(t.fFlow, false);
    EXPECT_EQ(t.ViewKeys(), (std::vector<int>{2, 5, 4, 1, 3}));
    t.Sort(t.fFlow, true);
    EXPECT_EQ(t.ViewKeys(), (std::vector<int>{3, 1, 4, 5, 2}));
    // Texts: upper-cased bytes, a prefix first, UTF-8 umlauts after the plain letters.
    t.Sort(t.fName, false);
    EXPECT_EQ(t.ViewKeys(), (std::vector<int>{5, 2, 3, 1, 4}));
    t.Sort(t.fCalcNum, false); // text of 2, 4, ..., 10: "10" sorts first
    EXPECT_EQ(t.Key(t.ViewRecord(0)), 5);

    // -99 sorts only the key index; any other unknown field raises and changes nothing.
    const std::vector<int> before = t.ViewKeys();
    t.Sort(TMdb::kKeyIndexSort, true);
    EXPECT_EQ(t.Key(t.KeyRecord(0)), 1);
    EXPECT_THROW(t.Sort(0, false), EMdbError);
    EXPECT_THROW(t.Sort(99, false), EMdbError);
    EXPECT_EQ(t.ViewKeys(), before);
}

TEST(MdbSearch, EqualKeysEndInTheOrderOfThePartitionScheme) {
    TTestTable t;
    std::vector<std::pair<float, int>> reference;
    for (int k = 1; k <= 2000; ++k)
        t.Add(k, static_cast<float>((k * 7919) % 13));
    t.RebuildIndex(false);
    for (int i = 0; i < t.ViewCount(); ++i)
        reference.emplace_back(t.GetFloat(t.ViewRecord(i), t.fFlow), t.Key(t.ViewRecord(i)));
    ReferenceSort(reference, 0, static_cast<int>(reference.size()) - 1);
    t.Sort(t.fFlow, false);
    for (int i = 0; i < t.ViewCount(); ++i)
        ASSERT_EQ(t.Key(t.ViewRecord(i)), reference[static_cast<std::size_t>(i)].second) << i;
}

TEST(MdbSearch, SearchEndsOnMatchOrLastRecordBeforeTarget) {
    TTestTable t;
    EXPECT_EQ(t.Search(t.fNr, false, "1"), 0); // empty view
    for (int v : {15, 5, 10})
        t.Add(v, static_cast<float>(v) / 10.0f);
    t.RebuildIndex(false);
    t.Sort(t.fNr, false);
    EXPECT_EQ(t.Search(t.fNr, false, "12"), 10);
    EXPECT_EQ(t.Search(t.fNr, false, "10"), 10);
    EXPECT_EQ(t.Search(t.fNr, false, "3"), 5);
    EXPECT_EQ(t.Search(t.fNr, false, "99"), 15);
    EXPECT_EQ(t.Search(t.fNr, false, "9,6"), 10); // rounded to 10

    // Floats: the key of the record is answered, not the searched value.
    t.Sort(t.fFlow, false);
    EXPECT_EQ(t.Search(t.fFlow, false, "1,0"), 10);
    EXPECT_EQ(t.Search(t.fFlow, false, "1.2"), 10);
    EXPECT_EQ(t.Search(t.fFlow, false, "0"), 5);
    // A backward walk on a descending view.
    t.Sort(t.fFlow, true);
    EXPECT_EQ(t.Search(t.fFlow, true, "1.2"), 10);
    EXPECT_EQ(t.Search(t.fFlow, true, "0.5"), 5);
    EXPECT_THROW(t.Search(0, false, "1"), EMdbError);
}

TEST(MdbSearch, SearchInTextAndDateColumnsComparesDisplayTexts) {
    SetDateOrderYearFirst(false);
    TTestTable t;
    TMdbRecord* a = t.Add(1, 0, "Alpha");
    TMdbRecord* b = t.Add(2, 0, "beta");
    t.Add(3, 0, "Gamma");
    t.SetInt(a, t.fDate, DayNumber(2003, 12, 20));
    t.SetInt(b, t.fDate, DayNumber(2004, 1, 5));
    t.RebuildIndex(false);

    t.Sort(t.fName, false);
    EXPECT_EQ(t.Search(t.fName, false, "b"), 2);
    EXPECT_EQ(t.Search(t.fName, false, "BETA"), 2);
    EXPECT_EQ(t.Search(t.fName, false, "c"), 2);
    EXPECT_EQ(t.Search(t.fName, false, ""), 1);

    // Sorted by day number the view is: record 3 (no date), 20.12.2003, 05.01.2004. The
    // walk compares "20.12" with "05.01" as texts and stops before the later date.
    t.Sort(t.fDate, false);
    EXPECT_EQ(t.Search(t.fDate, false, "05.01"), 3);
    EXPECT_EQ(t.Search(t.fDate, false, "20"), 1);
    EXPECT_EQ(t.Search(t.fDate, true, "05"), 2);
}

TEST(MdbSearch, FindByValueWalksTheList) {
    TTestTable t;
    TMdbRecord* a = t.Add(1, 0, "Lüfter");
    TMdbRecord* b = t.Add(2, 0, "Gebläse");
    TMdbRecord* c = t.Add(3, 0, "LÜFTER");
    t.SetInt(a, t.fCode, 2);
    t.SetInt(b, t.fCode, 2);

    EXPECT_EQ(t.FindByValue(2, "", nullptr, t.fCode), b); // newest first
    EXPECT_EQ(t.FindByValue(2, "", b, t.fCode), b);       // numbers ignore the exclusion
    EXPECT_EQ(t.FindByValue(1, "", nullptr, t.fNr), a);
    EXPECT_EQ(t.FindByValue(0, "lüfter", nullptr, t.fName), c);
    EXPECT_EQ(t.FindByValue(0, "lüfter", c, t.fName), a);
    EXPECT_EQ(t.FindByValue(0, "gebläse ", nullptr, t.fName), nullptr);
    EXPECT_EQ(t.FindByValue(0, "r2", nullptr, t.fCalc), b);
    EXPECT_EQ(t.FindByValue(0, "r2", b, t.fCalc), nullptr);
    EXPECT_EQ(t.FindByValue(0, "0", nullptr, t.fFlow), nullptr);
    EXPECT_THROW(t.FindByValue(0, "", nullptr, 42), EMdbError);
}

} // namespace
} // namespace corvane
