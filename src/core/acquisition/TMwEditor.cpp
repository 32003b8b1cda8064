// The measured-values editor: modes, editing, validation and saving. The exchange with the
// acquisition program lives in TMwEditorTick.cpp.

#include "acquisition/TMwEditor.h"

#include "acquisition/TRigProgram.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

#include <algorithm>

namespace corvane {

TMwEditor::TMwEditor(TCatalogue& catalogue, TMdbMw& table,
                     const TInstallationSettings& installation, const TClock& clock)
    : catalogue_(catalogue), table_(table), installation_(installation), clock_(clock),
      programFolder_(ExecutableFolder()), grid_(table), sound_(clock) {
    LoadSeriesValues();
    grid_.Load();
}

TMwEditor::~TMwEditor() {
    // Never leave the acquisition program running behind a closed editor.
    if (IsMeasuring()) StopAcquisition();
}

void TMwEditor::SetAnalyser(AcousticAnalyser* analyser) {
    sound_.SetAnalyser(analyser, installation_.AnalyserProject);
}

std::int32_t TMwEditor::SeriesNo() const {
    return table_.SeriesNo();
}

std::string TMwEditor::Caption() const {
    return ReplaceAll(Txt(TextId::MwCaption), "%s", std::to_string(SeriesNo()));
}

void TMwEditor::LoadSeriesValues() {
    const TMdbMessung& series = catalogue_.Messung();
    const TMdbRecord* record = series.FindByKey(SeriesNo());
    seriesValues_.fill(0);
    if (record == nullptr) return;
    seriesValues_ = {series.GetFloat(record, TMdbMessung::F_Ab),
                     series.GetFloat(record, TMdbMessung::F_DB),
                     std::max(series.GetFloat(record, TMdbMessung::F_DR), 0.0f),
                     static_cast<double>(series.GetInt(record, TMdbMessung::F_PRUEFSTAND)),
                     series.GetFloat(record, TMdbMessung::F_PRUEFSTMASS),
                     series.GetFloat(record, TMdbMessung::F_DLr)};
}

void TMwEditor::Open(int openMode) {
    if (openMode == 2) SetMode(Starting);
    if (openMode == 3) SetMode(Editing);
}

bool TMwEditor::CanChange() const {
    return !table_.ReadOnly();
}

void TMwEditor::SetMode(int mode) {
    if (mode < Idle || mode > Series || mode == mode_) return;
    if (mode != Idle && !CanChange()) return;
    const int old = mode_;
    // Validation may refuse to leave the edit mode; nothing else has happened then.
    if (old == Editing) ValidateAndSave();
    if (IsMeasuring(old) && !IsMeasuring(mode)) StopAcquisition();
    ChangeMode(mode);
    if (!IsMeasuring(old) && IsMeasuring(mode)) StartAcquisition();
    if (mode == Editing && grid_.PointCount() == 0) AddColumn();
    if (mode == Series) EditSeriesRecord();
}

void TMwEditor::ChangeMode(int mode) {
    mode_ = mode;
    sound_.Reset();
}

// Mode 5 lasts as long as the series dialog: afterwards the editor is idle again.
void TMwEditor::EditSeriesRecord() {
    if (seriesEditor_ && seriesEditor_(SeriesNo())) {
        LoadSeriesValues();
        modified_ = true;
    }
    ChangeMode(Idle);
}

bool TMwEditor::SetCellText(int row, int column, std::string_view text) {
    if (mode_ != Editing || !grid_.SetCellText(row, column, text)) return false;
    modified_ = true;
    return true;
}

void TMwEditor::AddColumn() {
    grid_.AddPoint();
    modified_ = true;
    ColumnsChanged();
}

void TMwEditor::DeleteColumn(int column) {
    TMdbRecord* point = grid_.Point(column);
    if (point == nullptr) return;
    if (!TConfirmation::Ask("Messung Nr." + std::to_string(table_.GetInt(point, TMdbMw::F_MWNR)) +
                            " aus der Messreihe " + std::to_string(SeriesNo()) + " löschen ?"))
        return;
    grid_.DeletePoint(point);
    if (grid_.PointCount() == 0) grid_.AddPoint();
    modified_ = true;
    ColumnsChanged();
}

void TMwEditor::ValidateAndSave() {
    grid_.Validate();
    grid_.RemoveEmptyPoints();
    grid_.SortByNumber();
    ColumnsChanged();
    // A database-bound table stores every point; in memory the catalogue keeps them.
    for (int column = 1; column <= grid_.PointCount(); ++column)
        table_.StoreRecord(grid_.Point(column), true, true);
    catalogue_.KeepSeriesPoints(table_);
    catalogue_.Messung().TouchSeries(SeriesNo(), TMdbMessung::Today());
    table_.InvalidateEvaluation();
    modified_ = false;
}

bool TMwEditor::CloseOk() {
    SetMode(Idle); // may raise a validation error: the editor stays open
    return true;
}

bool TMwEditor::CloseCancel() {
    if (modified_ && !TConfirmation::Ask("Bearbeitung abbrechen und Änderungen verwerfen?"))
        return false;
    if (IsMeasuring()) StopAcquisition();
    ChangeMode(Idle);
    if (modified_) {
        // Back to the points as saved.
        const std::int32_t seriesNo = SeriesNo();
        table_.ForgetSeries();
        table_.LoadSeries(seriesNo, -1, -1, -1);
        grid_.Load();
        ColumnsChanged();
        modified_ = false;
    }
    return true;
}

} // namespace corvane
