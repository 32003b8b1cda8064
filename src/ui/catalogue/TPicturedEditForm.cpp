#include "ui/catalogue/TPicturedEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TImage.h"
#include "catalogue/TMdbBild.h"
#include "mdb/TDialogControl.h"
#include "ui/catalogue/TChoiceGroup.h"
#include "ui/catalogue/TPicturePane.h"
#include "ui/common/QtText.h"
#include "util/Numbers.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

TPicturedEditForm::TPicturedEditForm(TMdb& table, TMdbRecord* record, bool isNew,
                                     TIniFile& settings, TCatalogue& catalogue, int pictureField,
                                     QWidget* parent)
    : TRecordEditForm(table, record, isNew, settings, parent), catalogue_(catalogue),
      pictureField_(pictureField) {
    QPushButton* copy = AddButton(ShownText("einfügen"), "InsBtn");
    connect(copy, &QPushButton::clicked, this, [this] { CopyFromOther(); });
}

QGridLayout* TPicturedEditForm::AddFirstPage(const QString& title) {
    QGridLayout* page = AddPage(title);
    auto* fields = new QGridLayout;
    page->addLayout(fields, 0, 0, Qt::AlignTop);
    auto* panel = new QVBoxLayout;
    sketch_ = new TPicturePane(page->parentWidget());
    sketch_->setObjectName(QStringLiteral("SkizzeBox"));
    picture_ = new TPicturePane(page->parentWidget());
    picture_->setObjectName(QStringLiteral("BildBox"));
    panel->addWidget(sketch_, 1);
    panel->addWidget(picture_, 1);
    page->addLayout(panel, 0, 1);
    page->setColumnStretch(1, 1);
    return fields;
}

void TPicturedEditForm::Finish() {
    Open();
    LoadPictures();
    if (auto* number = qobject_cast<QLineEdit*>(BoundWidget(pictureField_)); number != nullptr)
        connect(number, &QLineEdit::textChanged, this, [this] { LoadPictures(); });
}

void TPicturedEditForm::AddInletChoice(QGridLayout* grid, int row, int field) {
    AddChoice(grid, row, 0, field, {ShownText("einflutig"), ShownText("doppelt")})
        ->setObjectName(QStringLiteral("FlutRadio"));
}

void TPicturedEditForm::EndFirstPage(QGridLayout* grid, int row, int pictureTextField,
                                     int seriesField) {
    AddReference(grid, row++, pictureField_, pictureTextField, "BildBtn", "noBildBtn");
    AddReference(grid, row++, seriesField, 0, "MessNrBtn", "noMessNrBtn");
    grid->setRowStretch(row, 1);
}

void TPicturedEditForm::LoadPictures() {
    TImage sketch;
    TImage picture;
    const TDialogControl* number = Bound(pictureField_);
    if (number != nullptr)
        catalogue_.Bild().LoadPictures(sketch, picture, ClampRoundInt(ParseNumber(number->Text())));
    if (sketch_ != nullptr) sketch_->SetImage(sketch);
    if (picture_ != nullptr) picture_->SetImage(picture);
}

} // namespace corvane
