#pragma once

#include "AcquisitionTestSupport.h"
#include "ProcessStateGuard.h"
#include "acquisition/TMwEditor.h"
#include "acquisition/TTdwFile.h"
#include "catalogue/TCatalogue.h"
#include "mdb/TConfirmation.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"

#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

// Answers the questions of the core from a script and remembers them.
class TScriptedConfirmation : public TConfirmation {
public:
    TScriptedConfirmation() { Install(this); }
    bool Confirm(const std::string& question) override {
        Questions.push_back(question);
        if (Answers.empty()) return true;
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::deque<bool> Answers;
    std::vector<std::string> Questions;
};

// A catalogue with series 7 (reverberation room, two saved points) and the rig's side of
// the two exchange files in a temporary folder.
class EditorTestRig : public ::testing::Test {
protected:
    static constexpr std::int32_t kSeries = 7;

    void SetUp() override {
        TMdbMessung& series = catalogue.Messung();
        TMdbRecord* r = series.NewSeries("ab", 40000);
        series.SetInt(r, TMdbMessung::F_MESSNR, kSeries);
        series.SetFloat(r, TMdbMessung::F_Ab, 0.25f);
        series.SetFloat(r, TMdbMessung::F_DB, 325);
        series.SetInt(r, TMdbMessung::F_PRUEFSTAND, 3);
        series.SetFloat(r, TMdbMessung::F_PRUEFSTMASS, 64);
        series.SetFloat(r, TMdbMessung::F_DLr, 400);
        series.RebuildIndex(false);

        mw.SetReadOnly(false); // the catalogue is maintained
        mw.LoadSeries(kSeries, -1, -1, -1);
        for (int no = 1; no <= 2; ++no) {
            TMdbRecord* p = mw.NewRecord();
            mw.SetInt(p, TMdbMw::F_MWNR, no);
            mw.SetFloat(p, TMdbMw::F_PK, 100.0f * static_cast<float>(no));
        }
        mw.RebuildIndex(false);
        catalogue.KeepSeriesPoints(mw);

        installation.InputPath = dir.File("in.tdw");
        installation.OutputPath = dir.File("out.tdw");
        installation.RigCommands[3] = "./rig-3 --fast \"two words\"";
        rigWrites.OpenForWrite(installation.InputPath);
        rigReads.OpenForRead(installation.OutputPath);
    }

    void MakeEditor() {
        editor = std::make_unique<TMwEditor>(catalogue, mw, installation, clock);
        editor->SetRigProgram(&rig);
        editor->SetProgramFolder("/opt/corvane");
    }

    // The rig reports a point (channel 3 = complete) with a chamber pressure and a sound
    // instrument; the editor ticks a second later.
    void Deliver(int point, bool complete, float pk = 500, int instrument = 0) {
        rigWrites.SetValue(1, kSeries);
        rigWrites.SetValue(2, point);
        rigWrites.SetValue(3, complete ? 1 : 0);
        rigWrites.SetValue(TMdbMw::F_PK + 1, pk);
        rigWrites.SetValue(TMdbMw::F_SCHALLMESSG + 1, instrument);
        rigWrites.Exchange();
        Tick();
    }
    void Tick() {
        clock.Advance(1000);
        editor->Tick();
    }
    // Starts measuring and lets the editor take the rig's first record as its starting point.
    void StartMeasuring() {
        editor->SetMode(TMwEditor::Starting);
        Deliver(OpenPointNo(), false);
    }
    int OpenPointNo() const {
        return editor->OpenPoint() ? mw.GetInt(editor->OpenPoint(), TMdbMw::F_MWNR) : 0;
    }
    // Points the catalogue keeps for the series, as a new load would see them.
    int SavedPointCount() {
        TMdbMw other(&catalogue);
        catalogue.ReadSeriesPoints(kSeries, other);
        return other.RecordCount();
    }
    double RigReads(int channel) {
        rigReads.Exchange();
        return rigReads.Value(channel);
    }

    // Restores the language and the confirmation handler the tests change (declared first,
    // so it goes last).
    TProcessStateGuard processState;
    TTempFolder dir;
    TCatalogue catalogue;
    TMdbMw& mw = catalogue.Mw();
    TManualClock clock;
    TRecordingRig rig;
    TInstallationSettings installation;
    TTdwFile rigWrites{89};
    TTdwFile rigReads;
    TScriptedConfirmation confirmation;
    std::unique_ptr<TMwEditor> editor;
};

} // namespace corvane::test
