// The series dialog's rules on a dialog held in memory: metering diameters, rig and method
// rules, the flow-coefficient area, validation messages, storing and the edit flow.

#include "FakeDialog.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "i18n/Language.h"
#include "mdb/EDialogError.h"
#include "mdb/TRecordEditor.h"
#include "measurements/TMdbMessung.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::TFakeDialog;
using K = TControlKind;
using M = TMdbMessung;

class SeriesDialog : public ::testing::Test {
protected:
    SeriesDialog() {
        SetTextLanguage(0);
        for (int f : {M::F_MESSNR, M::F_LFRDNR, M::F_DLr, M::F_A0, M::F_PRUEFSTMASS, M::F_AXIALSP})
            d_.Edit(f);
        d_.At(M::F_LFRDNR).shown = false;
        for (int f : {M::F_phiTyp, M::F_PRUEFSTAND, M::F_MESSMETHODE})
            d_.Add(K::Combo, f);
        for (const char* name : {M::kNozzleCombo, M::kOrificeCombo, M::kPipeCombo})
            d_.Add(K::Combo, 0, name);
        for (const char* name :
             {M::kNozzleLabel, M::kOrificeLabel, M::kPipeLabel, M::kRigSizeLabel, M::kWidthLabel})
            d_.Add(K::Label, 0, name);
        for (const char* name : {M::kWidthBox, M::kImpellerName, M::kNumberCopy2})
            d_.Add(K::Edit, 0, name);
        record_ = series().NewSeries("ab", 40000);
        series().SetInt(record_, M::F_LFRDNR, 1);
        series().SetFloat(record_, M::F_DLr, 400);
        series().SetFloat(record_, M::F_A0, 0.1f);
        series().SetInt(record_, M::F_PRUEFSTAND, 1);
    }
    M& series() { return catalogue_.Messung(); }
    std::string Error() {
        try {
            series().ValidateDialog(d_, record_);
        } catch (const EDialogError& e) {
            return std::string(e.what()) + " @" +
                   (e.ControlName.empty() ? std::to_string(e.Field) : e.ControlName);
        }
        return "";
    }
    void Open(int method, float db, float dr) {
        series().SetInt(record_, M::F_MESSMETHODE, method);
        series().SetFloat(record_, M::F_DB, db);
        series().SetFloat(record_, M::F_DR, dr);
        series().RecordToDialog(d_, record_);
    }
    TCatalogue catalogue_;
    TFakeDialog d_;
    TMdbRecord* record_ = nullptr;
};

TEST_F(SeriesDialog, OpeningSelectsTheNearestDiametersAndAppliesTheRules) {
    Open(1, 100.4f, -1);
    EXPECT_EQ(d_.Name(M::kNozzleCombo).Text(), "100");
    EXPECT_TRUE(d_.Name(M::kNozzleCombo).shown);
    EXPECT_FALSE(d_.Name(M::kOrificeCombo).shown);
    Open(1, 110, -1);
    EXPECT_EQ(d_.Name(M::kNozzleCombo).Text(), "115");
    Open(2, 70, 200);
    EXPECT_EQ(d_.Name(M::kOrificeCombo).Text(), "70");
    EXPECT_EQ(d_.Name(M::kPipeCombo).Text(), "200");
    EXPECT_FALSE(d_.Name(M::kNozzleLabel).shown);
    EXPECT_TRUE(d_.Name(M::kPipeLabel).shown);
    EXPECT_EQ(d_.Name(M::kNumberCopy2).Text(), d_.At(M::F_MESSNR).Text());

    d_.At(M::F_PRUEFSTAND).SetItemIndex(2);
    M::ApplyRigRule(d_);
    EXPECT_EQ(d_.Name(M::kRigSizeLabel).Text(), "Durchmesser [mm]");
    d_.At(M::F_PRUEFSTAND).SetItemIndex(3);
    M::ApplyRigRule(d_);
    EXPECT_EQ(d_.Name(M::kRigSizeLabel).Text(), "Fläche [m²]");
    d_.At(M::F_PRUEFSTAND).SetItemIndex(4);
    M::ApplyRigRule(d_);
    EXPECT_FALSE(d_.At(M::F_PRUEFSTMASS).shown);
}

