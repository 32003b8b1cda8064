// The measured-values editor editing: the grid, cell edits, validation with its messages,
// saving (empty columns removed), the discard question and the series record.

#include "EditorTestRig.h"
#include "i18n/Language.h"
#include "mdb/EMdbError.h"

namespace corvane {
namespace {

using F = TMdbMw;

class MwEditorEditing : public test::EditorTestRig {
protected:
    int Row(int field) const {
        for (int row = 0; row < editor->Grid().RowCount(); ++row)
            if (editor->Grid().RowField(row) == field) return row;
        return -1;
    }
    std::string Refusal() {
        try {
            editor->SetMode(TMwEditor::Idle);
        } catch (const EMdbError& e) {
            return e.what();
        }
        return {};
    }
};

TEST_F(MwEditorEditing, GridShowsEveryReadingByPointNumber) {
    // Saved out of order: the columns follow the point numbers.
    mw.SetInt(mw.FindByKey(1), F::F_MWNR, 5);
    mw.RebuildIndex(false);
    MakeEditor();
    const TMwGrid& grid = editor->Grid();
    EXPECT_EQ(grid.RowCount(), 2 + 86 + 3 * F::kFamilySize);
    EXPECT_EQ(grid.RowField(0), F::F_MESSNR);
    EXPECT_EQ(grid.RowField(2), F::F_RT);
    EXPECT_EQ(grid.RowField(grid.RowCount() - 1), F::F_LP3 + F::kFamilySize - 1);
    EXPECT_EQ(grid.ColumnCount(), 3);
    EXPECT_EQ(grid.CellText(Row(F::F_MWNR), 1), "2");
    EXPECT_EQ(grid.CellText(Row(F::F_MWNR), 2), "5");
    EXPECT_EQ(grid.CellText(Row(F::F_PK), 1), "200");
    EXPECT_EQ(grid.CellText(Row(F::F_RT), 1), ""); // missing
    EXPECT_EQ(grid.CellText(Row(F::F_SCHALLMESSG), 1), "0");

    SetTextLanguage(0);
    EXPECT_EQ(grid.CellText(Row(F::F_RT), 0), "Raumtemperatur[°C]");
    EXPECT_EQ(grid.CellText(Row(F::F_SCHALLMESSG), 0), "Schall-Messgerät");
    EXPECT_EQ(editor->Caption(), "Messwerte aus Messreihe 7 bearbeiten");

    const std::string text = editor->ClipboardText();
    EXPECT_EQ(text.substr(0, text.find("\r\n")), editor->Caption());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + grid.RowCount());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 2 * grid.RowCount());
    EXPECT_NE(text.find("\r\nMesspunkt-Nr.\t2\t5\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\ncos(φ) L1\t"), std::string::npos);
    EXPECT_EQ(text.find("´"), std::string::npos);
}

TEST_F(MwEditorEditing, EditingStoresTypedValues) {
    MakeEditor();
    EXPECT_FALSE(editor->SetCellText(Row(F::F_PK), 1, "1")); // only in mode 4
    editor->SetMode(TMwEditor::Editing);
    EXPECT_TRUE(editor->SetCellText(Row(F::F_PK), 1, "250,5"));
    EXPECT_TRUE(editor->SetCellText(Row(F::F_SCHALLMESSG), 1, "203,6"));
    EXPECT_TRUE(editor->SetCellText(Row(F::F_PK), 2, " "));
    EXPECT_FALSE(editor->SetCellText(Row(F::F_MESSNR), 1, "8")); // the series stays
    EXPECT_FALSE(editor->SetCellText(Row(F::F_PK), 3, "1"));     // no such column
    EXPECT_TRUE(editor->Modified());
    const TMdbRecord* first = editor->Grid().Point(1);
    EXPECT_EQ(mw.GetFloat(first, F::F_PK), 250.5f);
    EXPECT_EQ(mw.GetInt(first, F::F_SCHALLMESSG), 204);
    EXPECT_EQ(mw.GetFloat(editor->Grid().Point(2), F::F_PK), -1.0f);
    EXPECT_EQ(mw.GetInt(first, F::F_MESSNR), kSeries);

    editor->SetMode(TMwEditor::Idle);
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(SavedPointCount(), 1); // point 2 lost its only value: an empty column
    TMdbMw reread(&catalogue);
    catalogue.ReadSeriesPoints(kSeries, reread);
    reread.RebuildIndex(false);
    EXPECT_EQ(reread.GetFloat(reread.FindByKey(1), F::F_PK), 250.5f);
}

TEST_F(MwEditorEditing, ValidationKeepsTheEditModeWithTheExactMessage) {
    SetTextLanguage(0);
    MakeEditor();
    editor->SetMode(TMwEditor::Editing);
    editor->SetCellText(Row(F::F_MWNR), 2, "1");
    EXPECT_EQ(Refusal(), "Nr. muss eindeutig sein!");
    EXPECT_EQ(editor->Mode(), TMwEditor::Editing);
    EXPECT_EQ(editor->Grid().ErrorRow(), Row(F::F_MWNR));
    EXPECT_EQ(editor->Grid().ErrorColumn(), 2);
    EXPECT_THROW(editor->SetMode(TMwEditor::Starting), EMdbError);
    EXPECT_TRUE(rig.Commands.empty()); // nothing was started

    editor->SetCellText(Row(F::F_MWNR), 2, "0");
    EXPECT_EQ(Refusal(), "Nr. muss zwischen 1 und 2147483648 liegen!");
    editor->SetCellText(Row(F::F_MWNR), 2, "2");
    editor->SetCellText(Row(F::F_V), 1, "1e33");
    const std::string message = Refusal();
    EXPECT_EQ(message.rfind("V(m) muss zwischen -1", 0), 0u) << message;
    EXPECT_NE(message.find(" und 1"), std::string::npos);
    EXPECT_EQ(message.substr(message.size() - 8), " liegen!");
    EXPECT_EQ(editor->Grid().ErrorRow(), Row(F::F_V));
    EXPECT_EQ(editor->Grid().ErrorColumn(), 1);
    EXPECT_THROW(editor->CloseOk(), EMdbError);

    SetTextLanguage(1);
    editor->SetCellText(Row(F::F_MWNR), 2, "1");
    EXPECT_EQ(Refusal(), "No. muss eindeutig sein!");
    SetTextLanguage(0);

    editor->SetCellText(Row(F::F_MWNR), 2, "2");
    editor->SetCellText(Row(F::F_V), 1, "");
    EXPECT_TRUE(editor->CloseOk());
    EXPECT_EQ(editor->Mode(), TMwEditor::Idle);
}

