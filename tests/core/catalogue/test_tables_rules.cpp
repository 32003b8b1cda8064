// Rules of the impeller, impeller-type, housing and nozzle tables that look at other tables:
// look-up texts, catalogue designation, series numbers, delete guards, saving.

#include "ProcessStateGuard.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMemoryStream.h"
#include "measurements/TMdbMessung.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace corvane;

namespace {

class ScriptedConfirmation : public TConfirmation {
public:
    bool Confirm(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    bool answer = true;
    std::vector<std::string> questions;
};

class TablesRules : public ::testing::Test {
protected:
    void SetUp() override {
        TConfirmation::Install(&confirm);
        auto& types = cat.LrTyp();
        type12 = Add(types, TMdbLrTyp::F_TYPNR, 12);
        types.SetText(type12, TMdbLrTyp::F_TYPBEZ, "XY2");
        type13 = Add(types, TMdbLrTyp::F_TYPNR, 13);
        types.SetText(type13, TMdbLrTyp::F_TYPBEZ, "ZQ");
        type14 = Add(types, TMdbLrTyp::F_TYPNR, 14);

        auto& nozzles = cat.Duese();
        nozzle5 = Add(nozzles, TMdbDuese::F_TYPNR, 5);
        nozzles.SetText(nozzle5, TMdbDuese::F_TYPBEZ, "ED");
        nozzles.SetInt(nozzle5, TMdbDuese::F_GROESSE, 250);
        nozzle6 = Add(nozzles, TMdbDuese::F_TYPNR, 6);
        nozzles.SetText(nozzle6, TMdbDuese::F_TYPBEZ, "EK");

        auto& pictures = cat.Bild();
        TMdbRecord* picture = Add(pictures, TMdbBild::F_BILDNR, 3);
        pictures.SetText(picture, TMdbBild::F_BILDBEZ, "Skizze A");

        auto& impellers = cat.Laufrad();
        impeller1 = Add(impellers, TMdbLaufrad::F_LFRDNR, 1);
        impellers.SetInt(impeller1, TMdbLaufrad::F_TYPNR, 12);
        impellers.SetInt(impeller1, TMdbLaufrad::F_D2NENN, 450);
        impellers.SetFloat(impeller1, TMdbLaufrad::F_B2, 125);
        impellers.SetText(impeller1, TMdbLaufrad::F_DREHRICHT, "R");
        impellers.SetText(impeller1, TMdbLaufrad::F_FLUTIGKEIT, "E");
        impellers.SetInt(impeller1, TMdbLaufrad::F_VERSION, 1);
        impellers.SetInt(impeller1, TMdbLaufrad::F_DUESE, 5);
        impellers.SetInt(impeller1, TMdbLaufrad::F_BILDNR, 3);
        impeller2 = Add(impellers, TMdbLaufrad::F_LFRDNR, 2);
        impellers.SetInt(impeller2, TMdbLaufrad::F_TYPNR, 99); // no such type
        impellers.SetInt(impeller2, TMdbLaufrad::F_D2NENN, 500);
        impellers.SetFloat(impeller2, TMdbLaufrad::F_BS, 80);
        impellers.SetText(impeller2, TMdbLaufrad::F_FLUTIGKEIT, "D");

        auto& housings = cat.Gehaeuse();
        housing7 = Add(housings, TMdbGehaeuse::F_GEHSNR, 7);
        housings.SetText(housing7, TMdbGehaeuse::F_GEHSBEZ, "G-450");
        housings.SetInt(housing7, TMdbGehaeuse::F_TYPNR, 13);
        housings.SetInt(housing7, TMdbGehaeuse::F_LAUFRADNR, 1);
        housing8 = Add(housings, TMdbGehaeuse::F_GEHSNR, 8);
        housings.SetText(housing8, TMdbGehaeuse::F_GEHSBEZ, "G-500");
        housings.SetInt(housing8, TMdbGehaeuse::F_LAUFRADNR, 77); // no such impeller

        // Series 40 measured impeller 2 in housing 8.
        auto& series = cat.Messung();
        TMdbRecord* s = Add(series, TMdbMessung::F_MESSNR, 40);
        series.SetInt(s, TMdbMessung::F_LFRDNR, 2);
        series.SetInt(s, TMdbMessung::F_GEHSNR, 8);

        for (int i = 1; i <= TCatalogue::kTableCount; ++i)
            cat.TableInFileOrder(i)->RebuildIndex(false);
    }
    test::TProcessStateGuard guard;

