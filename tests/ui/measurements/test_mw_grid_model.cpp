// The editor's grid model: consistent for the model tester through every kind of change,
// captions as the vertical header, editable only while editing.

#include "../../core/acquisition/EditorTestRig.h"
#include "ui/measurements/TMwGridModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace corvane {
namespace {

using F = TMdbMw;

class MwGridModel : public test::EditorTestRig {};

TEST_F(MwGridModel, StaysConsistentThroughEditsAndMeasuring) {
    MakeEditor();
    TMwGridModel model(*editor);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), editor->Grid().RowCount());
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(2, Qt::Vertical, Qt::DisplayRole).toString(),
              QStringLiteral("Raumtemperatur[°C]"));
    EXPECT_EQ(model.headerData(6, Qt::Vertical, Qt::DisplayRole).toString(),
              QStringLiteral("Messkammerdruck-Diff.[Pa]"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("2"));
    EXPECT_EQ(model.data(model.index(6, 1), Qt::DisplayRole).toString(), QStringLiteral("200"));
    EXPECT_FALSE(model.flags(model.index(6, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(6, 0), QStringLiteral("5"), Qt::EditRole));

    editor->SetMode(TMwEditor::Editing);
    EXPECT_TRUE(model.flags(model.index(6, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable); // the series number
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(model.setData(model.index(6, 0), QStringLiteral("321"), Qt::EditRole));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(mw.GetFloat(editor->Grid().Point(1), F::F_PK), 321.0f);

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    editor->AddColumn();
    model.Refresh();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.columnCount(), 3);
    model.Refresh(); // nothing new about the columns: only values
    EXPECT_EQ(reset.count(), 1);
    editor->SetMode(TMwEditor::Idle); // the empty column goes
    model.Refresh();
    EXPECT_EQ(model.columnCount(), 2);

    editor->SetMode(TMwEditor::Starting);
    model.Refresh();
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_TRUE(model.data(model.index(0, 2), Qt::BackgroundRole).isValid()); // open point
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::BackgroundRole).isValid());
    StartMeasuring();
    Deliver(3, true);
    model.Refresh();
    EXPECT_EQ(model.columnCount(), 4);
    editor->SetMode(TMwEditor::Idle);
    model.Refresh();
    EXPECT_EQ(model.columnCount(), 3);
}

} // namespace
} // namespace corvane
