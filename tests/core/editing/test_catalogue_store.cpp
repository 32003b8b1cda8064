// The catalogue store on a copy of the demo catalogue: modes, saving the data file with its
// backup, a failed save, the unsaved-changes question and the dependents of a change.

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMessage.h"
#include "mdb/TRecordEditor.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/TCatalogueStore.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace corvane {
namespace {

using L = TMdbLaufrad;

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Changes the info text of the record it is shown; answers the questions as told.
struct TScriptedUser : TRecordEditor, TConfirmation, TMessage {
    TScriptedUser() {
        TRecordEditor::Install(this);
        TConfirmation::Install(this);
        TMessage::Install(this);
    }
    ~TScriptedUser() override {
        TRecordEditor::Install(nullptr);
        TConfirmation::Install(nullptr);
        TMessage::Install(nullptr);
    }
    bool ShowEditDialog(TMdb& table, TMdbRecord* record, bool, TMdbBrowser*) override {
        table.SetText(record, L::F_INFOTEXT, "geändert");
        return true;
    }
    bool Confirm(const std::string&) override { return true; }
    TAnswer Choose(const std::string& question, bool) override {
        questions.push_back(question);
        return answer;
    }
    void Show(const std::string& text) override { messages.push_back(text); }
    TAnswer answer = TAnswer::Cancel;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
};

class CatalogueStore : public ::testing::Test {
protected:
    void SetUp() override {
        const char* folder = std::getenv("CORVANE_PROGRAM_DIR");
        if (folder == nullptr || !fs::exists(fs::path(folder) / "Corvane.mem"))
            GTEST_SKIP() << "no demo catalogue";
        dir_ = fs::temp_directory_path() / ("corvane-store-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        file_ = dir_ / "Corvane.mem";
        fs::copy_file(fs::path(folder) / "Corvane.mem", file_,
                      fs::copy_options::overwrite_existing);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    // Edits the first impeller through its dialog; its number.
    std::int32_t EditFirstImpeller() {
        std::int32_t key = catalogue_.Laufrad().Key(catalogue_.Laufrad().KeyRecord(0));
        EXPECT_TRUE(catalogue_.Laufrad().EditRecord(nullptr, key, 0));
        return key;
    }
    fs::path dir_;
    fs::path file_;
    TCatalogue catalogue_;
    TScriptedUser user_;
};

TEST_F(CatalogueStore, ReadOnlyModeNeverMarksChanges) {
    TCatalogueStore store(catalogue_);
    store.OpenFile(file_.string(), false);
    EXPECT_FALSE(store.Editable());
    EXPECT_TRUE(catalogue_.Laufrad().ReadOnly());
    EditFirstImpeller();
    EXPECT_FALSE(store.HasUnsavedChanges());
    EXPECT_THROW(store.SaveDataFile(), EMdbError);
    EXPECT_FALSE(fs::exists(TCatalogueStore::BackupPath(file_.string())));
}

TEST_F(CatalogueStore, SavingKeepsTheOldFileAsBackupAndTheChangeSurvivesAReopen) {
    const std::string before = Bytes(file_);
    TCatalogueStore store(catalogue_);
    store.OpenFile(file_.string(), true);
    std::vector<TCatalogueChange> heard;
    store.Subscribe([&](const TCatalogueChange& c) { heard.push_back(c); });
    const std::int32_t key = EditFirstImpeller();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].Key, key);
    EXPECT_TRUE(store.HasUnsavedChanges());
    EXPECT_EQ(Bytes(file_), before); // nothing written before "Datei speichern"

