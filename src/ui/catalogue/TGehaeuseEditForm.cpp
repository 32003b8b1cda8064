#include "ui/catalogue/TGehaeuseEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "ui/common/QtText.h"

#include <QComboBox>
#include <QGridLayout>

namespace corvane {

using G = TMdbGehaeuse;

TGehaeuseEditForm::TGehaeuseEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                                     TIniFile& settings, QWidget* parent)
    : TPicturedEditForm(catalogue.Gehaeuse(), record, isNew, settings, catalogue, G::F_BILDNR,
                        parent) {
    setWindowTitle(ShownText("Gehäuse bearbeiten"));

    QGridLayout* first = AddFirstPage(ShownText("Gehäuse"));
    int row = AddFields(first, 0, {G::F_GEHSBEZ, G::F_BLATTNR}, 1);
    AddReference(first, row++, G::F_TYPNR, G::F_TYPBEZ, "LrTypBtn");
    AddInletChoice(first, row++, G::F_FLUTIGKEIT);
    row = AddFields(first, row, {G::F_BAUGROESSE, G::F_GEHSEFORM}, 1);
    BoundWidget(G::F_GEHSEFORM)->setObjectName(QStringLiteral("QuerCombo"));
    AddReference(first, row++, G::F_LAUFRADNR, G::F_LAUFRADBEZ, "LaufradBtn", "noLaufradBtn");
    EndFirstPage(first, row, G::F_BILDBEZ, G::F_MESSNR);

    AddFields(AddPage(ShownText("Abmessungen I")), 0,
              {G::F_D2, G::F_RB, G::F_B2, G::F_B0, G::F_BS, G::F_A, G::F_H, G::F_HZ, G::F_H1Q,
               G::F_H2Q, G::F_C, G::F_E, G::F_F, G::F_G, G::F_B, G::F_E1});
    AddFields(AddPage(ShownText("Abmessungen II")), 0,
              {G::F_K, G::F_L, G::F_M, G::F_N, G::F_L1, G::F_L2, G::F_L3, G::F_L4, G::F_R1, G::F_R2,
               G::F_R3, G::F_R4, G::F_R5, G::F_R6, G::F_R7, G::F_R8});
    AddFields(AddPage(ShownText("Abmessungen III")), 0,
              {G::F_R, G::F_X1, G::F_X2, G::F_X3, G::F_X4, G::F_Y1, G::F_Y2, G::F_Y3, G::F_Y5,
               G::F_S1, G::F_S2, G::F_DE1, G::F_H1, G::F_R1E, G::F_R2E, G::F_DA});
    AddFields(AddPage(ShownText("sonstige Daten")), 0,
              {G::F_BREITENVAR, G::F_U, G::F_OEFFWKL, G::F_GEHAEUSENR, G::F_HERSTELLER}, 1);
    Finish();
}

} // namespace corvane
