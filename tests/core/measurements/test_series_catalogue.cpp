// The series table in its catalogue: references, code texts, the delete rule, and loading
// points from the data file and from the point cache.

#include "ProcessStateGuard.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbMotor.h"
#include "catalogue/TMdbTexte.h"
#include "i18n/Language.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMemoryStream.h"
#include "measurements/SeriesPhiArea.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>
#include <vector>

namespace corvane {
namespace {

using S = TMdbMessung;

TMdbRecord* Add(TMdb& table, std::int32_t key) {
    TMdbRecord* r = table.NewRecord();
    table.SetInt(r, table.KeyField(), key);
    return r;
}

// Points of series 1 (4 points) and 2 (2 points) with distinct raw values.
void FillPoints(std::int32_t seriesNo, TMdbMw& table) {
    for (int p = 1; p <= (seriesNo == 1 ? 4 : 2); ++p) {
        TMdbRecord* r = table.NewRecord();
        table.SetInt(r, TMdbMw::F_MESSNR, seriesNo);
        table.SetInt(r, TMdbMw::F_MWNR, p);
        table.SetFloat(r, TMdbMw::F_PB, 1000 + p);
        table.SetFloat(r, TMdbMw::F_PK, static_cast<float>(100 * p + seriesNo));
        table.SetFloat(r, TMdbMw::F_V, 1000.0f * static_cast<float>(p));
        table.SetFloat(r, TMdbMw::F_N, 1400);
        table.SetInt(r, TMdbMw::F_SCHALLMESSG, 3);
    }
}

void BuildCatalogue(TCatalogue& c) {
    TMdbRecord* customer = Add(c.Kunde(), 4);
    c.Kunde().SetText(customer, TMdbKunde::F_NAME, "Gebläsebau Nord");
    c.Auftrag().SetInt(Add(c.Auftrag(), 9), TMdbAuftrag::F_KUNDENNR, 4);
    c.Motor().SetText(Add(c.Motor(), 5), TMdbMotor::F_MOTORBEZ, "DM 90");
    c.Texte().SetText(Add(c.Texte(), 3), TMdbTexte::F_TEXTINHALT, "Schallpegelmesser");
    TMdbRecord* impeller = Add(c.Laufrad(), 10);
    c.Laufrad().SetInt(impeller, TMdbLaufrad::F_TYPNR, 100);
    c.Laufrad().SetInt(impeller, TMdbLaufrad::F_MESSNR, 1);
    TMdbRecord* housing = Add(c.Gehaeuse(), 6);
    c.Gehaeuse().SetInt(housing, TMdbGehaeuse::F_BAUGROESSE, 450);
    for (const std::int32_t no : {1, 2}) {
        TMdbRecord* s = Add(c.Messung(), no);
        c.Messung().SetInt(s, S::F_AUFTRAGSNR, 9);
        c.Messung().SetInt(s, S::F_LFRDNR, no == 1 ? 10 : 0);
        c.Messung().SetInt(s, S::F_GEHSNR, 6);
        c.Messung().SetInt(s, S::F_MOTORNR, 5);
        c.Messung().SetFloat(s, S::F_Ab, 0.2);
        c.Messung().SetFloat(s, S::F_DLr, 400);
        c.Messung().SetFloat(s, S::F_A0, 0.1);
    }
    for (int position = 2; position <= TCatalogue::kTableCount; ++position)
        c.TableInFileOrder(position)->RebuildIndex(false);
    c.SetSeriesPointSource(FillPoints);
}

// Slot images of the records in list order.
std::vector<std::uint32_t> Image(const TMdb& table) {
    std::vector<std::uint32_t> slots;
    for (const TMdbRecord* r = table.FirstRecord(); r != nullptr; r = r->Next)
        slots.insert(slots.end(), r->Slots(), r->Slots() + table.SlotCount());
    return slots;
}

class SeriesCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        TCatalogue source;
        BuildCatalogue(source);
        TMemoryStream file;
        source.Save(file);
        catalogue.OpenStream(std::make_unique<TMemoryStream>(file.Bytes()));
    }
    TCatalogue catalogue;
};

