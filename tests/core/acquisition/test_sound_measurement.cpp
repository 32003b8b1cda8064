// The sound measurement of a point: reading the analyser's displays, the state machine with
// its deadline, and the simulated analyser.

#include "AcquisitionTestSupport.h"
#include "acquisition/MicrophoneLevels.h"
#include "acquisition/TSimulatedAnalyser.h"
#include "acquisition/TSoundMeasurement.h"
#include "measurements/TMdbMw.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace corvane {
namespace {

using F = TMdbMw;
using S = TSoundMeasurement;

TEST(MicrophoneLevels, CursorTextAndBandsFromFiftyHertz) {
    TAnalyserDisplay display;
    display.CursorReading = "Ch1 L: 81,5 dB   A: 74.25 dB(A)";
    display.AcceptedInMultibuffer = true;
    display.Frequencies = {31.5, 40, 50.2};
    display.Values = {1, 1, 4e-10 * 1e6};
    for (int i = 1; i < 22; ++i) { // up to 23 bands from 50 Hz: the 24th is missing
        display.Frequencies.push_back(50 * std::pow(2.0, i / 3.0));
        display.Values.push_back(i == 5 ? 0.0 : 4e-10 * std::pow(10.0, (60 + i) / 10.0));
    }
    display.Frequencies.push_back(8000);
    display.Values.push_back(-1);
    const TMicrophoneLevels levels = LevelsOfDisplay(display);
    EXPECT_FLOAT_EQ(levels.Level, 81.5f);
    EXPECT_FLOAT_EQ(levels.LevelA, 74.25f);
    EXPECT_FLOAT_EQ(levels.Bands[0], 60.0f);
    EXPECT_FLOAT_EQ(levels.Bands[1], 61.0f);
    EXPECT_EQ(levels.Bands[5], -1.0f);  // no positive value
    EXPECT_EQ(levels.Bands[22], -1.0f); // a negative one
    EXPECT_EQ(levels.Bands[23], -1.0f); // beyond the data

    display.AcceptedInMultibuffer = false;
    display.CursorReading = "no reading";
    const TMicrophoneLevels none = LevelsOfDisplay(display);
    EXPECT_EQ(none.Level, -1.0f);
    EXPECT_EQ(none.LevelA, -1.0f);
    EXPECT_EQ(none.Bands[0], -1.0f);

    TMdbMw table;
    TMdbRecord* point = table.NewRecord();
    table.SetFloat(point, F::F_LP2_A, 55);
    StoreMicrophoneLevels(table, point, 2, levels);
    StoreMicrophoneLevels(table, point, 2, none); // nothing usable: nothing replaced
    StoreMicrophoneLevels(table, point, 4, levels);
    EXPECT_FLOAT_EQ(table.GetFloat(point, F::F_LP2), 81.5f);
    EXPECT_FLOAT_EQ(table.GetFloat(point, F::F_LP2_A), 74.25f);
    EXPECT_FLOAT_EQ(table.GetFloat(point, F::F_LP2 + 2 + 1), 61.0f); // band 1
    EXPECT_EQ(table.GetFloat(point, F::F_LP2 + 2 + 5), -1.0f);       // band 5
    EXPECT_EQ(table.GetFloat(point, F::F_LP1), -1.0f);
    EXPECT_EQ(table.GetFloat(point, F::F_LP3), -1.0f);
}

TEST(SimulatedAnalyser, PlausibleLevelsPerPosition) {
    test::TManualClock clock;
    TSimulatedAnalyser analyser(clock, 1000, 85);
    analyser.StartMeasurement();
    for (int position = 1; position <= 3; ++position) {
        const TMicrophoneLevels levels = LevelsOfDisplay(analyser.ReadDisplay(position));
        double sum = 0;
        for (float band : levels.Bands) {
            ASSERT_GT(band, 20.0f);
            sum += std::pow(10.0, band / 10);
        }
        // The cursor level is the energy sum of the 24 bands, A below it.
        EXPECT_NEAR(levels.Level, 10 * std::log10(sum), 0.06);
        EXPECT_NEAR(levels.Level, 85, 2);
        EXPECT_LT(levels.LevelA, levels.Level);
        EXPECT_GT(levels.LevelA, levels.Level - 10);
    }
    EXPECT_TRUE(analyser.ReadDisplay(0).Values.empty());
}

TEST(SoundMeasurement, RunsThroughItsStatesAndRepeatsAfterOpeningTheProject) {
    test::TManualClock clock;
    TSimulatedAnalyser analyser(clock, 5000);
    analyser.OpenProject("/p/Schall.proj ");
    TSoundMeasurement sound(clock);
    sound.SetAnalyser(&analyser, " /p/Schall.proj");
    TMdbMw table;
    TMdbRecord* point = table.NewRecord();

    sound.Start();
    EXPECT_EQ(sound.Deadline(), clock.NowMs() + 60000);
    EXPECT_FALSE(sound.Step(table, point));
    EXPECT_EQ(sound.State(), S::Started);
    EXPECT_FALSE(sound.ProjectOpened()); // the same project after trimming
    sound.Step(table, point);
    EXPECT_EQ(sound.State(), S::Running);
    clock.Advance(4999);
    EXPECT_FALSE(sound.Step(table, point));
    EXPECT_EQ(sound.State(), S::Running);
    clock.Advance(1);
    EXPECT_TRUE(sound.Step(table, point));
    EXPECT_EQ(sound.State(), S::Done);
    EXPECT_GT(table.GetFloat(point, F::F_LP3), 70.0f);
    EXPECT_FALSE(sound.Step(table, point)); // nothing more to do

    // Another project is open: it is opened, and the levels are taken once more.
    analyser.OpenProject("/p/Anders.proj");
    sound.Start();
    sound.Step(table, point);
    EXPECT_TRUE(sound.ProjectOpened());
    sound.Step(table, point);
    clock.Advance(5000);
    EXPECT_TRUE(sound.Step(table, point));
    EXPECT_EQ(sound.State(), S::Starting);
    EXPECT_FALSE(sound.ProjectOpened());
    EXPECT_EQ(analyser.OpenProjectName(), " /p/Schall.proj");
}

class TFailingAnalyser : public TSimulatedAnalyser {
public:
    using TSimulatedAnalyser::TSimulatedAnalyser;
    bool StartMeasurement() override { throw std::runtime_error("analyser gone"); }
};

TEST(SoundMeasurement, DeadlineAfterAMinuteInAnyWaitingState) {
    test::TManualClock clock;
    TFailingAnalyser failing(clock, 0);
    TMdbMw table;
    TSoundMeasurement sound(clock);
    sound.SetAnalyser(&failing, "");
    sound.Start();
    clock.Advance(60000);
    EXPECT_FALSE(sound.Step(table, nullptr));
    sound.CheckDeadline();
    EXPECT_EQ(sound.State(), S::Starting);
    clock.Advance(1);
    sound.CheckDeadline();
    EXPECT_EQ(sound.State(), S::TimedOut);
    sound.CheckDeadline();
    EXPECT_EQ(sound.State(), S::TimedOut);

    // Each state gets its own minute; done and idle never time out.
    TSimulatedAnalyser slow(clock, 1000000);
    sound.SetAnalyser(&slow, "");
    sound.Start();
    sound.Step(table, nullptr);
    clock.Advance(40000);
    sound.Step(table, nullptr);
    ASSERT_EQ(sound.State(), S::Running);
    clock.Advance(40000);
    sound.CheckDeadline();
    EXPECT_EQ(sound.State(), S::Running);
    clock.Advance(20001);
    sound.CheckDeadline();
    EXPECT_EQ(sound.State(), S::TimedOut);
    sound.Skip();
    clock.Advance(100000);
    sound.CheckDeadline();
    EXPECT_EQ(sound.State(), S::Done);
    sound.Reset();
    sound.CheckDeadline();
    EXPECT_EQ(sound.State(), S::Idle);
}

} // namespace
} // namespace corvane
