#include "ui/catalogue/TMotorEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbMotor.h"
#include "ui/common/QtText.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

TMotorEditForm::TMotorEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                               TIniFile& settings, QWidget* parent)
    : TRecordEditForm(catalogue.Motor(), record, isNew, settings, parent) {
    using M = TMdbMotor;
    setWindowTitle(ShownText("Motor bearbeiten"));
    AddFields(SinglePage(), 0,
              {M::F_MOTORBEZ, M::F_HERSTELLER, M::F_FREQUENZ, M::F_NENNSPG, M::F_NENNSTROM,
               M::F_AUFNLEIST, M::F_NENNDREHZA, M::F_COS_PHI, M::F_INFOTEXT, M::F_MOTORTYP,
               M::F_SERIENNR});
    BoundWidget(M::F_MOTORTYP)->setObjectName(QStringLiteral("TypCombo"));
    Open();
}

} // namespace corvane