TEST_F(SeriesCatalogue, CachedPointsEqualFilePoints) {
    TMdbMw fromFile(&catalogue);
    ASSERT_TRUE(fromFile.LoadSeries(1, -1, -1, -1));
    ASSERT_EQ(fromFile.RecordCount(), 4);
    EXPECT_EQ(fromFile.ImpellerType(), 100);
    EXPECT_EQ(fromFile.CorrectionFamily(), 0);
    EXPECT_EQ(fromFile.SoundInstrument(), 3);

    TSeriesPointCache cache;
    TMdbMw cached(&catalogue);
    cached.SetPointCache(&cache);
    ASSERT_TRUE(cached.LoadSeries(1, -1, -1, -1)); // from the file, kept in the cache
    ASSERT_TRUE(cached.LoadSeries(2, -1, -1, -1));
    EXPECT_EQ(cached.ImpellerType(), 0);
    EXPECT_EQ(cached.CorrectionFamily(), 2);
    EXPECT_EQ(cache.SeriesCount(), 2u);
    ASSERT_TRUE(cached.LoadSeries(1, -1, -1, -1)); // from the cache, over 2 records
    EXPECT_EQ(Image(cached), Image(fromFile));
    EXPECT_EQ(cached.KeyIndexCount(), 4);
    EXPECT_EQ(cached.GetInt(cached.ViewRecord(0), TMdbMw::F_MWNR),
              fromFile.GetInt(fromFile.ViewRecord(0), TMdbMw::F_MWNR));
    // And back over 4 records: as many as the file gives, in its order.
    TMdbMw secondFromFile(&catalogue);
    ASSERT_TRUE(secondFromFile.LoadSeries(2, -1, -1, -1));
    ASSERT_TRUE(cached.LoadSeries(2, -1, -1, -1));
    EXPECT_EQ(Image(cached), Image(secondFromFile));
    EXPECT_EQ(cached.KeyIndexCount(), 2);
    EXPECT_EQ(cached.FindByKey(2), cached.ViewRecord(0));
    ASSERT_TRUE(cached.LoadSeries(1, -1, -1, -1));

    // The cache holds copies: changing the loaded points does not change it.
    cached.SetFloat(cached.FirstRecord(), TMdbMw::F_PK, 12345);
    cached.ForgetSeries();
    ASSERT_TRUE(cached.LoadSeries(1, -1, -1, -1));
    EXPECT_EQ(Image(cached), Image(fromFile));
}

// The cache keeps once what the points of a series share. Points that differ from the first
// one in the first or the last slot, next to them, in the middle or not at all come back slot
// for slot, in list order, over tables holding fewer and more records.
TEST(PointCache, RestoresEverySlotOfEveryPoint) {
    TMdbMw points;
    for (int p = 0; p < 5; ++p)
        points.NewRecord();
    std::vector<TMdbRecord*> r; // list order
    for (TMdbRecord* record = points.FirstRecord(); record != nullptr; record = record->Next)
        r.push_back(record);
    const auto last = static_cast<std::size_t>(points.SlotCount() - 1);
    TSeriesPointCache cache;
    std::vector<std::vector<std::uint32_t>> stored;
    const auto store = [&](const TMdbRecord* except) {
        ASSERT_TRUE(cache.Store(static_cast<std::int32_t>(stored.size() + 1), points, except));
        std::vector<std::uint32_t> slots;
        for (const TMdbRecord* record : r)
            if (record != except)
                slots.insert(slots.end(), record->Slots(), record->Slots() + last + 1);
        stored.push_back(slots);
    };
    store(nullptr);
    r[1]->Slots()[1] = 5;
    r[3]->Slots()[0] = 7;
    store(nullptr);
    r[1]->Slots()[last - 1] = 6;
    r[2]->Slots()[last] = 8;
    store(nullptr);
    r[2]->Slots()[40] = 9;
    store(r[4]);
    for (std::size_t p = 1; p < r.size(); ++p)
        points.FreeRecord(r[p], true);
    r.resize(1);
    store(nullptr); // a single point
    TMdbMw restored;
    for (const std::int32_t seriesNo : {1, 4, 2, 5, 3, 4, 1}) {
        ASSERT_TRUE(cache.Restore(seriesNo, restored));
        EXPECT_EQ(Image(restored), stored[static_cast<std::size_t>(seriesNo - 1)]) << seriesNo;
    }
}

