#pragma once

#include "acquisition/TMwGrid.h"
#include "acquisition/TSoundMeasurement.h"
#include "acquisition/TTdwFile.h"
#include "settings/TInstallationSettings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace corvane {

class AcousticAnalyser;
class TCatalogue;
class TClock;
class TMdbMw;
class TRigProgram;

// The logic of the measured-values editor, free of any window: the points of the series
// loaded in the catalogue's measured-points table as a grid, the modes, the once-a-second
// exchange with the test rig's acquisition program, the sound measurement of each point,
// editing, validation and saving.
//
// Modes: 0 idle, 1 starting, 2 running, 3 disturbed (more than 10 ticks without fresh data),
// 4 editing the values, 5 editing the series record.
class TMwEditor {
public:
    enum TMode { Idle = 0, Starting = 1, Running = 2, Disturbed = 3, Editing = 4, Series = 5 };
    static constexpr int kInputChannels = 89;
    static constexpr int kOutputChannels = 16;
    static constexpr int kMissedTicksLimit = 10;

    // `table` holds the points of the series (loaded unconverted); the catalogue keeps the
    // saved points and the series record.
    TMwEditor(TCatalogue& catalogue, TMdbMw& table, const TInstallationSettings& installation,
              const TClock& clock);
    ~TMwEditor();
    TMwEditor(const TMwEditor&) = delete;
    TMwEditor& operator=(const TMwEditor&) = delete;

    // Collaborators, not owned; each may be left unset.
    void SetRigProgram(TRigProgram* rig) { rig_ = rig; }
    void SetAnalyser(AcousticAnalyser* analyser);
    // Edits the series record (mode 5); true when it was changed and confirmed.
    void SetSeriesEditor(std::function<bool(std::int32_t seriesNo)> editor) {
        seriesEditor_ = std::move(editor);
    }
    // Folder that "." in a rig command line refers to (the program's executables).
    void SetProgramFolder(std::string folder) { programFolder_ = std::move(folder); }

    // Opening mode 2 starts measuring, 3 editing; others leave the editor idle.
    void Open(int openMode);
    // A mode button. Leaving mode 4 validates and saves first: an EMdbError then keeps
    // mode 4 (the grid's error cell tells where). A read-only table only shows its points:
    // every mode but 0 is refused silently.
    void SetMode(int mode);
    // The points may be measured and changed (the table is not read-only).
    bool CanChange() const;
    // One timer tick (once a second while measuring). A tick that finds the previous one
    // still running does nothing.
    void Tick();

    // OK: ends any mode (validating and saving an edit first). True when the editor may close.
    bool CloseOk();
    // Cancel or window close: ends any measurement; with unsaved changes asks "Bearbeitung
    // abbrechen und Änderungen verwerfen?" and, on yes, reloads the saved points. True when
    // the editor may close.
    bool CloseCancel();

    // Sound panel buttons (state 5): "wiederholen" and "keine Schallmessung".
    void RepeatSound() { sound_.Start(); }
    void SkipSound() { sound_.Skip(); }

    // Editing (mode 4).
    bool SetCellText(int row, int column, std::string_view text);
    void AddColumn();
    // Deletes the point of a column after the table's question; a last point is replaced by
    // a new empty one.
    void DeleteColumn(int column);
    std::string ClipboardText() const { return grid_.ClipboardText(Caption()); }

    // State for the window.
    std::string Caption() const;
    int Mode() const { return mode_; }
    int SoundState() const { return sound_.State(); }
    bool IsMeasuring() const { return IsMeasuring(mode_); }
    bool Modified() const { return modified_; }
    bool Acknowledged() const { return acknowledged_; }
    int MissedTicks() const { return missedTicks_; }
    std::int32_t SeriesNo() const;
    const TMdbRecord* OpenPoint() const { return openPoint_; }
    const TMwGrid& Grid() const { return grid_; }
    // Counts changes of the grid's columns (points added, deleted, re-sorted).
    std::uint64_t ColumnsRevision() const { return columnsRevision_; }
    const std::array<double, 6>& SeriesValues() const { return seriesValues_; }

private:
    static bool IsMeasuring(int mode) { return mode >= Starting && mode <= Disturbed; }
    void StartAcquisition();
    void StopAcquisition();
    void LoadSeriesValues();
    void CopyReadings();
    void AcceptPoint();
    void WriteOutput();
    void ValidateAndSave();
    void EditSeriesRecord();
    void ChangeMode(int mode);
    void ColumnsChanged() { ++columnsRevision_; }

    TCatalogue& catalogue_;
    TMdbMw& table_;
    TInstallationSettings installation_;
    const TClock& clock_;
    TRigProgram* rig_ = nullptr;
    std::function<bool(std::int32_t)> seriesEditor_;
    std::string programFolder_;

    TMwGrid grid_;
    TSoundMeasurement sound_;
    TTdwFile input_{kInputChannels};
    TTdwFile output_{kOutputChannels};
    int mode_ = Idle;
    TMdbRecord* openPoint_ = nullptr;
    int missedTicks_ = 0;
    bool acknowledged_ = false;
    bool modified_ = false;
    bool inTick_ = false;
    std::uint64_t columnsRevision_ = 0;
    // Ab, DB, max(DR, 0), rig code, rig dimension, DLr: output channels 4..9.
    std::array<double, 6> seriesValues_{};
};

} // namespace corvane
