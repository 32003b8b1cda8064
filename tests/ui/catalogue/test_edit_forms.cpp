#include "../mdb/BrowserTestSupport.h"
#include "EditFormSupport.h"
#include "catalogue/TCatalogueDatabase.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "model/TCatalogueStore.h"
#include "settings/TIniFile.h"
#include "sql/TDatabaseUrl.h"
#include "sql/TQtSqlQuery.h"
#include "ui/catalogue/TCatalogueSession.h"
#include "ui/catalogue/TGehaeuseEditForm.h"
#include "ui/catalogue/TLaufradEditForm.h"
#include "ui/catalogue/TQtDialogControl.h"
#include "ui/mdb/TMasterDataMenu.h"

#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using L = TMdbLaufrad;
using G = TMdbGehaeuse;
using test::Click;
using test::Edit;
using test::Input;
using test::Retype;

// The demo catalogue copied into a folder of the test's own, opened through a session as the
// program opens it.
class EditForms : public ::testing::Test {
protected:
    void SetUp() override {
        demo_ = test::DemoDataFile();
        if (demo_.empty()) GTEST_SKIP() << "no demo catalogue in CORVANE_PROGRAM_DIR";
        ASSERT_TRUE(dir_.isValid());
        dataFile_ = dir_.filePath(QStringLiteral("Corvane.mem")).toStdString();
        std::filesystem::copy_file(demo_, dataFile_);
    }

    void Open(TCatalogueOptions options) {
        options.Edit = true;
        session_ = std::make_unique<TCatalogueSession>(catalogue_, settings_);
        session_->Open(options);
    }
    void OpenFile() {
        TCatalogueOptions options;
        options.DataFile = dataFile_;
        Open(options);
    }

    test::TScriptedUser user_; // before the session: its message boxes stay out of the way
    std::string demo_;
    QTemporaryDir dir_;
    std::string dataFile_;
    TCatalogue catalogue_;
    TIniFile settings_;
    std::unique_ptr<TCatalogueSession> session_;
};

TEST(CatalogueOptions, EditDatabaseAndDataFileFromTheCommandLine) {
    const auto options = TCatalogueOptions::FromArguments(
        {QStringLiteral("corvane"), QStringLiteral("--lang"), QStringLiteral("--edit"),
         QStringLiteral("--db=sqlite:/tmp/k.db"), QStringLiteral("--data"), QStringLiteral("x")});
    EXPECT_TRUE(options.Edit);
    EXPECT_EQ(options.DatabaseUrl, "sqlite:/tmp/k.db");
    EXPECT_EQ(options.DataFile, "x");
    EXPECT_EQ(options.Error, "");
    EXPECT_FALSE(TCatalogueOptions::FromArguments({QStringLiteral("corvane")}).Edit);
    EXPECT_EQ(
        TCatalogueOptions::FromArguments({QStringLiteral("corvane"), QStringLiteral("--db")}).Error,
        "--db braucht einen Wert");
}

TEST_F(EditForms, RefusalShowsItsMessageAndFocusesTheControlOnItsPage) {
    OpenFile();
    TMdbLaufrad& impellers = catalogue_.Laufrad();
    TMdbRecord* record = impellers.KeyRecord(0);
    TLaufradEditForm form(catalogue_, record, false, settings_, nullptr);
    form.show();
    EXPECT_EQ(form.Pages()->currentIndex(), 0);
    const std::string before = impellers.GetFieldText(record, L::F_MINDREHZ);
    Retype(form, L::F_MINDREHZ, QStringLiteral("-1"));
    EXPECT_TRUE(form.Changed());
    Click(form, "OkBtn");
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(user_.messages[0], "min. Drehzahl muss zwischen 0 und 2147483648 liegen!");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Pages()->tabText(form.Pages()->currentIndex()), QStringLiteral("techn. Daten"));
    EXPECT_EQ(form.focusWidget(), Input(form, L::F_MINDREHZ));
    EXPECT_EQ(impellers.GetFieldText(record, L::F_MINDREHZ), before);
}