TEST_F(SeriesCatalogue, PointsReadBehindTheTablesBackAreEvaluatedAgain) {
    TMdbMw& mw = catalogue.Mw();
    ASSERT_TRUE(mw.LoadSeries(2, -1, -1, -1));
    // Something reads another series' raw points straight into the table.
    ASSERT_TRUE(catalogue.ReadSeriesPoints(1, mw));
    ASSERT_TRUE(mw.LoadSeries(2, -1, -1, -1));
    EXPECT_EQ(mw.RecordCount(), 2);
    // The same series read again raw: evaluated again with unchanged targets.
    ASSERT_TRUE(catalogue.ReadSeriesPoints(2, mw));
    ASSERT_TRUE(mw.LoadSeries(2, -1, -1, -1));
    EXPECT_GT(mw.GetFloat(mw.FirstRecord(), TMdbMw::F_RHO), 1.0f);
}

TEST_F(SeriesCatalogue, LoadsFindTheSeriesAsTheSeriesTableHasItNow) {
    TMdbMw mw(&catalogue);
    ASSERT_TRUE(mw.LoadSeries(1, -1, -1, -1));
    EXPECT_EQ(mw.CorrectionFamily(), 0);
    // The impeller of series 1 gets another type: the next load of the series takes it.
    catalogue.Laufrad().SetInt(catalogue.Laufrad().FindByKey(10), TMdbLaufrad::F_TYPNR, 150);
    ASSERT_TRUE(mw.LoadSeries(2, -1, -1, -1));
    ASSERT_TRUE(mw.LoadSeries(1, -1, -1, -1));
    EXPECT_EQ(mw.ImpellerType(), 150);
    EXPECT_EQ(mw.CorrectionFamily(), 1);

    ASSERT_TRUE(mw.LoadSeries(2, -1, -1, -1));
    // Series 2 is numbered 7 now: there is no series 2 to load any more.
    TMdbMessung& series = catalogue.Messung();
    series.SetInt(series.FindByKey(2), S::F_MESSNR, 7);
    series.RebuildIndex(false);
    EXPECT_FALSE(mw.LoadSeries(2, -1, -1, -1));
    EXPECT_EQ(mw.RecordCount(), 0);
}

// Two series records with one number (a table being edited): a load by record takes that
// record's impeller, whichever of the two the number finds.
TEST_F(SeriesCatalogue, LoadByRecordTakesThatRecordsImpeller) {
    TMdbMessung& series = catalogue.Messung();
    const TMdbRecord* first = series.FindByKey(1);
    TMdbRecord* twin = series.NewRecord();
    series.SetInt(twin, S::F_MESSNR, 1);
    series.RebuildIndex(false);
    TMdbMw mw(&catalogue);
    for (const TMdbRecord* record : std::array<const TMdbRecord*, 4>{first, twin, first, twin}) {
        ASSERT_TRUE(mw.LoadSeries(record, -1, -1, -1));
        EXPECT_EQ(mw.ImpellerType(), record == first ? 100 : 0);
        ASSERT_TRUE(mw.LoadSeries(2, -1, -1, -1));
    }
}

TEST_F(SeriesCatalogue, CodeTextsAndCustomer) {
    const S& series = catalogue.Messung();
    const TMdbRecord* s1 = series.FindByKey(1);
    const TMdbRecord* s2 = series.FindByKey(2);
    const test::TProcessStateGuard guard;
    SetTextLanguage(0);
    EXPECT_EQ(series.GetFieldText(s1, S::F_KUNDE), "Gebläsebau Nord");
    EXPECT_EQ(series.GetFieldText(s1, S::F_MOTORNR), "DM 90");
    EXPECT_EQ(series.GetFieldText(s1, S::F_LFRDNR),
              catalogue.Laufrad().GetCalcText(catalogue.Laufrad().FindByKey(10),
                                              TMdbLaufrad::F_LAUFRADBEZ));
    EXPECT_EQ(series.GetFieldText(s2, S::F_LFRDNR), "");
    // A housing without designation is named by its size.
    EXPECT_EQ(series.GetFieldText(s1, S::F_GEHSNR), "Bez-Typ  450");
    EXPECT_EQ(series.GetFieldText(s1, S::F_PRUEFSTAND), "????");
    EXPECT_EQ(S::CodeListText(S::F_PRUEFSTAND, 3, 1), "reverberation room");
    EXPECT_EQ(S::CodeListText(S::F_TANDEM, 2, 0), "doppelfl.");
    EXPECT_EQ(S::CodeListText(S::F_phiTyp, 9, 0), "VDI 2044");
    EXPECT_EQ(S::CodeListSize(S::F_DBTYP), 7);

    TMdbMw& mw = catalogue.Mw();
    ASSERT_TRUE(mw.LoadSeries(1, -1, -1, -1));
    EXPECT_EQ(mw.GetFieldText(mw.FirstRecord(), TMdbMw::F_SCHALLMESSG), "Schallpegelmesser");
    EXPECT_EQ(mw.GetFieldText(mw.FirstRecord(), TMdbMw::F_DREHMESSG), "");
}

