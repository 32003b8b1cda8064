// The table browser on a small writable table: the picker, the clipboard, inserting, editing
// and deleting through the table's own operations, and the model's consistency meanwhile.
#include "../../core/mdb/MdbTestTable.h"
#include "BrowserTestSupport.h"
#include "mdb/EMdbError.h"
#include "settings/TIniFile.h"
#include "ui/mdb/TMdbTableModel.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::Action;
using test::Grid;
using test::SelectedRow;

// A table whose "dialog" adds a record (insert) or renames one (edit), and whose delete
// guard refuses one record and asks before the others.
class TEditableTable : public test::TTestTable {
public:
    TEditableTable() {
        for (int f : {fFlow, fDate, fCode, fCalc})
            MutableField(f).ColWidth = 0; // shows number and name only
        for (int nr = 1; nr <= 5; ++nr)
            Add(nr, 0, "Rad " + std::to_string(nr));
        RebuildIndex(false);
        SetReadOnly(false);
    }
    bool EditRecord(TMdbBrowser* /*owner*/, std::int32_t& key, int flag) override {
        flags.push_back(flag);
        if (!acceptEdits) return false;
        if (key <= 0) {
            key = NextKey();
            Add(key, 0, "neu");
            return true;
        }
        SetText(FindByKey(key), fName, "bearbeitet");
        return true;
    }
    void DeleteRecord(TMdbRecord* record) override {
        if (Key(record) == refused) throw EMdbError("Dieser Datensatz wird noch verwendet!");
        if (!TConfirmation::Ask("Datensatz löschen ?")) return;
        TMdb::DeleteRecord(record);
    }
    bool acceptEdits = true;
    int refused = -1;
    std::vector<int> flags;
};

class MdbFormRecords : public ::testing::Test {
protected:
    QString CellOfRow(const TMdbForm& form, int row, int column) const {
        return Grid(form)->model()->index(row, column).data().toString();
    }
    test::TScriptedUser user_;
    TEditableTable table_;
    TIniFile settings_;
};

TEST_F(MdbFormRecords, BrowsePicksARecordWithOkOnly) {
    std::int32_t key = 3;
    test::WhenModalBrowserShows([](TMdbForm& form) {
        QTest::keyClick(Grid(form), Qt::Key_Down);
        form.findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
    });
    EXPECT_TRUE(TMdbForm::Browse(nullptr, table_, key, settings_));
    EXPECT_EQ(key, 4);

    test::WhenModalBrowserShows([](TMdbForm& form) {
        QTest::keyClick(Grid(form), Qt::Key_Down);
        form.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    EXPECT_FALSE(TMdbForm::Browse(nullptr, table_, key, settings_));
    EXPECT_EQ(key, 4);

    key = 99; // not in the table: the first record is offered
    test::WhenModalBrowserShows([](TMdbForm& form) { form.accept(); });
    EXPECT_TRUE(TMdbForm::Browse(nullptr, table_, key, settings_));
    EXPECT_EQ(key, 1);

    test::TTestTable empty;
    key = 5;
    test::WhenModalBrowserShows([](TMdbForm& form) {
        EXPECT_EQ(Grid(form)->model()->rowCount(), 1) << "one empty row";
        form.accept();
    });
    EXPECT_TRUE(TMdbForm::Browse(nullptr, empty, key, settings_));
    EXPECT_EQ(key, -1);
}

TEST_F(MdbFormRecords, CopyPutsTheGridOnTheClipboard) {
    while (table_.KeyIndexCount() > 1)
        table_.FreeRecord(table_.KeyRecord(0), true);
    TMdbForm form(table_, 0, settings_);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QString expected =
        QStringLiteral("TESTTAB\r\nNr.\tName\r\n\t\r\n   \t   \r\n5\tRad 5\r\n");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(Grid(form), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(Grid(form), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

TEST_F(MdbFormRecords, InsertEditAndDeleteGoThroughTheTable) {
    test::TModelComplaints complaints;
    TMdbForm form(table_, 5, settings_);
    QAbstractItemModelTester tester(Grid(form)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    form.show();
    for (const char* name : {"InsertMen", "EditMen", "DeleteMen"})
        EXPECT_TRUE(Action(form, name)->isVisible()) << name;

    Action(form, "InsertMen")->trigger();
    EXPECT_EQ(form.CurrentKey(), 6);
    EXPECT_EQ(CellOfRow(form, SelectedRow(form), 1), QStringLiteral("neu"));

    form.SortBy(0); // descending: 6 5 4 3 2 1
    Action(form, "EditMen")->trigger();
    EXPECT_EQ(table_.flags, (std::vector<int>{0, 0}));
    EXPECT_EQ(CellOfRow(form, 0, 1), QStringLiteral("bearbeitet"));

    user_.answer = false;
    Action(form, "DeleteMen")->trigger();
    EXPECT_EQ(user_.questions.size(), 1u);
    EXPECT_NE(table_.FindByKey(6), nullptr) << "a declined question deletes nothing";
    user_.answer = true;
    Action(form, "DeleteMen")->trigger();
    EXPECT_EQ(table_.FindByKey(6), nullptr);
    EXPECT_EQ(form.CurrentKey(), 5) << "the next record of the view";

    // Right click on the last row: it becomes current and the record menu opens.
    QTableView* grid = Grid(form);
    const QRect lastRow = grid->visualRect(grid->model()->index(4, 0));
    QContextMenuEvent click(QContextMenuEvent::Mouse, lastRow.center(),
                            grid->viewport()->mapToGlobal(lastRow.center()));
    QCoreApplication::sendEvent(grid->viewport(), &click);
    EXPECT_EQ(form.CurrentKey(), 1);
    auto* pop = form.findChild<QMenu*>(QStringLiteral("EditPop"));
    EXPECT_TRUE(pop->isVisible());
    pop->hide();
    Action(form, "DeleteMen")->trigger();
    EXPECT_EQ(form.CurrentKey(), 2) << "the last record of the view: the one before it";

    table_.refused = 2;
    Action(form, "DeleteMen")->trigger();
    EXPECT_EQ(user_.messages, std::vector<std::string>{"Dieser Datensatz wird noch verwendet!"});
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(form.CurrentKey(), 2);

    table_.acceptEdits = false;
    Action(form, "InsertMen")->trigger();
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(form.CurrentKey(), 2);
    EXPECT_EQ(complaints.Texts(), std::vector<std::string>{});
}

TEST_F(MdbFormRecords, ReadOnlyTablesOfferNoEditing) {
    table_.SetReadOnly(true);
    TMdbForm form(table_, 0, settings_);
    for (const char* name : {"InsertMen", "EditMen", "DeleteMen", "MeasureMen", "EditPointsMen"})
        EXPECT_FALSE(Action(form, name)->isVisible()) << name;
    EXPECT_TRUE(Action(form, "CopyMen")->isVisible());
}

} // namespace
} // namespace corvane
