#include "ui/curves/TPointMenu.h"

#include "ui/curves/KennlTexts.h"

namespace corvane {

TPointMenu::TPointMenu(int showMode, bool insertVisible, bool deleteVisible, QWidget* parent)
    : QMenu(parent), points_(addAction(KennlText(EKennlText::PunkteMen))),
      parabolas_(addAction(KennlText(EKennlText::ParabelMen))) {
    setObjectName(QStringLiteral("AnzeigePop"));
    points_->setObjectName(QStringLiteral("PunkteMen"));
    parabolas_->setObjectName(QStringLiteral("ParabelMen"));
    points_->setCheckable(true);
    parabolas_->setCheckable(true);
    points_->setChecked(showMode == 1);
    parabolas_->setChecked(showMode == 2);
    addSeparator();
    insert_ = addAction(KennlText(EKennlText::PunktInsMen));
    delete_ = addAction(KennlText(EKennlText::PunktDelMen));
    insert_->setObjectName(QStringLiteral("PunktInsMen"));
    delete_->setObjectName(QStringLiteral("PunktDelMen"));
    insert_->setVisible(insertVisible);
    delete_->setVisible(deleteVisible);
    addSeparator();
    copy_ = addAction(KennlText(EKennlText::CopyMen));
    copy_->setObjectName(QStringLiteral("CopyMen"));
}

} // namespace corvane