class TAnswer : public TConfirmation {
public:
    explicit TAnswer(bool answer) : answer_(answer) { Install(this); }
    ~TAnswer() override { Install(nullptr); }
    bool Confirm(const std::string& question) override {
        questions.push_back(question);
        return answer_;
    }
    std::vector<std::string> questions;

private:
    bool answer_;
};

TEST_F(SeriesCatalogue, DeleteSeriesGuardAndConfirmation) {
    S& series = catalogue.Messung();
    TSeriesPointCache cache;
    catalogue.Mw().SetPointCache(&cache);
    ASSERT_TRUE(catalogue.Mw().LoadSeries(2, -1, -1, -1));
    {
        TAnswer yes(true);
        try {
            series.DeleteRecord(series.FindByKey(1)); // impeller 10 refers to series 1
            FAIL() << "deleted a series in use";
        } catch (const EMdbError& e) {
            EXPECT_STREQ(e.what(), "Diese Messung wird noch verwendet!");
        }
        EXPECT_TRUE(yes.questions.empty());
    }
    {
        TAnswer no(false);
        series.DeleteRecord(series.FindByKey(2));
        ASSERT_EQ(no.questions.size(), 1u);
        EXPECT_EQ(no.questions[0], "Messung Nr.2 mit allen Messdaten löschen ?");
        EXPECT_NE(series.FindByKey(2), nullptr);
    }
    TAnswer yes(true);
    series.DeleteRecord(series.FindByKey(2));
    EXPECT_EQ(series.FindByKey(2), nullptr);
    EXPECT_EQ(catalogue.Mw().RecordCount(), 0);
    EXPECT_FALSE(cache.Contains(2));
}

TEST(SeriesTable, FieldsNewSeriesAndTouch) {
    S series;
    EXPECT_EQ(series.FieldCount(), 31);
    EXPECT_EQ(series.MdbNo(), 1006u);
    EXPECT_EQ(series.TableName(), "HDRMAIN");
    EXPECT_EQ(series.FieldByKey("AB"), S::F_Ab);
    EXPECT_EQ(series.FieldByKey("phityp"), S::F_phiTyp);
    EXPECT_EQ(series.Field(S::F_MESSRECORD).ColWidth, 0);
    EXPECT_EQ(series.Field(S::F_MESSRECORD).Caption[0], "Mess-Record");
    EXPECT_EQ(series.Field(S::F_DPENTNAHME).Caption[0], "´d´p-Entnahme");
    EXPECT_EQ(series.Field(S::F_A0).Width, 6);
    EXPECT_EQ(series.BrowserCaption(), "Messungen");

    TMdbRecord* a = series.NewSeries("KM", 45000);
    EXPECT_EQ(series.GetInt(a, S::F_MESSNR), 1);
    EXPECT_EQ(series.GetFloat(a, S::F_DR), -1.0f);
    EXPECT_EQ(series.GetFloat(a, S::F_phiF), 1.0f);
    EXPECT_EQ(series.GetText(a, S::F_BEARBEITER), "KM");
    EXPECT_EQ(series.FindByKey(1), a);
    TMdbRecord* b = series.NewSeries("KM", 45000);
    EXPECT_EQ(series.GetInt(b, S::F_MESSNR), 2);

    series.SetInt(a, S::F_AUFTRAGSNR, 9);
    series.SetFloat(a, S::F_AUFTMESSZ, 4);
    EXPECT_EQ(series.NextOrderSerial(9, b), 5.0f);
    EXPECT_EQ(series.NextOrderSerial(9, a), 1.0f);

    EXPECT_FALSE(series.TouchSeries(1, 45000)); // measured today
    EXPECT_TRUE(series.TouchSeries(1, 45003));
    EXPECT_EQ(series.GetInt(a, S::F_AENDDATUM), 45003);
    EXPECT_FALSE(series.TouchSeries(1, 45003));
    EXPECT_GT(S::Today(), 45000); // after 2023
}

