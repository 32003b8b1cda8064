// The rig simulator against the measured-values editor, period by period without waiting:
// points from free blowing towards shut-off, each accepted once, plausible when evaluated.

#include "../../core/acquisition/AcquisitionTestSupport.h"
#include "TRigSimulator.h"
#include "acquisition/TMwEditor.h"
#include "acquisition/TSimulatedAnalyser.h"
#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using F = TMdbMw;

class RigSimWithEditor : public ::testing::Test {
protected:
    void SetUp() override {
        TMdbMessung& s = catalogue.Messung();
        TMdbRecord* r = s.NewSeries("ab", 40000);
        s.SetInt(r, TMdbMessung::F_MESSNR, 12);
        s.SetFloat(r, TMdbMessung::F_Ab, 0.2f);
        s.SetFloat(r, TMdbMessung::F_DB, 325);
        s.SetFloat(r, TMdbMessung::F_DLr, 450);
        s.SetFloat(r, TMdbMessung::F_A0, 0.159f);
        s.SetFloat(r, TMdbMessung::F_phiF, 1);
        s.RebuildIndex(false);
        installation.InputPath = dir.File("in.tdw");
        installation.OutputPath = dir.File("out.tdw");
        options.WritePath = installation.InputPath;
        options.ReadPath = installation.OutputPath;
        options.Points = 6;
    }

    // Runs rig and editor side by side until the rig has completed `points` points; the rig
    // steps `stepsPerTick` periods per editor tick.
    void Measure(int rig, int points, AcousticAnalyser* analyser = nullptr, int stepsPerTick = 1) {
        TMdbMessung& s = catalogue.Messung();
        s.SetInt(s.FindByKey(12), TMdbMessung::F_PRUEFSTAND, rig);
        catalogue.Mw().SetReadOnly(false);
        catalogue.Mw().LoadSeries(12, -1, -1, -1);
        TMwEditor editor(catalogue, catalogue.Mw(), installation, clock);
        editor.SetAnalyser(analyser);
        TRigSimulator simulator(options);
        editor.SetMode(TMwEditor::Starting);
        for (int tick = 0; tick < 200 && simulator.CompletedPoints() < points; ++tick) {
            for (int step = 0; step < stepsPerTick; ++step)
                simulator.Step();
            clock.Advance(1000);
            editor.Tick();
        }
        editor.SetMode(TMwEditor::Idle);
        EXPECT_EQ(simulator.SeriesNo(), 12);
    }

    test::TTempFolder dir;
    test::TManualClock clock;
    TCatalogue catalogue;
    TInstallationSettings installation;
    TRigSimOptions options;
};

TEST_F(RigSimWithEditor, ChamberRigDeliversACharacteristic) {
    Measure(1, 5);
    TMdbMw& mw = catalogue.Mw();
    mw.ForgetSeries();
    ASSERT_TRUE(mw.LoadSeries(12, -1, -1, -1));
    ASSERT_EQ(mw.RecordCount(), 5);
    float lastFlow = 1e9f;
    float lastPressure = -1e9f;
    float bestEfficiency = 0;
    for (int no = 1; no <= 5; ++no) {
        const TMdbRecord* p = mw.FindByKey(no);
        ASSERT_NE(p, nullptr) << no;
        EXPECT_LT(mw.GetFloat(p, F::F_VC), lastFlow) << no;      // throttled step by step
        EXPECT_GT(mw.GetFloat(p, F::F_PFA), lastPressure) << no; // the pressure rises
        lastFlow = mw.GetFloat(p, F::F_VC);
        lastPressure = mw.GetFloat(p, F::F_PFA);
        EXPECT_NEAR(mw.GetFloat(p, F::F_RHO), 1.19f, 0.05f);
        EXPECT_GT(mw.GetFloat(p, F::F_ETATOT), 5.0f) << no;
        EXPECT_LT(mw.GetFloat(p, F::F_ETATOT), 90.0f) << no;
        bestEfficiency = std::max(bestEfficiency, mw.GetFloat(p, F::F_ETATOT));
        EXPECT_GT(mw.GetFloat(p, F::F_LPAC), 40.0f) << no; // a sound level meter's reading
        EXPECT_EQ(mw.GetInt(p, F::F_SCHALLMESSG), 201);
    }
    EXPECT_GT(bestEfficiency, 55.0f);
    // Free blowing: next to no static pressure.
    EXPECT_LT(mw.GetFloat(mw.FindByKey(1), F::F_PFA), 0.1f * lastPressure);
}

// A rig period far shorter than the editor's tick: the next point waits until the editor
// has read the settling, so each completed point is accepted, in order.
TEST_F(RigSimWithEditor, FastRigLosesNoPoint) {
    Measure(1, 5, nullptr, 10);
    TMdbMw& mw = catalogue.Mw();
    mw.ForgetSeries();
    ASSERT_TRUE(mw.LoadSeries(12, -1, -1, -1));
    ASSERT_EQ(mw.RecordCount(), 5);
    for (int no = 2; no <= 5; ++no)
        EXPECT_LT(mw.GetFloat(mw.FindByKey(no), F::F_VC),
                  mw.GetFloat(mw.FindByKey(no - 1), F::F_VC))
            << no;
}

TEST_F(RigSimWithEditor, ReverberationRoomWaitsForTheAnalyser) {
    TSimulatedAnalyser analyser(clock, 2000);
    Measure(3, 2, &analyser);
    TMdbMw& mw = catalogue.Mw();
    mw.ForgetSeries();
    ASSERT_TRUE(mw.LoadSeries(12, -1, -1, -1));
    ASSERT_EQ(mw.RecordCount(), 2);
    EXPECT_EQ(mw.SoundInstrument(), F::kThreeMicrophoneInstrument);
    for (int no = 1; no <= 2; ++no) {
        const TMdbRecord* p = mw.FindByKey(no);
        EXPECT_GT(mw.GetFloat(p, F::F_LP1), 60.0f);
        EXPECT_GT(mw.GetFloat(p, F::F_LPC), 60.0f); // the mean of the three microphones
    }
    EXPECT_GT(mw.GetFloat(mw.FindByKey(1), F::F_VC), mw.GetFloat(mw.FindByKey(2), F::F_VC));
}

} // namespace
} // namespace corvane
