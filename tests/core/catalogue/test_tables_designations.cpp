// Derived texts of the impeller, housing and nozzle tables that need no other table.

#include "ProcessStateGuard.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "i18n/Language.h"
#include "measurements/TMdbMw.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

TMdbRecord* AddImpeller(TMdbLaufrad& t, int typeNo, int d2Nenn, float b2, float bs,
                        const char* rotation, const char* inlet, int version) {
    TMdbRecord* r = t.NewRecord();
    t.SetInt(r, TMdbLaufrad::F_TYPNR, typeNo);
    t.SetInt(r, TMdbLaufrad::F_D2NENN, d2Nenn);
    t.SetFloat(r, TMdbLaufrad::F_B2, b2);
    t.SetFloat(r, TMdbLaufrad::F_BS, bs);
    t.SetText(r, TMdbLaufrad::F_DREHRICHT, rotation);
    t.SetText(r, TMdbLaufrad::F_FLUTIGKEIT, inlet);
    t.SetInt(r, TMdbLaufrad::F_VERSION, version);
    return r;
}

} // namespace

TEST(TablesDesignations, ImpellerDesignation) {
    TMdbLaufrad t;
    const TMdbRecord* single = AddImpeller(t, 12, 450, 125, 300, "R", "E", 1);
    EXPECT_EQ(t.GetFieldText(single, TMdbLaufrad::F_LAUFRADBEZ), "012-0450-0125-R-E/01");
    // Double inlet takes the width from Bs; B2 rounds to the nearest integer, ties to even.
    const TMdbRecord* twin = AddImpeller(t, 7, 315, 99.5f, 212.5f, "L", "D", 3);
    EXPECT_EQ(t.Designation(twin), "007-0315-0212-L-D/03");
    // Wider numbers are written in full; empty texts become blanks; versions differ.
    const TMdbRecord* wide = AddImpeller(t, 1234, 12345, 56789, 0, "", "", 123);
    EXPECT_EQ(t.Designation(wide), "1234-12345-56789- - /123");
    const TMdbRecord* other = AddImpeller(t, 12, 450, 125, 300, "R", "E", 2);
    EXPECT_NE(t.Designation(other), t.Designation(single));
    // Only "D" exactly means double inlet.
    const TMdbRecord* lower = AddImpeller(t, 12, 450, 100.4f, 300, "R", "d", 1);
    EXPECT_EQ(t.DesignationWidth(lower), 100);
    EXPECT_EQ(TMdbLaufrad::BuildDesignation(5, 200, 80, "links", "doppelt", 0),
              "005-0200-0080-l-d/00");
    // Without a catalogue the look-up texts stay empty.
    EXPECT_EQ(t.GetFieldText(single, TMdbLaufrad::F_TYPBEZ), "");
    EXPECT_EQ(t.GetFieldText(single, TMdbLaufrad::F_EINSTROEMDUESE), "");
    EXPECT_EQ(t.CatalogueDesignation(single, 21), " 450 x 125-E");
}

TEST(TablesDesignations, NozzleDesignationAndHousingForms) {
    TMdbDuese nozzles;
    TMdbRecord* n = nozzles.NewRecord();
    nozzles.SetText(n, TMdbDuese::F_TYPBEZ, "ED");
    nozzles.SetInt(n, TMdbDuese::F_GROESSE, 250);
    EXPECT_EQ(nozzles.GetFieldText(n, TMdbDuese::F_TYPENBEZ), "ED/250");
    nozzles.SetInt(n, TMdbDuese::F_GROESSE, 0);
    EXPECT_EQ(nozzles.GetFieldText(n, TMdbDuese::F_TYPENBEZ), "ED");
    nozzles.SetInt(n, TMdbDuese::F_GROESSE, -5);
    EXPECT_EQ(nozzles.Designation(n), "ED");

    TMdbGehaeuse housings;
    TMdbRecord* h = housings.NewRecord();
    housings.SetInt(h, TMdbGehaeuse::F_GEHSEFORM, 2);
    EXPECT_EQ(housings.GetFieldText(h, TMdbGehaeuse::F_GEHSEFORM), "Rechteck");
    {
        const test::TProcessStateGuard guard;
        SetTextLanguage(2);
        EXPECT_EQ(housings.GetFieldText(h, TMdbGehaeuse::F_GEHSEFORM), "Прямоугольник");
    }
    housings.SetInt(h, TMdbGehaeuse::F_GEHSEFORM, 7);
    EXPECT_EQ(housings.GetFieldText(h, TMdbGehaeuse::F_GEHSEFORM), "????");
    EXPECT_EQ(TMdbGehaeuse::FormText(-1, 1), "????");
    EXPECT_EQ(TMdbGehaeuse::FormText(3, 1), "trapezoid");
    // The inlet test of the housing ignores blanks and case.
    housings.SetText(h, TMdbGehaeuse::F_FLUTIGKEIT, " d");
    EXPECT_TRUE(housings.IsDoubleInlet(h));
}

TEST(TablesDesignations, TypeDescriptionSplitsIntoFourParts) {
    TMdbLrTyp types;
    TMdbRecord* r = types.NewRecord();
    // 249 ASCII characters, then a two-byte character that must not be split.
    std::string text(249, 'a');
    text += "ü";
    text += std::string(800, 'b');
    types.SetDescription(r, text);
    EXPECT_EQ(types.GetText(r, TMdbLrTyp::F_BESCHR1), std::string(249, 'a') + "ü");
    EXPECT_EQ(types.GetText(r, TMdbLrTyp::F_BESCHR2), std::string(250, 'b'));
    EXPECT_EQ(types.GetText(r, TMdbLrTyp::F_BESCHR4), std::string(250, 'b'));
    // 1050 characters: the last 50 are dropped.
    EXPECT_EQ(types.Description(r), std::string(249, 'a') + "ü" + std::string(750, 'b'));
}

// Every table's browser has a caption of its own in the text language, never the table name.
TEST(TablesDesignations, BrowserCaptionsInTheTextLanguage) {
    const test::TProcessStateGuard guard;
    TCatalogue cat;
    const std::vector<std::vector<std::string>> expected = {
        {"Messwerte aus Messreihe 0", "measured values of series 0"},
        {"Bilder", "picture"},
        {"Texte zur Messung", "measurement texts"},
        {"Kunden", "customers"},
        {"Motoren", "motors"},
        {"Laufrad-Typen", "fan wheel types"},
        {"Einströmdüsen", "inlet cones"},
        {"Laufräder", "fan wheels"},
        {"Gehäuse", "housings"},
        {"Aufträge", "orders"},
        {"Messungen", "measurements"}};
    for (int language : {0, 1}) {
        SetTextLanguage(language);
        for (int position = 1; position <= TCatalogue::kTableCount; ++position)
            EXPECT_EQ(cat.TableInFileOrder(position)->BrowserCaption(),
                      expected[static_cast<std::size_t>(position - 1)]
                              [static_cast<std::size_t>(language)]);
    }
    SetTextLanguage(2);
    EXPECT_EQ(cat.Laufrad().BrowserCaption(), "Рабочие колёса");
}