TEST_F(EditForms, LeavingAChangedDialogAsksFirst) {
    OpenFile();
    TMdbRecord* record = catalogue_.Laufrad().KeyRecord(0);
    TLaufradEditForm form(catalogue_, record, false, settings_, nullptr);
    form.show();
    Click(form, "CancelBtn"); // unchanged: no question
    EXPECT_TRUE(user_.questions.empty());
    EXPECT_FALSE(form.isVisible());

    form.show();
    Retype(form, L::F_HERSTELLER, QStringLiteral("Neu"));
    user_.answer = false;
    Click(form, "CancelBtn");
    ASSERT_EQ(user_.questions.size(), 1u);
    EXPECT_EQ(user_.questions[0], TRecordEditForm::kDiscardQuestion);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.close()); // the window's close box asks as well
    EXPECT_EQ(user_.questions.size(), 2u);
    user_.answer = true;
    Click(form, "CancelBtn");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_NE(catalogue_.Laufrad().GetFieldText(record, L::F_HERSTELLER), "Neu");
    EXPECT_FALSE(session_->Store().HasUnsavedChanges());
}

TEST_F(EditForms, HousingPicksClearsAndCopiesItsImpeller) {
    OpenFile();
    TMdbGehaeuse& housings = catalogue_.Gehaeuse();
    TMdbLaufrad& impellers = catalogue_.Laufrad();
    TMdbRecord* record = housings.KeyRecord(0);
    TGehaeuseEditForm form(catalogue_, record, false, settings_, nullptr);
    form.show();
    std::int32_t picked = 0;
    test::WhenModalBrowserShows([&picked](TMdbForm& browser) {
        QTest::keyClick(test::Grid(browser), Qt::Key_Down);
        picked = browser.CurrentKey();
        browser.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    });
    Click(form, "LaufradBtn");
    ASSERT_NE(picked, 0);
    EXPECT_EQ(Edit(form, G::F_LAUFRADNR)->text(), QString::number(picked));
    EXPECT_EQ(Edit(form, G::F_LAUFRADBEZ)->text(),
              QString::fromStdString(
                  impellers.GetFieldText(impellers.FindByKey(picked), L::F_LAUFRADBEZ)));
    EXPECT_TRUE(form.Changed());
    Click(form, "noLaufradBtn");
    EXPECT_EQ(Edit(form, G::F_LAUFRADNR)->text(), QStringLiteral("0"));
    EXPECT_EQ(Edit(form, G::F_LAUFRADBEZ)->text(), QString());

    // "einfügen" copies the housing edited last, after asking.
    TMdbRecord* source = housings.KeyRecord(1);
    housings.SetLastEditedKey(housings.Key(source));
    user_.answer = false;
    Click(form, "InsBtn");
    ASSERT_EQ(user_.questions.size(), 1u);
    EXPECT_EQ(user_.questions[0].rfind("alle Daten mit dem Gehäuse Nr. ", 0), 0u);
    EXPECT_NE(Edit(form, G::F_GEHSBEZ)->text().toStdString(),
              housings.GetFieldText(source, G::F_GEHSBEZ));
    user_.answer = true;
    Click(form, "InsBtn");
    EXPECT_EQ(Edit(form, G::F_GEHSBEZ)->text().toStdString(),
              housings.GetFieldText(source, G::F_GEHSBEZ));
    user_.answer = true;
    form.reject();
}

