// The measured-values editor's exchange with the test rig: starting and stopping the
// acquisition program, the once-a-second tick, accepting complete points.

#include "acquisition/TMwEditor.h"
#include "acquisition/TRigCommand.h"
#include "acquisition/TRigProgram.h"
#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "util/Files.h"
#include "util/Numbers.h"

#include <cmath>
#include <filesystem>

namespace corvane {

namespace {

using F = TMdbMw;

// Channels of the input file: series, point, complete, then the readings RT .. RES11.
constexpr int kSeriesChannel = 1;
constexpr int kPointChannel = 2;
constexpr int kStateChannel = 3;
constexpr int kFirstReadingChannel = 4;
// Output channels 4..9 carry the series values.
constexpr int kFirstSeriesChannel = 4;

void MakeParentFolder(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) MakeFolder(parent.string());
}

} // namespace

void TMwEditor::StartAcquisition() {
    acknowledged_ = false;
    missedTicks_ = 0;
    openPoint_ = grid_.AddPoint();
    ColumnsChanged();
    input_.OpenForRead(installation_.InputPath);
    MakeParentFolder(installation_.OutputPath);
    output_.OpenForWrite(installation_.OutputPath);
    if (rig_ == nullptr) return;
    rig_->Close();
    const TMdbRecord* series = catalogue_.Messung().FindByKey(SeriesNo());
    const std::int32_t rigCode =
        series ? catalogue_.Messung().GetInt(series, TMdbMessung::F_PRUEFSTAND) : 0;
    TRigCommand command = TRigCommand::Parse(installation_.RigCommand(rigCode), programFolder_);
    command.Environment = {{"CORVANE_TDW_INPUT", installation_.InputPath},
                           {"CORVANE_TDW_OUTPUT", installation_.OutputPath}};
    if (!command.Program.empty()) rig_->Start(command);
}

void TMwEditor::StopAcquisition() {
    if (openPoint_ != nullptr) {
        grid_.DeletePoint(openPoint_);
        openPoint_ = nullptr;
        ColumnsChanged();
    }
    for (int channel = kSeriesChannel; channel <= kStateChannel; ++channel)
        output_.SetValue(channel, 0);
    output_.Exchange();
    input_.Close();
    output_.Close();
    if (rig_ != nullptr) rig_->Close();
}

void TMwEditor::Tick() {
    if (inTick_) return;
    inTick_ = true;
    struct TLeave {
        bool& flag;
        ~TLeave() { flag = false; }
    } leave{inTick_};
    if (!IsMeasuring() || openPoint_ == nullptr) return;

    sound_.Step(table_, openPoint_);
    const bool read = input_.Exchange() == TTdwFile::kNewData;
    ++missedTicks_;
    const bool fresh =
        read && std::lround(input_.Value(kSeriesChannel)) == SeriesNo() &&
        std::lround(input_.Value(kPointChannel)) == table_.GetInt(openPoint_, F::F_MWNR);
    if (fresh) {
        missedTicks_ = 0;
        CopyReadings();
        if (input_.Value(kStateChannel) != 0) {
            if (table_.GetInt(openPoint_, F::F_SCHALLMESSG) == F::kThreeMicrophoneInstrument) {
                if (sound_.State() == TSoundMeasurement::Idle) sound_.Start();
                sound_.CheckDeadline();
            } else {
                sound_.Reset();
            }
            const int state = sound_.State();
            if ((state == TSoundMeasurement::Idle || state == TSoundMeasurement::Done) &&
                !acknowledged_)
                AcceptPoint();
        } else {
            acknowledged_ = false;
            output_.SetValue(kStateChannel, 0);
        }
    }

    // These changes leave a sound measurement running: the rig's silence does not concern
    // the analyser.
    if (mode_ == Starting && fresh)
        mode_ = Running;
    else if (mode_ == Running && missedTicks_ > kMissedTicksLimit)
        mode_ = Disturbed;
    else if (mode_ == Disturbed && fresh)
        mode_ = Running;
    WriteOutput();
}

void TMwEditor::CopyReadings() {
    for (int field = F::F_RT; field <= F::F_RES11; ++field) {
        const double value = input_.Value(field - F::F_RT + kFirstReadingChannel);
        if (table_.Field(field).IsFloat())
            table_.SetFloat(openPoint_, field, value);
        else
            table_.SetInt(openPoint_, field, ClampRoundInt(value));
    }
}

// The point is complete: acknowledge it, keep it and open the next one.
void TMwEditor::AcceptPoint() {
    acknowledged_ = true;
    output_.SetValue(kStateChannel, 1);
    table_.StoreRecord(openPoint_, true, true);
    catalogue_.KeepSeriesPoints(table_);
    catalogue_.Messung().TouchSeries(SeriesNo(), TMdbMessung::Today());
    table_.InvalidateEvaluation();
    sound_.Reset();
    openPoint_ = grid_.AddPoint();
    ColumnsChanged();
}

void TMwEditor::WriteOutput() {
    output_.SetValue(kSeriesChannel, SeriesNo());
    output_.SetValue(kPointChannel, openPoint_ ? table_.GetInt(openPoint_, F::F_MWNR) : 0);
    for (std::size_t i = 0; i < seriesValues_.size(); ++i)
        output_.SetValue(kFirstSeriesChannel + static_cast<int>(i), seriesValues_[i]);
    output_.Exchange();
}

} // namespace corvane