TEST_F(MwEditorEditing, SavingRemovesEmptyColumnsAndSortsByNumber) {
    MakeEditor();
    editor->SetMode(TMwEditor::Editing);
    editor->AddColumn(); // point 3, left empty
    editor->AddColumn(); // point 4: only an instrument code
    editor->AddColumn(); // point 5: a value, numbered before the others
    editor->SetCellText(Row(F::F_DREHMESSG), 4, "12");
    editor->SetCellText(Row(F::F_PK), 5, "0");
    editor->SetCellText(Row(F::F_MWNR), 5, "0,6"); // rounds to 1 ...
    editor->SetCellText(Row(F::F_MWNR), 1, "6");   // ... after point 1 became 6
    const std::uint64_t revision = editor->ColumnsRevision();
    editor->SetMode(TMwEditor::Idle);
    EXPECT_GT(editor->ColumnsRevision(), revision);

    const TMwGrid& grid = editor->Grid();
    ASSERT_EQ(grid.PointCount(), 4);
    std::vector<std::string> numbers;
    for (int column = 1; column <= grid.PointCount(); ++column)
        numbers.push_back(grid.CellText(Row(F::F_MWNR), column));
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2", "4", "6"}));
    EXPECT_EQ(SavedPointCount(), 4);
    EXPECT_EQ(mw.RecordCount(), 4);
}

TEST_F(MwEditorEditing, EmptyTableGetsAColumnAndDeletionAsksFirst) {
    MakeEditor();
    editor->SetMode(TMwEditor::Editing);
    confirmation.Answers = {false, true, true};
    editor->DeleteColumn(1);
    EXPECT_EQ(editor->Grid().PointCount(), 2);
    editor->DeleteColumn(1);
    EXPECT_EQ(confirmation.Questions[0], "Messung Nr.1 aus der Messreihe 7 löschen ?");
    editor->DeleteColumn(1);
    ASSERT_EQ(editor->Grid().PointCount(), 1); // the last one is replaced by an empty one
    EXPECT_EQ(editor->Grid().CellText(Row(F::F_MWNR), 1), "1");
    editor->SetMode(TMwEditor::Idle);
    EXPECT_EQ(SavedPointCount(), 0);

    editor->SetMode(TMwEditor::Editing); // a series without points gets one to type into
    EXPECT_EQ(editor->Grid().PointCount(), 1);
}

TEST_F(MwEditorEditing, DiscardQuestionOnCancel) {
    MakeEditor();
    EXPECT_TRUE(editor->CloseCancel()); // nothing changed: no question
    EXPECT_TRUE(confirmation.Questions.empty());

    editor->SetMode(TMwEditor::Editing);
    editor->SetCellText(Row(F::F_PK), 1, "999");
    confirmation.Answers = {false, true};
    EXPECT_FALSE(editor->CloseCancel());
    ASSERT_EQ(confirmation.Questions.size(), 1u);
    EXPECT_EQ(confirmation.Questions[0], "Bearbeitung abbrechen und Änderungen verwerfen?");
    EXPECT_EQ(editor->Mode(), TMwEditor::Editing);
    EXPECT_EQ(mw.GetFloat(editor->Grid().Point(1), F::F_PK), 999.0f);

    EXPECT_TRUE(editor->CloseCancel());
    EXPECT_EQ(editor->Mode(), TMwEditor::Idle);
    EXPECT_EQ(mw.GetFloat(mw.FindByKey(1), F::F_PK), 100.0f); // the saved value again
    EXPECT_EQ(editor->Grid().PointCount(), 2);
}

TEST_F(MwEditorEditing, ReadOnlyPointsAreOnlyShown) {
    mw.SetReadOnly(true);
    MakeEditor();
    editor->Open(3);
    editor->SetMode(TMwEditor::Starting);
    EXPECT_EQ(editor->Mode(), TMwEditor::Idle);
    EXPECT_TRUE(rig.Commands.empty());
    EXPECT_FALSE(editor->SetCellText(Row(F::F_PK), 1, "1"));
    EXPECT_TRUE(editor->CloseOk());
}

TEST_F(MwEditorEditing, SeriesRecordEditReloadsTheSeriesValues) {
    MakeEditor();
    int calls = 0;
    editor->SetSeriesEditor([&](std::int32_t seriesNo) {
        ++calls;
        TMdbMessung& series = catalogue.Messung();
        series.SetFloat(series.FindByKey(seriesNo), TMdbMessung::F_DLr, 450);
        return true;
    });
    editor->SetMode(TMwEditor::Series);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(editor->Mode(), TMwEditor::Idle);
    EXPECT_TRUE(editor->Modified());
    EXPECT_EQ(editor->SeriesValues()[5], 450.0);
}

} // namespace
} // namespace corvane