TEST_F(SeriesDialog, PhiAreaAndWidthFollowEachOther) {
    Open(3, 0, 0);
    d_.At(M::F_phiTyp).SetItemIndex(2); // radial
    d_.At(M::F_DLr).SetText("400");
    d_.At(M::F_A0).SetText("0.1");
    series().PhiAreaChanged(d_);
    EXPECT_EQ(d_.Name(M::kWidthBox).Text(), "79.577");
    EXPECT_EQ(d_.Name(M::kWidthLabel).Text(), "Breite");
    d_.Name(M::kWidthBox).SetText("50");
    series().PhiDimensionsChanged(d_);
    EXPECT_EQ(d_.At(M::F_A0).Text(), "0.062832");
    d_.At(M::F_phiTyp).SetItemIndex(0);
    series().PhiAreaChanged(d_);
    EXPECT_FALSE(d_.Name(M::kWidthBox).shown);
}

TEST_F(SeriesDialog, MeteringChecksAndStoring) {
    Open(1, 0, -1);
    EXPECT_EQ(Error(), "Der Düsendurchmesser muss grösser 0 sein! @DBwdCombo");
    d_.Name(M::kNozzleCombo).SetItemIndex(3);
    EXPECT_EQ(Error(), "");
    d_.At(M::F_MESSMETHODE).SetItemIndex(2);
    EXPECT_EQ(Error(), "Der Blendenrohrdurchmesser muss grösser 0 sein! @DRwCombo");
    d_.Name(M::kPipeCombo).SetItemIndex(1);
    EXPECT_EQ(Error(), "Der Blendendurchmesser muss grösser 0 sein! @DBwbCombo");
    d_.Name(M::kOrificeCombo).SetItemIndex(2);
    EXPECT_EQ(Error(), "");
    series().DialogToRecord(d_, record_);
    EXPECT_FLOAT_EQ(series().GetFloat(record_, M::F_DR), 200);
    EXPECT_FLOAT_EQ(series().GetFloat(record_, M::F_DB), 70);
    d_.At(M::F_MESSMETHODE).SetItemIndex(3);
    series().DialogToRecord(d_, record_);
    EXPECT_FLOAT_EQ(series().GetFloat(record_, M::F_DR), 0);
    EXPECT_FLOAT_EQ(series().GetFloat(record_, M::F_DB), 0);
}

TEST_F(SeriesDialog, ImpellerPickCopiesDiameterAndWidth) {
    TMdbLaufrad& impellers = catalogue_.Laufrad();
    TMdbRecord* impeller = impellers.NewRecordWithDefaults(1);
    impellers.SetFloat(impeller, TMdbLaufrad::F_D2, 400);
    impellers.SetFloat(impeller, TMdbLaufrad::F_B2, 50);
    impellers.RebuildIndex(false);
    Open(1, 100, -1);
    d_.At(M::F_phiTyp).SetItemIndex(4); // cross-flow: A0 = D2 b
    series().ReferencePicked(d_, M::F_LFRDNR, impellers.Key(impeller));
    EXPECT_EQ(d_.At(M::F_DLr).Text(), "400.000");
    EXPECT_EQ(d_.Name(M::kWidthBox).Text(), "50.000");
    EXPECT_EQ(d_.At(M::F_A0).Text(), "0.020000");
    EXPECT_EQ(d_.Name(M::kImpellerName).Text(), impellers.Designation(impeller));
}

// The editor answers as told; a cancelled new series leaves no record behind.
struct TScriptedEditor : TRecordEditor {
    bool ShowEditDialog(TMdb&, TMdbRecord*, bool isNew, TMdbBrowser*) override {
        sawNew = isNew;
        return answer;
    }
    bool answer = false;
    bool sawNew = false;
};

TEST_F(SeriesDialog, CancelledNewSeriesLeavesNothingAndOkIsRemembered) {
    TScriptedEditor editor;
    TRecordEditor::Install(&editor);
    const int before = series().RecordCount();
    std::int32_t key = 0;
    EXPECT_FALSE(series().EditRecord(nullptr, key, 0));
    EXPECT_TRUE(editor.sawNew);
    EXPECT_EQ(series().RecordCount(), before);
    editor.answer = true;
    EXPECT_TRUE(series().EditRecord(nullptr, key, 0));
    EXPECT_EQ(series().LastEditedSeries(), key);
    EXPECT_NE(series().FindByKey(key), nullptr);
    EXPECT_FALSE(series().EditRecord(nullptr, key, 1)); // the points are not edited here
    TRecordEditor::Install(nullptr);
}

} // namespace
} // namespace corvane
