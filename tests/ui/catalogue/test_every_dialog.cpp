// The reference buttons, "einfügen" and storing of every record dialog and the series
// dialog, each walked through a table: pick and clear, copying from the record edited last,
// the discard question, and a confirmed record read back from a database.

#include "EditFormSupport.h"
#include "SqlTestDatabase.h"
#include "catalogue/TCatalogueDatabase.h"

#include <QTabWidget>
#include <map>
#include <vector>

namespace corvane {
namespace {

using test::Click;
using test::Edit;
using test::OpenDialog;
using test::Retype;
using test::TableOf;
using test::TDialog;
using test::TTarget;
using EveryDialog = test::EditableDemo;
using L = TMdbLaufrad;
using G = TMdbGehaeuse;
using M = TMdbMessung;

// The texts of a dialog's bound boxes by field number.
std::map<int, QString> BoxTexts(const QWidget& form) {
    std::map<int, QString> texts;
    for (const QLineEdit* edit : form.findChildren<QLineEdit*>())
        if (const int field = edit->property(TQtDialogControl::kFieldProperty).toInt(); field > 0)
            texts[field] = edit->text();
    return texts;
}

// Turns to the page of `widget` and lays it out.
void ShowPageOf(TRecordEditForm& form, const QWidget& widget) {
    QTabWidget* pages = form.Pages();
    for (int i = 0; pages != nullptr && i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(&widget)) pages->setCurrentIndex(i);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

// A reference row: the number box, where the picked record's name shows (none: no name box),
// the table the browser offers and the field of it shown (0: the record's title), the pick
// and clear buttons.
struct TReference {
    TDialog Dialog;
    int NumberField;
    TTarget Text;
    TDialog Referenced;
    int ShownField;
    const char* Pick;
    const char* Clear;
};

TEST_F(EveryDialog, PickButtonsTakeTheNextRecordOfTheirBrowserAndClearButtonsEmptyTheReference) {
    using D = TDialog;
    // clang-format off
    const std::vector<TReference> cases = {
        {D::Impeller, L::F_TYPNR, {L::F_TYPBEZ}, D::Type, 0, "LrTypBtn", nullptr},
        {D::Impeller, L::F_BILDNR, {L::F_BILDBEZ}, D::Picture, 0, "BildBtn", "noBildBtn"},
        {D::Impeller, L::F_MESSNR, {}, D::Series, 0, "MessNrBtn", "noMessNrBtn"},
        {D::Impeller, L::F_DUESE, {L::F_EINSTROEMDUESE}, D::Nozzle, 0, "DueseBtn", "noDueseBtn"},
        {D::Housing, G::F_TYPNR, {G::F_TYPBEZ}, D::Type, 0, "LrTypBtn", nullptr},
        {D::Housing, G::F_BILDNR, {G::F_BILDBEZ}, D::Picture, 0, "BildBtn", "noBildBtn"},
        {D::Housing, G::F_MESSNR, {}, D::Series, 0, "MessNrBtn", "noMessNrBtn"},
        {D::Order, TMdbAuftrag::F_KUNDENNR, {TMdbAuftrag::F_KUNDENNAME}, D::Customer, 0,
         "KundeBtn", nullptr},
        // The series shows the customer of the picked order.
        {D::Series, M::F_AUFTRAGSNR, {M::F_KUNDE}, D::Order, TMdbAuftrag::F_KUNDENNAME,
         "AuftragBtn", nullptr},
        {D::Series, M::F_LFRDNR, {0, M::kImpellerName}, D::Impeller, 0, "LaufradBtn", nullptr},
        {D::Series, M::F_GEHSNR, {0, M::kHousingName}, D::Housing, 0, "GehaeuseBtn", nullptr},
        {D::Series, M::F_MOTORNR, {0, M::kMotorName}, D::Motor, 0, "MotorBtn", nullptr},
    };
    // clang-format on
    for (const TReference& c : cases) {
        SCOPED_TRACE(TableOf(catalogue_, c.Dialog).TableName() + " " + c.Pick);
        TMdb& referenced = TableOf(catalogue_, c.Referenced);
        OpenDialog(catalogue_, c.Dialog, false, [&](TRecordEditForm& form) {
            QLineEdit* number = Edit(form, c.NumberField);
            ASSERT_NE(number, nullptr);
            const QString before = number->text();
            std::int32_t picked = 0;
            test::WhenModalBrowserShows([&picked](TMdbForm& browser) {
                QTest::keyClick(test::Grid(browser), Qt::Key_Down);
                picked = browser.CurrentKey();
                browser.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
            });
            Click(form, c.Pick);
            ASSERT_NE(referenced.FindByKey(picked), nullptr);
            EXPECT_NE(QString::number(picked), before);
            EXPECT_EQ(number->text(), QString::number(picked));
            auto* text = qobject_cast<QLineEdit*>(
                c.Text.Field > 0 || c.Text.Name != nullptr ? test::Find(form, c.Text) : nullptr);
            if (text != nullptr) {
                const TMdbRecord* record = referenced.FindByKey(picked);
                EXPECT_EQ(text->text().toStdString(),
                          c.ShownField > 0 ? referenced.GetFieldText(record, c.ShownField)
                                           : referenced.RecordTitle(record));
                // The whole name is seen, not cut off by a narrow box.
                ShowPageOf(form, *text);
                EXPECT_GE(text->width(), text->fontMetrics().horizontalAdvance(text->text()));
            }
            EXPECT_TRUE(form.Changed());
            if (c.Clear == nullptr) return;
            Click(form, c.Clear);
            EXPECT_EQ(number->text(), QStringLiteral("0"));
            if (text != nullptr) {
                EXPECT_EQ(text->text(), QString());
            }
        });
    }
}

// "einfügen" asks, then fills every box as the dialog of the record edited last shows it; the
// series keeps its own number.
TEST_F(EveryDialog, CopyFillsTheBoxesFromTheRecordEditedLast) {
    struct TCopy {
        TDialog Dialog;
        int KeptField;
    };
    for (const TCopy& c : {TCopy{TDialog::Impeller, 0}, TCopy{TDialog::Series, M::F_MESSNR}}) {
        TMdb& table = TableOf(catalogue_, c.Dialog);
        SCOPED_TRACE(table.TableName());
        TMdbRecord* source = table.KeyRecord(1);
        std::map<int, QString> expected =
            BoxTexts(*dialogs_.CreateDialog(table, source, false, nullptr));
        if (c.Dialog == TDialog::Series)
            catalogue_.Messung().SetLastEditedSeries(table.Key(source));
        else
            catalogue_.Laufrad().SetLastEditedKey(table.Key(source));
        OpenDialog(catalogue_, c.Dialog, false, [&](TRecordEditForm& form) {
            const std::map<int, QString> own = BoxTexts(form);
            ASSERT_NE(own, expected);
            user_.answer = false;
            Click(form, "InsBtn");
            EXPECT_EQ(user_.questions.size(), 1u);
            EXPECT_EQ(BoxTexts(form), own);
            user_.answer = true;
            Click(form, "InsBtn");
            if (c.KeptField > 0) expected[c.KeptField] = own.at(c.KeptField);
            EXPECT_EQ(BoxTexts(form), expected);
            EXPECT_TRUE(form.Changed());
        });
        user_.questions.clear();
    }
}

using test::TSqlTestDatabase;
using TBackend = TSqlTestDatabase::TBackend;

// The demo catalogue in a database of the test's own, opened for editing from there.
class DialogStore : public ::testing::TestWithParam<TBackend> {
protected:
    void SetUp() override {
        const std::string why = TSqlTestDatabase::Unavailable(GetParam());
        if (!why.empty()) GTEST_SKIP() << why;
        const std::string demo = test::DemoDataFile();
        if (demo.empty()) GTEST_SKIP() << "no demo catalogue in CORVANE_PROGRAM_DIR";
        database_ = std::make_unique<TSqlTestDatabase>(GetParam());
        {
            TCatalogue source;
            source.Open(demo);
            TCatalogueDatabase(source, *database_->Connect()).Export();
        }
        query_ = database_->Connect();
        store_.OpenDatabase(*query_, true);
    }

    test::TScriptedUser user_;
    std::unique_ptr<TSqlTestDatabase> database_;
    std::unique_ptr<TQtSqlQuery> query_;
    TCatalogue catalogue_;
    TIniFile settings_;
    TCatalogueStore store_{catalogue_};
    TCatalogueDialogs dialogs_{catalogue_, settings_};
};

// Each dialog: a changed dialog asks before it goes (no: it stays, yes: the record is as it
// was); confirmed, the change is in the database, read back by another catalogue.
TEST_P(DialogStore, EveryDialogAsksBeforeDiscardingAndItsRecordIsReadBackFromTheDatabase) {
    struct TChange {
        TDialog Dialog;
        int Field;
        const char* Value;
    };
    using D = TDialog;
    const std::vector<TChange> changes = {
        {D::Impeller, L::F_HERSTELLER, "Prüfstand Süd"},
        {D::Housing, G::F_HERSTELLER, "Gehäusebau"},
        {D::Nozzle, TMdbDuese::F_BLATTNR, "B-7"},
        {D::Type, TMdbLrTyp::F_TYPBEZ, "Typ neu"},
        {D::Motor, TMdbMotor::F_HERSTELLER, "Motorenwerk"},
        {D::Customer, TMdbKunde::F_ORT, "Neustadt"},
        {D::Order, TMdbAuftrag::F_BEARBEITER, "Meier"},
        {D::Text, TMdbTexte::F_TEXTINHALT, "Neuer Text"},
        {D::Picture, TMdbBild::F_BILDBEZ, "Neues Bild"},
        {D::Series, M::F_BEARBEITER, "Pf"},
    };
    std::vector<std::int32_t> keys;
    for (const TChange& c : changes) {
        TMdb& table = TableOf(catalogue_, c.Dialog);
        SCOPED_TRACE(table.TableName());
        const TMdbRecord* record = table.KeyRecord(0);
        keys.push_back(table.Key(record));
        const std::string before = table.GetFieldText(record, c.Field);
        user_.questions.clear();
        const bool discarded = OpenDialog(catalogue_, c.Dialog, false, [&](TRecordEditForm& form) {
            Retype(form, c.Field, QString::fromUtf8(c.Value));
            user_.answer = false;
            Click(form, "CancelBtn");
            EXPECT_TRUE(form.isVisible());
            EXPECT_FALSE(form.close());
            user_.answer = true;
            Click(form, "CancelBtn");
            EXPECT_FALSE(form.isVisible());
        });
        EXPECT_FALSE(discarded);
        EXPECT_EQ(user_.questions, std::vector<std::string>(3, TRecordEditForm::kDiscardQuestion));
        EXPECT_EQ(table.GetFieldText(record, c.Field), before);

        const bool stored = OpenDialog(catalogue_, c.Dialog, false, [&](TRecordEditForm& form) {
            Retype(form, c.Field, QString::fromUtf8(c.Value));
            Click(form, "OkBtn");
        });
        EXPECT_TRUE(stored);
        EXPECT_TRUE(user_.messages.empty()) << user_.messages.front();
    }
    EXPECT_FALSE(store_.HasUnsavedChanges());
    TCatalogue reread;
    TCatalogueDatabase(reread, *database_->Connect()).Import();
    for (std::size_t i = 0; i < changes.size(); ++i) {
        TMdb& table = TableOf(reread, changes[i].Dialog);
        const TMdbRecord* record = table.FindByKey(keys[i]);
        ASSERT_NE(record, nullptr) << table.TableName();
        EXPECT_EQ(table.GetFieldText(record, changes[i].Field), changes[i].Value)
            << table.TableName();
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, DialogStore,
                         ::testing::Values(TBackend::Sqlite, TBackend::Postgres),
                         [](const auto& backend) {
                             return std::string(test::BackendName(backend.param));
                         });

} // namespace
} // namespace corvane