// Points changed in memory (the measured-values editor) replace the file's points for every
// load and for saving, until another file is opened; a deleted series takes them along.
TEST_F(SeriesCatalogue, KeptPointsOutliveLoadsAndGoIntoTheSavedFile) {
    TMdbMw& mw = catalogue.Mw();
    TSeriesPointCache cache;
    mw.SetPointCache(&cache);
    ASSERT_TRUE(mw.LoadSeries(2, -1, -1, -1));
    ASSERT_EQ(mw.RecordCount(), 2);
    TMdbRecord* added = mw.NewRecord();
    mw.SetInt(added, TMdbMw::F_MWNR, 3);
    mw.SetFloat(added, TMdbMw::F_PK, 777);
    TMdbRecord* open = mw.NewRecord(); // still being measured: left out
    mw.SetInt(open, TMdbMw::F_MWNR, 4);
    mw.RebuildIndex(false);
    EXPECT_FALSE(catalogue.HasKeptPoints());
    catalogue.KeepSeriesPoints(mw, open);
    EXPECT_TRUE(catalogue.HasKeptPoints());

    TMdbMw other(&catalogue);
    ASSERT_TRUE(other.LoadSeries(2, -1, -1, -1));
    EXPECT_EQ(other.RecordCount(), 3);
    EXPECT_EQ(other.GetFloat(other.FindByKey(3), TMdbMw::F_PK), 777.0f);
    EXPECT_EQ(other.FindByKey(4), nullptr);
    mw.ForgetSeries(); // the point cache of the editing table was brought up to date
    ASSERT_TRUE(mw.LoadSeries(2, -1, -1, -1));
    EXPECT_EQ(mw.RecordCount(), 3);
    mw.SetPointCache(nullptr);

    TMemoryStream file;
    catalogue.Save(file);
    TCatalogue reopened;
    reopened.OpenStream(std::make_unique<TMemoryStream>(file.Bytes()));
    EXPECT_FALSE(reopened.HasKeptPoints());
    TMdbMw fromFile(&reopened);
    ASSERT_TRUE(fromFile.LoadSeries(2, -1, -1, -1));
    EXPECT_EQ(fromFile.RecordCount(), 3);
    ASSERT_TRUE(fromFile.LoadSeries(1, -1, -1, -1));
    EXPECT_EQ(fromFile.RecordCount(), 4);

    // The series goes: a new series with its number starts without points.
    TConfirmation::Install(nullptr);
    catalogue.Messung().DeleteRecord(catalogue.Messung().FindByKey(2));
    TMdbRecord* again = catalogue.Messung().NewSeries("ab", 45000);
    ASSERT_EQ(catalogue.Messung().GetInt(again, S::F_MESSNR), 2);
    TMdbMw fresh(&catalogue);
    ASSERT_TRUE(fresh.LoadSeries(2, -1, -1, -1));
    EXPECT_EQ(fresh.RecordCount(), 0);
}

TEST(SeriesTable, PhiAreaAndSecondDimension) {
    EXPECT_NEAR(SecondDimensionFromPhiArea(2, 400, 0.1), 79.577, 5e-4);
    EXPECT_NEAR(PhiAreaFromDimensions(2, 400, 79.577), 0.1, 1e-6);
    EXPECT_NEAR(PhiAreaFromDimensions(0, 400, 123), 0.04 * std::numbers::pi, 1e-12);
    EXPECT_EQ(SecondDimensionFromPhiArea(0, 400, 0.1), -1);
    // Axial: b is the hub diameter; round trip, and no hub for an area beyond the circle.
    EXPECT_NEAR(SecondDimensionFromPhiArea(1, 400, PhiAreaFromDimensions(1, 400, 150)), 150, 1e-9);
    EXPECT_EQ(SecondDimensionFromPhiArea(1, 400, 0.2), -1);
    EXPECT_NEAR(SecondDimensionFromPhiArea(4, 500, 0.05), 100, 1e-9);
    EXPECT_EQ(SecondDimensionFromPhiArea(3, 0, 0.05), -1);
}

} // namespace
} // namespace corvane
