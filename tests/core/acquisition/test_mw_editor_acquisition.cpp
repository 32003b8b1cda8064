// The measured-values editor measuring: the acquisition program, the exchange files, point
// acceptance with the acknowledgement channel, the disturbed state, the sound measurement.

#include "EditorTestRig.h"
#include "acquisition/TSimulatedAnalyser.h"
#include "mdb/EMdbError.h"

namespace corvane {
namespace {

using F = TMdbMw;

class MwEditorAcquisition : public test::EditorTestRig {};

TEST_F(MwEditorAcquisition, StartingRunsTheRigProgramAndTellsItTheSeries) {
    MakeEditor();
    editor->SetMode(TMwEditor::Starting);
    EXPECT_EQ(editor->Mode(), TMwEditor::Starting);
    EXPECT_EQ(OpenPointNo(), 3);
    EXPECT_EQ(editor->Grid().ColumnCount(), 4);

    ASSERT_EQ(rig.Commands.size(), 1u);
    const TRigCommand& command = rig.Commands[0];
    EXPECT_EQ(command.Program, "/opt/corvane/rig-3"); // rig code 3 of the series
    EXPECT_EQ(command.Arguments, (std::vector<std::string>{"--fast", "two words"}));
    EXPECT_EQ(command.WorkingFolder, "/opt/corvane");
    EXPECT_EQ(command.Environment[0].second, installation.InputPath);
    EXPECT_EQ(command.Environment[1].second, installation.OutputPath);
    EXPECT_GE(rig.Closes, 1); // a program left running is closed before

    Tick(); // no input file yet: a tick without data
    EXPECT_EQ(editor->MissedTicks(), 1);
    EXPECT_EQ(RigReads(1), kSeries);
    EXPECT_EQ(RigReads(2), 3);
    EXPECT_EQ(RigReads(3), 0);
    const double series[] = {0.25, 325, 0, 3, 64, 400}; // DR -1 goes out as 0
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(RigReads(4 + i), series[i]) << "channel " << 4 + i;
}

TEST_F(MwEditorAcquisition, PointIsAcceptedOnceWhileChannelThreeStaysOne) {
    MakeEditor();
    StartMeasuring();
    EXPECT_EQ(editor->Mode(), TMwEditor::Starting); // the first record was only a start

    Deliver(3, false, 480);
    EXPECT_EQ(editor->Mode(), TMwEditor::Running);
    EXPECT_EQ(mw.GetFloat(editor->OpenPoint(), F::F_PK), 480.0f);
    EXPECT_EQ(SavedPointCount(), 2);

    Deliver(3, true, 500);
    EXPECT_TRUE(editor->Acknowledged());
    EXPECT_EQ(RigReads(3), 1);
    EXPECT_EQ(SavedPointCount(), 3);
    EXPECT_EQ(OpenPointNo(), 4);
    EXPECT_EQ(RigReads(2), 4);
    EXPECT_EQ(mw.GetFloat(mw.FindByKey(3), F::F_PK), 500.0f);
    EXPECT_NE(catalogue.Messung().GetInt(catalogue.Messung().FindByKey(kSeries),
                                         TMdbMessung::F_AENDDATUM),
              0);

    // The rig still holds the completed point, first under the old number, then under the
    // new one: nothing more is accepted.
    Deliver(3, true, 500);
    for (int i = 0; i < 4; ++i)
        Deliver(4, true, 500);
    EXPECT_EQ(SavedPointCount(), 3);
    EXPECT_EQ(OpenPointNo(), 4);

    Deliver(4, false, 700);
    EXPECT_FALSE(editor->Acknowledged());
    EXPECT_EQ(RigReads(3), 0);
    Deliver(4, true, 710);
    EXPECT_EQ(SavedPointCount(), 4);
    EXPECT_EQ(OpenPointNo(), 5);
    EXPECT_EQ(mw.GetFloat(mw.FindByKey(4), F::F_PK), 710.0f);
}

TEST_F(MwEditorAcquisition, DisturbedAfterTenTicksWithoutDataAndBack) {
    MakeEditor();
    StartMeasuring();
    Deliver(3, false);
    ASSERT_EQ(editor->Mode(), TMwEditor::Running);

    for (int i = 0; i < 5; ++i)
        Tick();
    // Records of another series or another point are no fresh data either.
    rigWrites.SetValue(1, kSeries + 1);
    rigWrites.Exchange();
    Tick();
    Deliver(9, false);
    for (int i = 0; i < 3; ++i)
        Tick();
    EXPECT_EQ(editor->MissedTicks(), 10);
    EXPECT_EQ(editor->Mode(), TMwEditor::Running);
    Tick();
    EXPECT_EQ(editor->Mode(), TMwEditor::Disturbed);
    Tick();
    EXPECT_EQ(editor->Mode(), TMwEditor::Disturbed);

    Deliver(3, false);
    EXPECT_EQ(editor->Mode(), TMwEditor::Running);
    EXPECT_EQ(editor->MissedTicks(), 0);
}

TEST_F(MwEditorAcquisition, StoppingDropsTheOpenPointAndEndsTheRigProgram) {
    MakeEditor();
    StartMeasuring();
    Deliver(3, true, 480); // accepted: the acknowledgement is 1
    Deliver(4, false, 490);
    Deliver(4, true, 490);
    ASSERT_EQ(RigReads(3), 1);
    const int closesBefore = rig.Closes;
    editor->SetMode(TMwEditor::Idle);
    EXPECT_EQ(editor->OpenPoint(), nullptr);
    EXPECT_EQ(editor->Grid().PointCount(), 4);
    EXPECT_EQ(mw.RecordCount(), 4);
    EXPECT_EQ(rig.Closes, closesBefore + 1);
    EXPECT_FALSE(rig.IsRunning());
    EXPECT_EQ(RigReads(1), 0);
    EXPECT_EQ(RigReads(2), 0);
    EXPECT_EQ(RigReads(3), 0);
    EXPECT_EQ(RigReads(4), 0.25); // the series values stay
    Tick();                       // idle: no exchange at all
    EXPECT_EQ(editor->MissedTicks(), 0);

    // Closing the editor while measuring ends the program as well.
    editor->SetMode(TMwEditor::Starting);
    EXPECT_TRUE(rig.IsRunning());
    editor.reset();
    EXPECT_FALSE(rig.IsRunning());
}

// An analyser that ticks the editor from inside its own call, as automation calls that pump
// window messages can.
class TReentrantAnalyser : public TSimulatedAnalyser {
public:
    using TSimulatedAnalyser::TSimulatedAnalyser;
    bool StartMeasurement() override {
        if (editor) editor->Tick();
        return TSimulatedAnalyser::StartMeasurement();
    }
    TMwEditor* editor = nullptr;
};

TEST_F(MwEditorAcquisition, ThreeMicrophonePointWaitsForItsSound) {
    installation.AnalyserProject = "/data/Schall.proj";
    MakeEditor();
    TReentrantAnalyser analyser(clock, 2500);
    analyser.editor = editor.get();
    editor->SetAnalyser(&analyser);
    StartMeasuring();
    Deliver(3, false, 500, F::kThreeMicrophoneInstrument);

    // The rig reports the point complete every second; the sound measurement runs through
    // its states (twice: the analyser's project had to be opened first).
    std::vector<int> states;
    for (int i = 0; i < 12 && SavedPointCount() == 2; ++i) {
        const int missed = editor->MissedTicks();
        Deliver(3, true, 500, F::kThreeMicrophoneInstrument);
        EXPECT_LE(editor->MissedTicks(), missed + 1); // the nested tick did nothing
        states.push_back(editor->SoundState());
    }
    EXPECT_EQ(states, (std::vector<int>{1, 2, 3, 3, 1, 2, 3, 3, 0}));
    EXPECT_EQ(SavedPointCount(), 3);
    EXPECT_EQ(analyser.MeasurementCount(), 2);
    EXPECT_EQ(analyser.OpenProjectName(), "/data/Schall.proj");
    const TMdbRecord* point = mw.FindByKey(3);
    EXPECT_NEAR(mw.GetFloat(point, F::F_LP1), 80.0f, 1.0f);
    EXPECT_NEAR(mw.GetFloat(point, F::F_LP2), 81.4f, 1.0f);
    EXPECT_GT(mw.GetFloat(point, F::F_LP3_A), 60.0f);
    EXPECT_GT(mw.GetFloat(point, F::F_LP1 + 2), 40.0f); // the 50 Hz band
}

TEST_F(MwEditorAcquisition, WithoutSoundTheUserMayAcceptThePointAnyway) {
    MakeEditor(); // no analyser: the sound measurement cannot start
    StartMeasuring();
    Deliver(3, true, 500, F::kThreeMicrophoneInstrument);
    EXPECT_EQ(editor->SoundState(), TSoundMeasurement::Starting);
    for (int i = 0; i < 60; ++i) // a minute
        Deliver(3, true, 500, F::kThreeMicrophoneInstrument);
    EXPECT_EQ(editor->SoundState(), TSoundMeasurement::Starting);
    Deliver(3, true, 500, F::kThreeMicrophoneInstrument);
    EXPECT_EQ(editor->SoundState(), TSoundMeasurement::TimedOut);
    EXPECT_EQ(SavedPointCount(), 2);

    editor->RepeatSound(); // "wiederholen": another minute
    Deliver(3, true, 500, F::kThreeMicrophoneInstrument);
    EXPECT_EQ(editor->SoundState(), TSoundMeasurement::Starting);
    clock.Advance(60000);
    Deliver(3, true, 500, F::kThreeMicrophoneInstrument);
    ASSERT_EQ(editor->SoundState(), TSoundMeasurement::TimedOut);

    editor->SkipSound(); // "keine Schallmessung"
    Deliver(3, true, 500, F::kThreeMicrophoneInstrument);
    EXPECT_EQ(SavedPointCount(), 3);
    EXPECT_EQ(editor->SoundState(), TSoundMeasurement::Idle);
    EXPECT_EQ(mw.GetFloat(mw.FindByKey(3), F::F_LP1), -1.0f);
}

} // namespace
} // namespace corvane