    static TMdbRecord* Add(TMdb& table, int keyField, int key) {
        TMdbRecord* r = table.NewRecord();
        table.SetInt(r, keyField, key);
        return r;
    }

    TCatalogue cat;
    ScriptedConfirmation confirm;
    TMdbRecord *type12 = nullptr, *type13 = nullptr, *type14 = nullptr;
    TMdbRecord *nozzle5 = nullptr, *nozzle6 = nullptr;
    TMdbRecord *impeller1 = nullptr, *impeller2 = nullptr;
    TMdbRecord *housing7 = nullptr, *housing8 = nullptr;
};

} // namespace

TEST_F(TablesRules, LookUpTexts) {
    const TMdbLaufrad& l = cat.Laufrad();
    EXPECT_EQ(l.GetFieldText(impeller1, TMdbLaufrad::F_TYPBEZ), "XY2");
    EXPECT_EQ(l.GetFieldText(impeller1, TMdbLaufrad::F_EINSTROEMDUESE), "ED/250");
    EXPECT_EQ(l.GetFieldText(impeller1, TMdbLaufrad::F_BILDBEZ), "Skizze A");
    EXPECT_EQ(l.GetFieldText(impeller2, TMdbLaufrad::F_TYPBEZ), "");
    EXPECT_EQ(l.TypeNumber(impeller1), 12);
    EXPECT_EQ(l.TypeNumber(impeller2), 0);
    EXPECT_EQ(l.NozzleRecord(impeller1), nozzle5);

    const TMdbGehaeuse& g = cat.Gehaeuse();
    EXPECT_EQ(g.GetFieldText(housing7, TMdbGehaeuse::F_TYPBEZ), "ZQ");
    EXPECT_EQ(g.GetFieldText(housing7, TMdbGehaeuse::F_LAUFRADBEZ), "012-0450-0125-R-E/01");
    EXPECT_EQ(g.GetFieldText(housing7, TMdbGehaeuse::F_EINSTROEMDUESE), "ED/250");
    EXPECT_EQ(g.ImpellerRecord(housing7), impeller1);
    EXPECT_EQ(g.ImpellerRecord(housing8), nullptr);
    EXPECT_EQ(g.GetFieldText(housing8, TMdbGehaeuse::F_LAUFRADBEZ), "");
    EXPECT_EQ(g.GetFieldText(housing8, TMdbGehaeuse::F_EINSTROEMDUESE), "");
}

TEST_F(TablesRules, CatalogueDesignationVariants) {
    const TMdbLaufrad& l = cat.Laufrad();
    EXPECT_EQ(l.CatalogueDesignation(impeller1, 0), "XY2 450 x 125-E");
    EXPECT_EQ(l.CatalogueDesignation(impeller1, 10), "XY2A 450 x 125-E");
    EXPECT_EQ(l.CatalogueDesignation(impeller1, 12), "XY2C 450 x 125-E");
    EXPECT_EQ(l.CatalogueDesignation(impeller1, 21), "XY4 450 x 125-E");
    EXPECT_EQ(l.CatalogueDesignation(impeller1, 22), "XY5 450 x 125-E");
    EXPECT_EQ(l.CatalogueDesignation(impeller1, 2), "XY2 450 x 125-E");
    // No type text: the variant is ignored; the width of a double-inlet impeller is Bs.
    EXPECT_EQ(l.CatalogueDesignation(impeller2, 21), " 500 x 80-D");
}

TEST_F(TablesRules, MeasurementNumbers) {
    TMdbLaufrad& l = cat.Laufrad();
    TMdbGehaeuse& g = cat.Gehaeuse();
    EXPECT_EQ(l.MeasurementNo(impeller2), 40); // found through the series table
    EXPECT_EQ(l.MeasurementNo(impeller1), 0);  // none at all
    l.SetInt(impeller1, TMdbLaufrad::F_MESSNR, -3);
    EXPECT_EQ(l.MeasurementNo(impeller1), -3);
    l.SetInt(impeller2, TMdbLaufrad::F_MESSNR, 41); // its own number wins
    EXPECT_EQ(l.MeasurementNo(impeller2), 41);
    EXPECT_EQ(g.MeasurementNo(housing8), 40);
    EXPECT_EQ(g.MeasurementNo(housing7), 0);
}

TEST_F(TablesRules, DeleteGuardsRefuseUsedRecords) {
    struct Case {
        TMdb& table;
        TMdbRecord* record;
        const char* message;
    };
    const Case cases[] = {
        {cat.Laufrad(), impeller2, "Dieses Laufrad wird noch in einer Messung verwendet!"},
        {cat.Gehaeuse(), housing8, "Dieses Gehäuse wird noch in einer Messung verwendet!"},
        {cat.LrTyp(), type12, "Dieser Laufrad-Typ wird noch verwendet!"},
        {cat.Duese(), nozzle5, "Diese Einströmdüse wird noch verwendet!"},
    };
    for (const Case& c : cases) {
        const int before = c.table.RecordCount();
        try {
            c.table.DeleteRecord(c.record);
            ADD_FAILURE() << "not refused: " << c.message;
        } catch (const EMdbError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(c.table.RecordCount(), before);
        EXPECT_EQ(c.table.FindByKey(c.table.Key(c.record)), c.record);
    }
    EXPECT_TRUE(confirm.questions.empty()); // refused before asking
}

TEST_F(TablesRules, DeleteAsksAndHonoursTheAnswer) {
    struct Case {
        TMdb& table;
        TMdbRecord* record;
        const char* question;
    };
    // Type 13 is used only by a housing, which does not block its deletion.
    const Case cases[] = {
        {cat.Laufrad(), impeller1, "Laufrad 012-0450-0125-R-E/01 löschen ?"},
        {cat.Gehaeuse(), housing7, "Gehäuse G-450 löschen ?"},
        {cat.LrTyp(), type13, "Laufrad-Typ Nr.13 löschen ?"},
        {cat.Duese(), nozzle6, "Einströmdüse EK löschen ?"},
    };
    for (const Case& c : cases) {
        const std::int32_t key = c.table.Key(c.record);
        const int before = c.table.RecordCount();
        confirm.answer = false;
        confirm.questions.clear();
        EXPECT_NO_THROW(c.table.DeleteRecord(c.record));
        ASSERT_EQ(confirm.questions.size(), 1u);
        EXPECT_EQ(confirm.questions[0], c.question);
        EXPECT_EQ(c.table.FindByKey(key), c.record);

        confirm.answer = true;
        c.table.DeleteRecord(c.record);
        EXPECT_EQ(c.table.FindByKey(key), nullptr);
        EXPECT_EQ(c.table.RecordCount(), before - 1);
    }
}

TEST_F(TablesRules, TypesInCatalogueAndNewRecords) {
    TMdbLrTyp& types = cat.LrTyp();
    types.UpdateInCatalogue();
    EXPECT_TRUE(types.InCatalogue(type12));  // impeller
    EXPECT_TRUE(types.InCatalogue(type13));  // housing
    EXPECT_FALSE(types.InCatalogue(type14)); // unused
    EXPECT_EQ(types.GetFloat(type13, TMdbLrTyp::F_INKATALOG), 1.0f);

    TMdbLaufrad& l = cat.Laufrad();
    TMdbRecord* fresh = l.NewRecordWithDefaults(45000);
    EXPECT_EQ(l.GetInt(fresh, TMdbLaufrad::F_LFRDNR), 3);
    EXPECT_EQ(l.GetInt(fresh, TMdbLaufrad::F_ERSTDATUM), 45000);
    EXPECT_EQ(cat.Duese().Key(cat.Duese().NewRecordWithDefaults()), 7);
}

TEST_F(TablesRules, SavingEmptiesOrgBezOnly) {
    TMdbLaufrad& l = cat.Laufrad();
    l.SetText(impeller1, TMdbLaufrad::F_ORGBEZ, "alt 1");
    l.SetText(impeller2, TMdbLaufrad::F_ORGBEZ, "alt 2");
    l.SetText(impeller1, TMdbLaufrad::F_BLATTNR, "B-17");
    TMemoryStream stream;
    l.SaveToStream(stream, false);
    EXPECT_EQ(l.GetText(impeller1, TMdbLaufrad::F_ORGBEZ), "");
    EXPECT_EQ(l.GetText(impeller2, TMdbLaufrad::F_ORGBEZ), "");

    TMdbLaufrad copy;
    stream.Seek(0);
    copy.LoadFromStream(stream);
    const TMdbRecord* r = copy.FindByKey(1);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(copy.GetText(r, TMdbLaufrad::F_ORGBEZ), "");
    EXPECT_EQ(copy.GetText(r, TMdbLaufrad::F_BLATTNR), "B-17");
}
