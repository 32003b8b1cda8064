#include "ui/main/TBildAnzeigeForm.h"

#include "catalogue/TImage.h"
#include "catalogue/TMdbBild.h"
#include "i18n/Language.h"
#include "ui/common/ImageConversion.h"
#include "ui/common/QtText.h"
#include "ui/main/TPictureBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

TBildAnzeigeForm::TBildAnzeigeForm(const TMdbBild& pictures, std::int32_t pictureNo,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("BildAnzeigeForm"));
    setWindowTitle(ShownText(TMdbBild::DialogCaption(true, TextLanguage())));
    TImage sketch;
    TImage picture;
    pictures.LoadPictures(sketch, picture, pictureNo);
    sketch_ = new TPictureBox(this);
    sketch_->SetImage(ToQImage(sketch));
    picture_ = new TPictureBox(this);
    picture_->SetImage(ToQImage(picture));

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(sketch_, 1);
    boxes->addWidget(picture_, 1);
    auto* close = new QPushButton(QStringLiteral("OK"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes, 1);
    layout->addLayout(buttons);
    resize(760, 420);
}

bool TBildAnzeigeForm::HasSketch() const {
    return sketch_->HasImage();
}

bool TBildAnzeigeForm::HasPicture() const {
    return picture_->HasImage();
}

} // namespace corvane
