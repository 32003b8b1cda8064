// The generic record binding and the catalogue tables' dialog rules on a dialog held in
// memory: messages, focus fields, what is stored and what is shown.

#include "FakeDialog.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbMotor.h"
#include "i18n/Language.h"
#include "mdb/EDialogError.h"
#include "mdb/TConfirmation.h"
#include "measurements/TMdbMessung.h"

#include <gtest/gtest.h>
#include <string>

namespace corvane {
namespace {

using test::TFakeDialog;
using K = TControlKind;
using L = TMdbLaufrad;
using G = TMdbGehaeuse;

// The message and the focus of the refusal, or "" when the dialog passes.
std::pair<std::string, int> Refusal(TMdb& table, TFakeDialog& dialog, TMdbRecord* record) {
    try {
        table.ValidateDialog(dialog, record);
    } catch (const EDialogError& e) {
        return {e.what(), e.Field};
    }
    return {"", 0};
}

class DialogRules : public ::testing::Test {
protected:
    DialogRules() { SetTextLanguage(0); }
    TMdbRecord* Impeller(std::int32_t nr, int type, int d2, float b2, const char* inlet) {
        L& t = catalogue_.Laufrad();
        TMdbRecord* r = t.NewRecord();
        t.SetInt(r, L::F_LFRDNR, nr);
        t.SetInt(r, L::F_TYPNR, type);
        t.SetInt(r, L::F_D2NENN, d2);
        t.SetFloat(r, L::F_B2, b2);
        t.SetFloat(r, L::F_BS, b2 / 2);
        t.SetText(r, L::F_DREHRICHT, "R");
        t.SetText(r, L::F_FLUTIGKEIT, inlet);
        t.SetInt(r, L::F_VERSION, 1);
        t.RebuildIndex(false);
        return r;
    }
    // The impeller dialog's controls that make the designation.
    TFakeDialog& ImpellerDialog(TFakeDialog& d) {
        for (int f : {L::F_LAUFRADBEZ, L::F_TYPNR, L::F_D2NENN, L::F_B2, L::F_BS, L::F_VERSION})
            d.Edit(f);
        d.Choice(L::F_DREHRICHT, {"rechts", "links"});
        d.Choice(L::F_FLUTIGKEIT, {"einflutig", "doppelt"});
        d.Edit(L::F_MINDREHZ);
        return d;
    }
    TCatalogue catalogue_;
};

TEST_F(DialogRules, GenericFillShowsCaptionsUnitsAndClampsChoices) {
    L& t = catalogue_.Laufrad();
    TMdbRecord* r = Impeller(1, 12, 450, 125.04f, "E");
    t.SetInt(r, L::F_KEILNUT, 7);
    TFakeDialog d;
    auto& label = d.Add(K::Label, L::F_B2);
    auto& twoLines = d.Add(K::Label, L::F_B0);
    twoLines.twoLines = true;
    auto& b2 = d.Edit(L::F_B2);
    auto& maker = d.Edit(L::F_HERSTELLER);
    auto& keyway = d.Add(K::Combo, L::F_KEILNUT);
    keyway.SetItems({"ohne Keilnut", "mit Keilnut"});
    t.RecordToDialog(d, r);
    EXPECT_EQ(label.Text(), "B2 Nenn    [mm]");
    EXPECT_EQ(twoLines.Text(), "B0\n[mm]");
    EXPECT_EQ(b2.Text(), "125.0");
    EXPECT_EQ(b2.maxLength, 0);
    EXPECT_EQ(maker.maxLength, 16);
    EXPECT_EQ(keyway.ItemIndex(), 0); // 7 is beyond the two items
}

TEST_F(DialogRules, GenericChecksGiveTheFieldMessageAndFocus) {
    TMdbRecord* r = Impeller(1, 12, 450, 125, "E");
    TFakeDialog d;
    ImpellerDialog(d);
    catalogue_.Laufrad().RecordToDialog(d, r);
    d.At(L::F_MINDREHZ).SetText("-1");
    EXPECT_EQ(Refusal(catalogue_.Laufrad(), d, r),
              std::make_pair(std::string("min. Drehzahl muss zwischen 0 und 2147483648 liegen!"),
                             L::F_MINDREHZ));

    // A required text of blanks; a code combo left on "????"; a hidden number box.
    G& housings = catalogue_.Gehaeuse();
    TMdbRecord* h = housings.NewRecord();
    housings.SetText(h, G::F_GEHSBEZ, "G1");
    housings.SetInt(h, G::F_GEHSEFORM, 2);
    TFakeDialog hd;
    auto& name = hd.Edit(G::F_GEHSBEZ);
    auto& form = hd.Add(K::Combo, G::F_GEHSEFORM);
    housings.RecordToDialog(hd, h);
    EXPECT_EQ(form.ItemCount(), 5);
    EXPECT_EQ(form.Text(), "Rechteck");
    name.SetText("   ");
    EXPECT_EQ(Refusal(housings, hd, h).first, "Gehäuse-Bezeichnung darf nicht leer sein!");
    name.SetText("G1");
    form.SetItemIndex(0);
    EXPECT_EQ(Refusal(housings, hd, h),
              std::make_pair(std::string("Gehäuseform muss angegeben werden!"), G::F_GEHSEFORM));

    TMdbMessung& series = catalogue_.Messung();
    TFakeDialog sd;
    auto& impeller = sd.Edit(TMdbMessung::F_LFRDNR);
    impeller.shown = false;
    impeller.SetText("0");
    EXPECT_EQ(Refusal(series, sd, nullptr).first, "Laufrad muss angegeben werden!");
}

TEST_F(DialogRules, ImpellerDesignationIsBuiltFromTheBoxesAndKeptUnique) {
    Impeller(1, 12, 450, 125, "E");
    TMdbRecord* r = Impeller(2, 12, 450, 125, "E");
    catalogue_.Laufrad().SetInt(r, L::F_VERSION, 2);
    TFakeDialog d;
    ImpellerDialog(d);
    catalogue_.Laufrad().RecordToDialog(d, r);
    EXPECT_EQ(Refusal(catalogue_.Laufrad(), d, r).first, "");
    d.At(L::F_VERSION).SetText("1");
    EXPECT_EQ(
        Refusal(catalogue_.Laufrad(), d, r),
        std::make_pair(std::string("Dieses Laufrad existiert schon (eventuell Version ändern)!"),
                       L::F_LAUFRADBEZ));
    EXPECT_EQ(d.At(L::F_LAUFRADBEZ).Text(), "012-0450-0125-R-E/01");
    // Double inlet takes the width from Bs; left rotation.
    d.At(L::F_BS).SetText("80,4");
    d.At(L::F_FLUTIGKEIT).SetItemIndex(1);
    d.At(L::F_DREHRICHT).SetItemIndex(1);
    EXPECT_EQ(Refusal(catalogue_.Laufrad(), d, r).first, "");
    EXPECT_EQ(d.At(L::F_LAUFRADBEZ).Text(), "012-0450-0080-L-D/01");
}

TEST_F(DialogRules, ImpellerStoringSetsChoicesDatesAndKeepsUntouchedFloats) {
    L& t = catalogue_.Laufrad();
    TMdbRecord* r = Impeller(3, 12, 450, 125.04f, "d");
    t.SetText(r, L::F_DREHRICHT, "links");
    t.SetFloat(r, L::F_MINDREHZ, 1234.56f);
    TFakeDialog d;
    ImpellerDialog(d);
    t.RecordToDialog(d, r);
    EXPECT_EQ(d.At(L::F_FLUTIGKEIT).ItemIndex(), 1);
    EXPECT_EQ(d.At(L::F_DREHRICHT).ItemIndex(), 1);
    d.MarkFilled();
    d.At(L::F_B2).SetText("130");
    t.DialogToRecord(d, r);
    EXPECT_FLOAT_EQ(t.GetFloat(r, L::F_B2), 130.0f);
    EXPECT_FLOAT_EQ(t.GetFloat(r, L::F_MINDREHZ), 1234.56f); // shown as 1234.6, not touched
    EXPECT_EQ(t.GetText(r, L::F_FLUTIGKEIT), "D");
    EXPECT_EQ(t.GetText(r, L::F_DREHRICHT), "L");
    EXPECT_EQ(t.GetInt(r, L::F_AENDDATUM), TMdbMessung::Today());
    EXPECT_EQ(t.GetInt(r, L::F_LFRDNR), 3); // an existing record keeps its number

    // A new impeller or housing takes the next free number and belongs to the catalogue;
    // made today, it has no change date.
    G& housings = catalogue_.Gehaeuse();
    const std::int32_t today = TMdbMessung::Today();
    struct Case {
        TMdb& table;
        TMdbRecord* record;
        int number, inCatalogue, changed;
        std::int32_t expectedNumber;
    };
    for (const Case& c :
         {Case{t, t.NewRecordWithDefaults(today), L::F_LFRDNR, L::F_INKATALOG, L::F_AENDDATUM, 4},
          Case{housings, housings.NewRecordWithDefaults(today), G::F_GEHSNR, G::F_INKATALOG,
               G::F_AENDDATUM, 1}}) {
        TFakeDialog created(true);
        c.table.DialogToRecord(created, c.record);
        EXPECT_EQ(c.table.GetInt(c.record, c.number), c.expectedNumber);
        EXPECT_EQ(c.table.GetInt(c.record, c.inCatalogue), 1);
        EXPECT_EQ(c.table.GetInt(c.record, c.changed), 0);
    }
}

TEST_F(DialogRules, HousingImpellerPickSetsTheInletAndCopyAsksFirst) {
    Impeller(5, 12, 450, 125, "D");
    Impeller(6, 12, 500, 125, "E");
    G& housings = catalogue_.Gehaeuse();
    TMdbRecord* h = housings.NewRecord();
    housings.SetInt(h, G::F_GEHSNR, 1);
    housings.SetText(h, G::F_GEHSBEZ, "Quelle");
    housings.RebuildIndex(false);
    TFakeDialog d;
    auto& number = d.Edit(G::F_LAUFRADNR);
    auto& text = d.Edit(G::F_LAUFRADBEZ);
    auto& name = d.Edit(G::F_GEHSBEZ);
    auto& inlet = d.Choice(G::F_FLUTIGKEIT, {"einflutig", "doppelt"});
    housings.ReferencePicked(d, G::F_LAUFRADNR, 5);
    EXPECT_EQ(number.Text(), "5");
    EXPECT_EQ(text.Text(), "012-0450-0062-R-D/01");
    EXPECT_EQ(inlet.ItemIndex(), 1);
    housings.ReferencePicked(d, G::F_LAUFRADNR, 6);
    EXPECT_EQ(inlet.ItemIndex(), 0);
    EXPECT_TRUE(housings.ReferenceCleared(d, G::F_LAUFRADNR));
    EXPECT_EQ(number.Text(), "0");
    EXPECT_EQ(text.Text(), "");
    EXPECT_FALSE(housings.ReferenceCleared(d, G::F_LAUFRADNR));

    struct TAnswers : TConfirmation {
        bool Confirm(const std::string& q) override {
            asked = q;
            return answer;
        }
        std::string asked;
        bool answer = false;
    } user;
    TConfirmation::Install(&user);
    EXPECT_FALSE(housings.CopyIntoDialog(d)); // nothing edited yet
    housings.SetLastEditedKey(1);
    EXPECT_FALSE(housings.CopyIntoDialog(d));
    EXPECT_EQ(user.asked, "alle Daten mit dem Gehäuse Nr. 1\r\n(Quelle) überschreiben?");
    EXPECT_EQ(name.Text(), "");
    user.answer = true;
    EXPECT_TRUE(housings.CopyIntoDialog(d));
    EXPECT_EQ(name.Text(), "Quelle");
    TConfirmation::Install(nullptr);
}

TEST_F(DialogRules, NewRecordsAreCheckedForTakenNumbersAndNames) {
    TMdbMotor& motors = catalogue_.Motor();
    TMdbRecord* m = motors.CreateRecord(1);
    motors.SetText(m, TMdbMotor::F_MOTORBEZ, "M 90");
    motors.RebuildIndex(false);
    TMdbRecord* fresh = motors.CreateRecord(1);
    TFakeDialog d(true);
    auto& name = d.Edit(TMdbMotor::F_MOTORBEZ);
    auto& type = d.Add(K::Combo, TMdbMotor::F_MOTORTYP);
    motors.RecordToDialog(d, fresh);
    EXPECT_EQ(type.ItemCount(), 7);
    name.SetText("m 90");
    EXPECT_EQ(Refusal(motors, d, fresh),
              std::make_pair(std::string("Dieser Motor existiert schon!"), TMdbMotor::F_MOTORBEZ));
    name.SetText("M 100");
    motors.DialogToRecord(d, fresh);
    EXPECT_EQ(motors.Key(fresh), 2);

    // The number box of an existing record is not editable; of a new one it is.
    TFakeDialog edit(false);
    auto& box = edit.Edit(TMdbMotor::F_MOTORNR);
    motors.RecordToDialog(edit, m);
    EXPECT_TRUE(box.readOnly);
    motors.RecordToDialog(d, fresh);
}

} // namespace
} // namespace corvane