// Database mode: a confirmed dialog is in the database at once; a refused write keeps the
// dialog open with the typed text and the record as it was.
TEST_F(EditForms, DatabaseModeStoresAtOnceAndKeepsTheInputWhenTheWriteFails) {
    const std::string url = "sqlite:" + dir_.filePath(QStringLiteral("k.db")).toStdString();
    {
        TCatalogue source;
        source.Open(demo_);
        TQtSqlQuery query(TDatabaseUrl::Parse(url));
        TCatalogueDatabase(source, query).Export();
    }
    TCatalogueOptions options;
    options.DatabaseUrl = url;
    Open(options);
    ASSERT_EQ(session_->Store().Mode(), TCatalogueStore::TMode::Database);
    TMdbLaufrad& impellers = catalogue_.Laufrad();
    TMdbRecord* record = impellers.KeyRecord(0);
    const std::int32_t key = impellers.Key(record);
    {
        TLaufradEditForm form(catalogue_, record, false, settings_, nullptr);
        form.show();
        Retype(form, L::F_HERSTELLER, QStringLiteral("Pruefstand"));
        Click(form, "OkBtn");
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_TRUE(user_.messages.empty());
    }
    {
        TCatalogue reread;
        TQtSqlQuery query(TDatabaseUrl::Parse(url));
        TCatalogueDatabase(reread, query).Import();
        EXPECT_EQ(reread.Laufrad().GetFieldText(reread.Laufrad().FindByKey(key), L::F_HERSTELLER),
                  "Pruefstand");
        query.Prepare("CREATE TRIGGER refuse BEFORE UPDATE ON " + impellers.TableName() +
                      " BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
        query.Execute();
    }
    TLaufradEditForm form(catalogue_, record, false, settings_, nullptr);
    form.show();
    Retype(form, L::F_HERSTELLER, QStringLiteral("Zweiter"));
    Click(form, "OkBtn");
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_NE(user_.messages[0].find("gesperrt"), std::string::npos) << user_.messages[0];
    EXPECT_EQ(Edit(form, L::F_HERSTELLER)->text(), QStringLiteral("Zweiter"));
    EXPECT_TRUE(form.Changed());
    EXPECT_EQ(impellers.GetFieldText(record, L::F_HERSTELLER), "Pruefstand");
    form.reject();
}

// File mode: "Datei speichern" writes the change and keeps the previous file; a failed save
// names its cause and leaves the data file as it was.
TEST_F(EditForms, SaveItemWritesTheDataFileAndKeepsThePreviousOne) {
    OpenFile();
    QMenuBar bar;
    TMasterDataMenu menu(bar, catalogue_, settings_, nullptr);
    menu.AttachStore(session_->Store());
    QAction* save = menu.Item("SpeichernMen");
    ASSERT_NE(save, nullptr);
    EXPECT_TRUE(save->isVisible());
    EXPECT_EQ(save->text(), QStringLiteral("Datei s&peichern"));

    TMdbLaufrad& impellers = catalogue_.Laufrad();
    TMdbRecord* record = impellers.KeyRecord(0);
    const std::int32_t key = impellers.Key(record);
    // Through the table as the browser edits: the installed dialog opens modally.
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<TRecordEditForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        Retype(*form, L::F_HERSTELLER, QStringLiteral("Gesichert"));
        Click(*form, "OkBtn");
    });
    std::int32_t edited = key;
    ASSERT_TRUE(impellers.EditRecord(nullptr, edited, 0));
    EXPECT_TRUE(session_->Store().HasUnsavedChanges());

    const auto demoSize = std::filesystem::file_size(dataFile_);
    const std::string title = catalogue_.Title();
    catalogue_.SetTitle(std::string(1200, 'x')); // too long for the data file
    save->trigger();
    ASSERT_EQ(user_.messages.size(), 1u);
    EXPECT_EQ(std::filesystem::file_size(dataFile_), demoSize);
    EXPECT_TRUE(session_->Store().HasUnsavedChanges());
    catalogue_.SetTitle(title);

    save->trigger();
    EXPECT_FALSE(session_->Store().HasUnsavedChanges());
    EXPECT_EQ(std::filesystem::file_size(TCatalogueStore::BackupPath(dataFile_)), demoSize);
    TCatalogue reread;
    reread.Open(dataFile_);
    EXPECT_EQ(reread.Laufrad().GetFieldText(reread.Laufrad().FindByKey(key), L::F_HERSTELLER),
              "Gesichert");

    // Read-only, the item is not offered.
    TCatalogue readOnly;
    TCatalogueSession plain(readOnly, settings_);
    TCatalogueOptions options;
    options.DataFile = dataFile_;
    plain.Open(options);
    menu.AttachStore(plain.Store());
    EXPECT_FALSE(save->isVisible());
}

} // namespace
} // namespace corvane