    store.SaveDataFile();
    EXPECT_FALSE(store.HasUnsavedChanges());
    EXPECT_EQ(Bytes(TCatalogueStore::BackupPath(file_.string())), before);
    TCatalogue reopened;
    reopened.Open(file_.string());
    EXPECT_EQ(reopened.Laufrad().GetText(reopened.Laufrad().FindByKey(key), L::F_INFOTEXT),
              "geändert");
}

TEST_F(CatalogueStore, FailedSaveLeavesTheDataFileAndTheChanges) {
    const std::string before = Bytes(file_);
    TCatalogueStore store(catalogue_);
    store.OpenFile(file_.string(), true);
    EditFirstImpeller();
    catalogue_.SetTitle(std::string(1200, 'x')); // too long for the data file
    EXPECT_THROW(store.SaveDataFile(), EMdbError);
    EXPECT_EQ(Bytes(file_), before);
    EXPECT_TRUE(store.HasUnsavedChanges());
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_TRUE(entry.path().filename() == "Corvane.mem" ||
                    entry.path().filename() == "Corvane.mem.bak")
            << entry.path();
}

TEST_F(CatalogueStore, UnsavedChangesAreAskedAboutBeforeClosing) {
    TCatalogueStore store(catalogue_);
    store.OpenFile(file_.string(), true);
    EXPECT_TRUE(store.MayClose());
    EXPECT_TRUE(user_.questions.empty());
    EditFirstImpeller();
    user_.answer = TConfirmation::TAnswer::Cancel;
    EXPECT_FALSE(store.MayClose());
    EXPECT_EQ(user_.questions.back(), TCatalogueStore::kUnsavedQuestion);
    user_.answer = TConfirmation::TAnswer::No;
    EXPECT_TRUE(store.MayClose());
    EXPECT_TRUE(store.HasUnsavedChanges());

    // Yes saves; a save that fails keeps the program open with the reason shown.
    user_.answer = TConfirmation::TAnswer::Yes;
    catalogue_.SetTitle(std::string(1200, 'x'));
    EXPECT_FALSE(store.MayClose());
    ASSERT_EQ(user_.messages.size(), 1u);
    catalogue_.SetTitle("Titel");
    EXPECT_TRUE(store.MayClose());
    EXPECT_FALSE(store.HasUnsavedChanges());
}

// Points the measured-values editor keeps are no record change the tables report: told of
// them, the store asks before closing and the save writes them.
TEST_F(CatalogueStore, KeptPointsAreUnsavedUntilTheDataFileIsSaved) {
    TCatalogueStore store(catalogue_);
    store.OpenFile(file_.string(), true);
    std::vector<TCatalogueChange> heard;
    store.Subscribe([&](const TCatalogueChange& c) { heard.push_back(c); });
    TMdbMessung& series = catalogue_.Messung();
    const std::int32_t seriesNo = series.Key(series.KeyRecord(0));
    TMdbMw& mw = catalogue_.Mw();
    ASSERT_TRUE(mw.LoadSeries(seriesNo, -1, -1, -1));
    const int before = mw.RecordCount();
    const std::int32_t pointNo = mw.NextKey();
    TMdbRecord* point = mw.NewRecord();
    mw.SetInt(point, TMdbMw::F_MWNR, pointNo);
    mw.AddToIndex(point);
    catalogue_.KeepSeriesPoints(mw);
    EXPECT_FALSE(store.HasUnsavedChanges()); // the tables report no change of their own

    store.PointsChanged(seriesNo);
    EXPECT_TRUE(store.HasUnsavedChanges());
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].Table, &series);
    EXPECT_EQ(heard[0].Key, seriesNo);
    user_.answer = TConfirmation::TAnswer::Cancel;
    EXPECT_FALSE(store.MayClose());

    store.SaveDataFile();
    EXPECT_FALSE(store.HasUnsavedChanges());
    TCatalogue reopened;
    reopened.Open(file_.string());
    ASSERT_TRUE(reopened.Mw().LoadSeries(seriesNo, -1, -1, -1));
    EXPECT_EQ(reopened.Mw().RecordCount(), before + 1);
    EXPECT_NE(reopened.Mw().FindByKey(pointNo), nullptr);
}

TEST_F(CatalogueStore, ChangedImpellerGetsItsCalibrationBack) {
    TCatalogueStore store(catalogue_);
    store.OpenFile(file_.string(), true);
    L& impellers = catalogue_.Laufrad();
    TMdbRecord* calibrated = nullptr;
    for (int i = 0; i < impellers.KeyIndexCount() && calibrated == nullptr; ++i)
        if (impellers.GetFloat(impellers.KeyRecord(i), L::F_CALVMAX) > 0)
            calibrated = impellers.KeyRecord(i);
    ASSERT_NE(calibrated, nullptr);
    const float vmax = impellers.GetFloat(calibrated, L::F_CALVMAX);
    impellers.SetFloat(calibrated, L::F_CALVMAX, 0);
    std::int32_t key = impellers.Key(calibrated);
    ASSERT_TRUE(impellers.EditRecord(nullptr, key, 0));
    EXPECT_FLOAT_EQ(impellers.GetFloat(calibrated, L::F_CALVMAX), vmax);
}

} // namespace
} // namespace corvane
