#pragma once

// Helpers of the edit dialog tests: the demo data file, bound inputs by field number, typing,
// clicking by object name, acting on a dialog opened modally, and the demo catalogue opened
// for editing with every table's dialog.

#include "../mdb/BrowserTestSupport.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "catalogue/TMdbMotor.h"
#include "catalogue/TMdbTexte.h"
#include "mdb/TRecordDialog.h"
#include "measurements/TMdbMessung.h"
#include "model/TCatalogueStore.h"
#include "settings/TIniFile.h"
#include "ui/catalogue/TCatalogueDialogs.h"
#include "ui/catalogue/TQtDialogControl.h"
#include "ui/catalogue/TRecordEditForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace corvane::test {

// The demo data file of the program folder; empty when the build has not made one.
inline std::string DemoDataFile() {
    const char* folder = std::getenv("CORVANE_PROGRAM_DIR");
    if (folder == nullptr) return {};
    const auto path = std::filesystem::path(folder) / "Corvane.mem";
    return std::filesystem::exists(path) ? path.string() : std::string();
}

inline QWidget* Input(const TRecordDialog& form, int field) {
    const auto* control = dynamic_cast<const TQtDialogControl*>(form.Bound(field));
    return control == nullptr ? nullptr : control->Widget();
}
inline QLineEdit* Edit(const TRecordDialog& form, int field) {
    return qobject_cast<QLineEdit*>(Input(form, field));
}
// Replaces the text of a box as typing does.
inline void Retype(QLineEdit* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    // Key by key; letters beyond ASCII come as the text of a key event, as an input method
    // sends them.
    for (const QChar letter : text) {
        if (letter.unicode() < 128) {
            QTest::keyClick(edit, letter.toLatin1());
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(edit, &press);
        }
    }
}
inline void Retype(const TRecordDialog& form, int field, const QString& text) {
    Retype(Edit(form, field), text);
}
inline void Click(QWidget& form, const char* name) {
    auto* button = form.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

// Runs `act` on the edit dialog shown modally next, then closes it whatever `act` left, so
// that no test waits on it.
inline void WhenEditDialogShows(std::function<void(TRecordEditForm&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* form = qobject_cast<TRecordEditForm*>(QApplication::activeModalWidget());
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<TRecordEditForm*>(widget); form == nullptr && f != nullptr)
                if (f->isVisible()) form = f;
        ASSERT_NE(form, nullptr) << "no edit dialog shown";
        act(*form);
        if (form->isVisible()) form->done(QDialog::Rejected);
    });
}

// The dialogs of the catalogue's tables and the table each edits.
enum class TDialog {
    Impeller,
    Housing,
    Nozzle,
    Type,
    Motor,
    Customer,
    Order,
    Text,
    Picture,
    Series
};

inline TMdb& TableOf(TCatalogue& c, TDialog dialog) {
    TMdb* const tables[] = {&c.Laufrad(), &c.Gehaeuse(), &c.Duese(), &c.LrTyp(), &c.Motor(),
                            &c.Kunde(),   &c.Auftrag(),  &c.Texte(), &c.Bild(),  &c.Messung()};
    return *tables[static_cast<int>(dialog)];
}

// A control by field number or, without one, by object name.
struct TTarget {
    int Field = 0;
    const char* Name = nullptr;
};

inline QWidget* Find(const TRecordEditForm& form, const TTarget& target) {
    if (target.Field > 0) return Input(form, target.Field);
    return target.Name == nullptr ? nullptr
                                  : form.findChild<QWidget*>(QString::fromLatin1(target.Name));
}

// Opens the dialog of `dialog` on record 0 (or a new record) as the browser does and runs
// `act` on it; true when the dialog was confirmed.
inline bool OpenDialog(TCatalogue& catalogue, TDialog dialog, bool isNew,
                       std::function<void(TRecordEditForm&)> act) {
    TMdb& table = TableOf(catalogue, dialog);
    std::int32_t key = isNew ? 0 : table.Key(table.KeyRecord(0));
    WhenEditDialogShows(std::move(act));
    return table.EditRecord(nullptr, key, 0);
}

// The demo catalogue opened for editing from a copy of its data file, with the dialogs
// installed as the session installs them.
class EditableDemo : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string demo = DemoDataFile();
        if (demo.empty()) GTEST_SKIP() << "no demo catalogue in CORVANE_PROGRAM_DIR";
        ASSERT_TRUE(dir_.isValid());
        const std::string copy = dir_.filePath(QStringLiteral("Corvane.mem")).toStdString();
        std::filesystem::copy_file(demo, copy);
        store_.OpenFile(copy, true);
    }

    TScriptedUser user_;
    QTemporaryDir dir_;
    TCatalogue catalogue_;
    TIniFile settings_;
    TCatalogueStore store_{catalogue_};
    TCatalogueDialogs dialogs_{catalogue_, settings_};
};

} // namespace corvane::test
