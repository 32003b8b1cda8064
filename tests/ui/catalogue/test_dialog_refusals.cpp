// Every rule of every record dialog and of the series dialog, walked through one table: the
// refusal keeps the dialog open, shows the rule's message, turns to the page of the control
// it names and focuses that control; the record stays as it was.

#include "EditFormSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTabWidget>
#include <vector>

namespace corvane {
namespace {

using test::TDialog;
using test::TTarget;
using EveryDialog = test::EditableDemo;
using L = TMdbLaufrad;
using G = TMdbGehaeuse;
using M = TMdbMessung;

// What the user does to one control: a button is clicked; a combo or choice takes the item
// "#n"; a box gets the text typed ("@n": the field's text in the table's record n; a hidden
// box is set as a pick would set it).
struct TStep {
    TTarget Target;
    const char* Value = "";
};

void Apply(TRecordEditForm& form, TMdb& table, const TStep& step) {
    QWidget* widget = test::Find(form, step.Target);
    ASSERT_NE(widget, nullptr) << step.Target.Field << " "
                               << (step.Target.Name ? step.Target.Name : "");
    QString value = QString::fromUtf8(step.Value);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(value.mid(1).toInt());
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (value.startsWith(QLatin1Char('@')))
            value = QString::fromStdString(
                table.GetFieldText(table.KeyRecord(value.mid(1).toInt()), step.Target.Field));
        if (edit->isHidden())
            edit->setText(value);
        else
            test::Retype(edit, value);
    } else {
        FAIL() << "no way to change control " << step.Target.Field;
    }
}

// A refusal: the dialog of `Dialog` on record 0 (or a new record), the steps, the control
// that must get the focus, the exact message and the page it is on ("" without pages).
struct TRefusal {
    TDialog Dialog;
    bool New;
    std::vector<TStep> Steps;
    TTarget Focus;
    const char* Message;
    const char* Page;
};

TEST_F(EveryDialog, EachRuleRefusesWithItsMessageAndFocusesItsControlOnItsPage) {
    using D = TDialog;
    using K = TMdbDuese;
    using T = TMdbLrTyp;
    using Mo = TMdbMotor;
    using C = TMdbKunde;
    using O = TMdbAuftrag;
    using X = TMdbTexte;
    using B = TMdbBild;
    // clang-format off
    const std::vector<TRefusal> cases = {
        {D::Impeller, false, {{{L::F_KRUEMRAD}, "-1"}}, {L::F_KRUEMRAD},
         "Krümm-Rad. muss zwischen 0 und 2147483648 liegen!", "Abmessungen II"},
        {D::Impeller, false, {{{L::F_TYPNR}, "0"}}, {L::F_TYPNR},
         "Typ-Nr. muss zwischen 1 und 2147483648 liegen!", "Laufrad"},
        {D::Impeller, false, {{{0, "InsBtn"}}}, {L::F_LAUFRADBEZ},
         "Dieses Laufrad existiert schon (eventuell Version ändern)!", "Laufrad"},
        {D::Housing, false, {{{G::F_DA}, "-1"}}, {G::F_DA},
         "DA muss zwischen 0 und 2147483648 liegen!", "Abmessungen III"},
        {D::Housing, false, {{{G::F_GEHSBEZ}, " "}}, {G::F_GEHSBEZ},
         "Gehäuse-Bezeichnung darf nicht leer sein!", "Gehäuse"},
        {D::Housing, false, {{{G::F_GEHSEFORM}, "#0"}}, {G::F_GEHSEFORM},
         "Gehäuseform muss angegeben werden!", "Gehäuse"},
        {D::Housing, true, {{{0, "InsBtn"}}}, {G::F_GEHSBEZ},
         "Dieses Gehäuse existiert schon!", "Gehäuse"},
        {D::Nozzle, false, {{{K::F_TYPBEZ}, ""}}, {K::F_TYPBEZ}, "Typ darf nicht leer sein!", ""},
        {D::Nozzle, false, {{{K::F_DA}, "-1"}}, {K::F_DA},
         "Da muss zwischen 0 und 2147483648 liegen!", ""},
        {D::Nozzle, false, {{{K::F_TYPBEZ}, "@1"}, {{K::F_GROESSE}, "@1"}}, {K::F_TYPBEZ},
         "Diese Einlaufdüse existiert schon!", ""},
        {D::Type, false, {{{T::F_TYPBEZ}, ""}}, {T::F_TYPBEZ},
         "Typ-Bezeichnung darf nicht leer sein!", ""},
        {D::Type, true, {{{T::F_TYPNR}, "0"}}, {T::F_TYPNR},
         "Laufrad-Typ muss zwischen 1 und 2147483648 liegen!", ""},
        {D::Type, true, {{{T::F_TYPNR}, "@0"}, {{T::F_TYPBEZ}, "Neu"}}, {T::F_TYPNR},
         "Dieser Laufrad-Typ existiert schon!", ""},
        {D::Motor, false, {{{Mo::F_MOTORBEZ}, ""}}, {Mo::F_MOTORBEZ},
         "Motor-Bezeichnung darf nicht leer sein!", ""},
        {D::Motor, false, {{{Mo::F_COS_PHI}, "2"}}, {Mo::F_COS_PHI},
         "cos(´phi´) muss zwischen 0 und 1 liegen!", ""},
        {D::Motor, true, {{{Mo::F_MOTORBEZ}, "@0"}}, {Mo::F_MOTORBEZ},
         "Dieser Motor existiert schon!", ""},
        {D::Customer, false, {{{C::F_NAME}, ""}}, {C::F_NAME},
         "Kunden-Name darf nicht leer sein!", ""},
        {D::Customer, true, {{{C::F_KUNDENNR}, "0"}}, {C::F_KUNDENNR},
         "Kunden-Nr. muss zwischen 1 und 2147483648 liegen!", ""},
        {D::Customer, true, {{{C::F_NAME}, "Neu"}, {{C::F_KUNDENNR}, "@0"}}, {C::F_KUNDENNR},
         "Diese Kunden-Nr. existiert schon!", ""},
        {D::Order, false, {{{O::F_ZEIT_SOLL}, "-1"}}, {O::F_ZEIT_SOLL},
         "Zeit-Soll muss zwischen 0 und 2147483648 liegen!", ""},
        {D::Order, true, {{{O::F_AUFTRAGSNR}, "@0"}, {{O::F_KUNDENNR}, "@0"}}, {O::F_AUFTRAGSNR},
         "Diese Auftrags-Nr. existiert schon!", ""},
        {D::Text, false, {{{X::F_TEXTINHALT}, ""}}, {X::F_TEXTINHALT},
         "Text darf nicht leer sein!", ""},
        {D::Text, true, {{{X::F_TEXTNR}, "0"}}, {X::F_TEXTNR},
         "Nr muss zwischen 1 und 2147483648 liegen!", ""},
        {D::Text, true, {{{X::F_TEXTNR}, "@0"}, {{X::F_TEXTINHALT}, "Neu"}}, {X::F_TEXTNR},
         "Diese Text-Nr. existiert schon!", ""},
        {D::Picture, false, {{{B::F_BILDBEZ}, ""}}, {B::F_BILDBEZ},
         "Bild-Bezeichnung darf nicht leer sein!", ""},
        {D::Picture, false, {{{B::F_BILDBEZ}, "@1"}}, {B::F_BILDBEZ},
         "Diese Bild-Bezeichnung existiert schon!", ""},
        {D::Picture, true, {{{B::F_BILDNR}, "-1"}}, {B::F_BILDNR},
         "Bild-Nr. muss zwischen 0 und 2147483648 liegen!", ""},
        {D::Picture, true, {{{B::F_BILDNR}, "@0"}, {{B::F_BILDBEZ}, "Neu"}}, {B::F_BILDNR},
         "Diese Bild-Nr. existiert schon!", ""},
        {D::Series, false, {{{M::F_DLr}, "0"}}, {M::F_DLr},
         "DLr muss zwischen 1 und 2147483648 liegen!", "Angaben zum Laufrad"},
        {D::Series, true, {{{0, "InsBtn"}}, {{M::F_MESSNR}, "@0"}}, {M::F_MESSNR},
         "Diese Mess-Nr. existiert schon!", "Angaben zur Messreihe"},
        {D::Series, false, {{{M::F_DBTYP}, "#0"}}, {M::F_DBTYP},
         "Db-Typ-Nr. muss angegeben werden!", "Angaben zur Messreihe"},
        // The impeller's number box is hidden: its name box takes the focus.
        {D::Series, false, {{{M::F_LFRDNR}, "0"}}, {0, M::kImpellerName},
         "Laufrad muss angegeben werden!", "Angaben zum Laufrad"},
        {D::Series, false, {{{M::F_MESSMETHODE}, "#1"}, {{0, M::kNozzleCombo}, "#0"}},
         {0, M::kNozzleCombo}, "Der Düsendurchmesser muss grösser 0 sein!", "Prüfstandsdaten"},
        {D::Series, false, {{{M::F_MESSMETHODE}, "#2"}, {{0, M::kPipeCombo}, "#0"}},
         {0, M::kPipeCombo}, "Der Blendenrohrdurchmesser muss grösser 0 sein!", "Prüfstandsdaten"},
        {D::Series, false,
         {{{M::F_MESSMETHODE}, "#2"}, {{0, M::kPipeCombo}, "#1"}, {{0, M::kOrificeCombo}, "#0"}},
         {0, M::kOrificeCombo}, "Der Blendendurchmesser muss grösser 0 sein!", "Prüfstandsdaten"},
    };
    // clang-format on
    for (const TRefusal& c : cases) {
        TMdb& table = test::TableOf(catalogue_, c.Dialog);
        SCOPED_TRACE(table.TableName() + ": " + c.Message);
        const TMdbRecord* record = c.New ? nullptr : table.KeyRecord(0);
        std::vector<std::string> before;
        for (const TStep& step : c.Steps)
            before.push_back(record != nullptr && step.Target.Field > 0
                                 ? table.GetFieldText(record, step.Target.Field)
                                 : std::string());
        user_.messages.clear();
        // "einfügen" copies record 1, and the copy is confirmed.
        catalogue_.Laufrad().SetLastEditedKey(
            catalogue_.Laufrad().Key(catalogue_.Laufrad().KeyRecord(1)));
        catalogue_.Gehaeuse().SetLastEditedKey(
            catalogue_.Gehaeuse().Key(catalogue_.Gehaeuse().KeyRecord(1)));
        catalogue_.Messung().SetLastEditedSeries(
            catalogue_.Messung().Key(catalogue_.Messung().KeyRecord(1)));
        user_.answer = true;
        const bool stored =
            test::OpenDialog(catalogue_, c.Dialog, c.New, [&](TRecordEditForm& form) {
                QTabWidget* pages = form.Pages();
                // Start on a page other than the refusal's, so that the refusal must turn to it.
                if (pages != nullptr)
                    pages->setCurrentIndex(pages->tabText(pages->count() - 1) ==
                                                   QString::fromUtf8(c.Page)
                                               ? 0
                                               : pages->count() - 1);
                for (const TStep& step : c.Steps)
                    Apply(form, table, step);
                ASSERT_TRUE(form.Changed());
                test::Click(form, "OkBtn");
                EXPECT_TRUE(form.isVisible());
                ASSERT_EQ(user_.messages.size(), 1u);
                EXPECT_EQ(user_.messages[0], c.Message);
                if (pages != nullptr) {
                    EXPECT_EQ(pages->tabText(pages->currentIndex()), QString::fromUtf8(c.Page));
                }
                EXPECT_EQ(form.focusWidget(), test::Find(form, c.Focus));
            });
        EXPECT_FALSE(stored);
        for (std::size_t i = 0; record != nullptr && i < c.Steps.size(); ++i)
            if (c.Steps[i].Target.Field > 0) {
                EXPECT_EQ(table.GetFieldText(record, c.Steps[i].Target.Field), before[i]);
            }
    }
}

} // namespace
} // namespace corvane
