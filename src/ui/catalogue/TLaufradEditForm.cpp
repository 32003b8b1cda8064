#include "ui/catalogue/TLaufradEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLaufrad.h"
#include "ui/catalogue/TChoiceGroup.h"
#include "ui/common/QtText.h"

#include <QGridLayout>
#include <QLineEdit>

namespace corvane {

using L = TMdbLaufrad;

TLaufradEditForm::TLaufradEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                                   TIniFile& settings, QWidget* parent)
    : TPicturedEditForm(catalogue.Laufrad(), record, isNew, settings, catalogue, L::F_BILDNR,
                        parent) {
    setWindowTitle(ShownText("Laufrad bearbeiten"));

    QGridLayout* first = AddFirstPage(ShownText("Laufrad"));
    int row = AddFields(first, 0, {L::F_LAUFRADBEZ, L::F_BLATTNR}, 1);
    // The designation is made from the other boxes when OK checks them.
    qobject_cast<QLineEdit*>(BoundWidget(L::F_LAUFRADBEZ))->setReadOnly(true);
    AddReference(first, row++, L::F_TYPNR, L::F_TYPBEZ, "LrTypBtn");
    AddChoice(first, row++, 0, L::F_DREHRICHT, {ShownText("rechts"), ShownText("links")})
        ->setObjectName(QStringLiteral("DrehRadio"));
    AddInletChoice(first, row++, L::F_FLUTIGKEIT);
    row = AddFields(first, row, {L::F_VERSION, L::F_HERSTELLER, L::F_INFOTEXT, L::F_ZEICHNR}, 1);
    EndFirstPage(first, row, L::F_BILDBEZ, L::F_MESSNR);

    AddFields(AddPage(ShownText("Abmessungen I")), 0,
              {L::F_D2NENN, L::F_RB, L::F_B2, L::F_B0, L::F_BS, L::F_SCHFLBREIT, L::F_SCHFLDICKE,
               L::F_SCHFLLAENG, L::F_D2, L::F_D1, L::F_D0, L::F_DRI, L::F_DR0, L::F_SEHNLAENGE,
               L::F_D2NABE, L::F_DMAXNABE});
    AddFields(AddPage(ShownText("Abmessungen II")), 0,
              {L::F_KRUEMRAD, L::F_UEBERST_L1, L::F_UEBERST_L2, L::F_RODICKE_S1, L::F_ROHOEHE_H4,
               L::F_RIDICKE_S2, L::F_DRHOEHE_H3, L::F_BOEHOEH_H5, L::F_H6, L::F_H7, L::F_DRRADIUS,
               L::F_BREITE1, L::F_BREITE2, L::F_T, L::F_X, L::F_L3, L::F_EINBHOEHE});
    QGridLayout* technical = AddPage(ShownText("techn. Daten"));
    row = AddFields(
        technical, 0,
        {L::F_SCHFLZAHL, L::F_BETA1, L::F_BETA2, L::F_GAMMA, L::F_NABENGEW, L::F_NABENTYP});
    AddLabel(technical, row, 0, L::F_KEILNUT);
    AddCombo(technical, row, 1, L::F_KEILNUT,
             {ShownText("ohne Keilnut"), ShownText("mit Keilnut")});
    row = AddFields(technical, row + 1,
                    {L::F_Q_RANZ, L::F_Q_RANORD, L::F_BREITENVAR, L::F_GEWICHT, L::F_MINDREHZ,
                     L::F_MAXDREHZ, L::F_MASSENTRG, L::F_MATERIAL});
    AddReference(technical, row, L::F_DUESE, L::F_EINSTROEMDUESE, "DueseBtn", "noDueseBtn");
    technical->setRowStretch(row + 1, 1);

    Finish();
}

} // namespace corvane
