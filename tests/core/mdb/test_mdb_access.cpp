#include "MdbTestTable.h"
#include "ProcessStateGuard.h"
#include "i18n/Language.h"
#include "mdb/EMdbError.h"
#include "util/Dates.h"

#include <cmath>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::TTestTable;

TEST(MdbAccess, FloatToIntegerRoundsHalfToEvenAndClamps) {
    TTestTable t;
    TMdbRecord* r = t.Add(1);
    const std::pair<float, int> cases[] = {{2.5f, 2},  {3.5f, 4},           {-2.5f, -2},
                                           {2.49f, 2}, {1e12f, 2147483647}, {-1e12f, -2147483647},
                                           {-0.5f, 0}};
    for (const auto& [value, expected] : cases) {
        t.SetFloat(r, t.fFlow, value);
        EXPECT_EQ(t.GetInt(r, t.fFlow), expected) << value;
    }
    t.SetFloat(r, t.fFlow, NAN);
    EXPECT_EQ(t.GetInt(r, t.fFlow), 0);

    t.SetFloat(r, t.fNr, 6.5);
    EXPECT_EQ(t.GetInt(r, t.fNr), 6);
    t.SetFloat(r, t.fNr, 1e15);
    EXPECT_EQ(t.GetInt(r, t.fNr), 2147483647);

    // Calculated fields have no storage: writes are ignored, reads give 0.
    t.SetInt(r, t.fCalc, 9);
    t.SetFloat(r, t.fCalcNum, 9);
    EXPECT_EQ(t.GetInt(r, t.fCalc), 0);
    EXPECT_EQ(t.GetFloat(r, t.fCalcNum), 0.0f);
    EXPECT_EQ(t.GetInt(r, t.fNr), 2147483647); // untouched by the ignored writes

    EXPECT_THROW(t.GetInt(r, 0), EMdbError);
    EXPECT_THROW(t.SetFloat(r, 9, 1), EMdbError);
    EXPECT_THROW(t.GetUnitText(-1, false), EMdbError);
}

TEST(MdbAccess, FieldTextsParseAndFormatByType) {
    SetDateOrderYearFirst(false);
    TTestTable t;
    TMdbRecord* r = t.Add(1);

    t.SetFieldText(r, t.fNr, " 12,5 ");
    EXPECT_EQ(t.GetInt(r, t.fNr), 12);
    t.SetFieldText(r, t.fNr, "9e99");
    EXPECT_EQ(t.GetFieldText(r, t.fNr), "2147483647");

    t.SetFieldText(r, t.fFlow, "1234,567");
    EXPECT_NEAR(t.GetFloat(r, t.fFlow), 1234.567f, 1e-3f);
    EXPECT_EQ(t.GetFieldText(r, t.fFlow), "1234.57");

    EXPECT_EQ(t.GetFieldText(r, t.fDate), ""); // day 0 has no date
    t.SetFieldText(r, t.fDate, "24.12.2003");
    EXPECT_EQ(t.GetInt(r, t.fDate), DayNumber(2003, 12, 24));
    EXPECT_EQ(t.GetFieldText(r, t.fDate), "24.12.2003");

    t.SetText(r, t.fName, std::string(300, 'x') + "end");
    EXPECT_EQ(t.GetText(r, t.fName).size(), 303u); // stored whole, shown cut
    EXPECT_EQ(t.GetFieldText(r, t.fName), std::string(255, 'x'));

    t.SetInt(r, t.fCode, 2);
    t.SetFieldText(r, t.fCode, "1"); // code fields are chosen, not typed
    EXPECT_EQ(t.GetFieldText(r, t.fCode), "Axial");
    t.SetInt(r, t.fNr, 21);
    EXPECT_EQ(t.GetFieldText(r, t.fCalc), "R21");
    EXPECT_EQ(t.GetFieldText(r, t.fCalcNum), "42");
    EXPECT_EQ(t.GetText(r, t.fNr), ""); // not a text field
}

TEST(MdbAccess, UnitsAndVariants) {
    const test::TProcessStateGuard guard;
    SetScreenUnitSystem(1); // volume flow in m³/s
    SetPrintUnitSystem(0);  // volume flow in m³/h
    TTestTable t;
    TMdbRecord* r = t.Add(5, 7200.0f);
    EXPECT_DOUBLE_EQ(t.GetFloatInUnits(r, t.fFlow, false), 2.0);
    EXPECT_EQ(t.GetFieldTextInUnits(r, t.fFlow, true), "7200.00");
    EXPECT_EQ(t.GetUnitText(t.fFlow, false), "m³/s");

    // Plain variants keep base values and codes; the unit variants convert and name them.
    t.SetInt(r, t.fCode, 1);
    EXPECT_EQ(t.GetFieldVariant(r, t.fFlow), TMdbVariant(7200.0));
    EXPECT_EQ(t.GetFieldVariant(r, t.fCode), TMdbVariant(std::int32_t{1}));
    EXPECT_EQ(t.GetFieldVariant(r, t.fDate), TMdbVariant(std::int32_t{0}));
    EXPECT_EQ(t.GetFieldVariantInUnits(r, t.fFlow, false), TMdbVariant(2.0));
    EXPECT_EQ(t.GetFieldVariantInUnits(r, t.fCode, false), TMdbVariant(std::string("Radial")));
    EXPECT_EQ(t.GetFieldVariantInUnits(r, t.fDate, false), TMdbVariant(std::string()));
    t.SetInt(r, t.fDate, 40000);
    EXPECT_EQ(t.GetFieldVariantInUnits(r, t.fDate, false), TMdbVariant(std::int32_t{40000}));
}

TEST(MdbAccess, CellTextsOfHeaderAndRecordRows) {
    const test::TProcessStateGuard guard;
    SetScreenUnitSystem(0);
    SetTextLanguage(1);
    TTestTable t;
    t.SetCaption(1, t.fFlow, "Flow", "Volume flow");
    t.Add(2, 10.0f, "second");
    t.Add(1, 12.5f, "first");
    t.RebuildIndex(false);

    const int flowColumn = 1;
    const TCellText caption = t.CellText(flowColumn, 0);
    EXPECT_EQ(caption.Text, "Flow");
    EXPECT_TRUE(caption.LeftAligned);
    const TCellText unit = t.CellText(flowColumn, 1);
    EXPECT_EQ(unit.Text, "m³/h");
    EXPECT_FALSE(unit.LeftAligned);
    EXPECT_EQ(t.CellText(flowColumn, 2).Text, "   ");
    const TCellText value = t.CellText(flowColumn, 3); // newest record first
    EXPECT_EQ(value.Text, "12.50");
    EXPECT_FALSE(value.LeftAligned);
    const TCellText name = t.CellText(3, 4);
    EXPECT_EQ(name.Text, "second");
    EXPECT_TRUE(name.LeftAligned);
    EXPECT_EQ(t.CellText(5, 3).Text, "R1");
    EXPECT_TRUE(t.CellText(5, 3).LeftAligned);  // calculated text
    EXPECT_FALSE(t.CellText(0, 3).LeftAligned); // integer

    for (const auto& [column, row] : {std::pair{-1, 0}, {6, 0}, {0, 5}, {0, -1}}) {
        const TCellText empty = t.CellText(column, row);
        EXPECT_EQ(empty.Text, "");
        EXPECT_TRUE(empty.LeftAligned);
    }
    t.SetColumns({1, 99});
    EXPECT_EQ(t.CellText(1, 0).Text, ""); // unknown field in the column list
}

} // namespace
} // namespace corvane
