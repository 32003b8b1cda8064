#include "ui/catalogue/TDueseEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbDuese.h"
#include "ui/common/QtText.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

TDueseEditForm::TDueseEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                               TIniFile& settings, QWidget* parent)
    : TRecordEditForm(catalogue.Duese(), record, isNew, settings, parent) {
    using D = TMdbDuese;
    setWindowTitle(ShownText("Einströmdüse bearbeiten"));
    QGridLayout* grid = SinglePage();
    AddFields(grid, 0,
              {D::F_TYPENBEZ, D::F_TYPBEZ, D::F_GROESSE, D::F_BLATTNR, D::F_DA, D::F_DA1, D::F_DE1,
               D::F_DE2, D::F_H1, D::F_T, D::F_U});
    auto* designation = qobject_cast<QLineEdit*>(BoundWidget(D::F_TYPENBEZ));
    designation->setObjectName(QStringLiteral("BezTypEdit"));
    designation->setReadOnly(true);
    BoundWidget(D::F_TYPBEZ)->setObjectName(QStringLiteral("TypEdit"));
    BoundWidget(D::F_GROESSE)->setObjectName(QStringLiteral("GrEdit"));
    for (const int field : {D::F_TYPBEZ, D::F_GROESSE})
        connect(qobject_cast<QLineEdit*>(BoundWidget(field)), &QLineEdit::textChanged, this,
                [this, &catalogue] { catalogue.Duese().ShowDesignation(*this); });
    Open();
}

} // namespace corvane
