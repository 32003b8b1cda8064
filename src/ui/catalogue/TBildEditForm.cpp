#include "ui/catalogue/TBildEditForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TImage.h"
#include "catalogue/TMdbBild.h"
#include "i18n/Language.h"
#include "settings/TIniFile.h"
#include "ui/catalogue/TPicturePane.h"
#include "ui/common/QtText.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace corvane {

namespace {

TBildEditForm::TFileChooser& Chooser() {
    static TBildEditForm::TFileChooser chooser;
    return chooser;
}

QString AskForFile(QWidget* owner, const QString& folder) {
    if (Chooser()) return Chooser()(owner, folder);
    return QFileDialog::getOpenFileName(owner, QString(), folder,
                                        QStringLiteral("Bilder (*.jpg *.jpeg *.bmp);;* (*)"));
}

} // namespace

void TBildEditForm::SetFileChooser(TFileChooser chooser) {
    Chooser() = std::move(chooser);
}

TBildEditForm::TBildEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew,
                             TIniFile& settings, QWidget* parent)
    : TRecordEditForm(catalogue.Bild(), record, isNew, settings, parent), catalogue_(catalogue),
      sketch_(new TPicturePane(this)), picture_(new TPicturePane(this)) {
    using B = TMdbBild;
    const TMdbBild& pictures = catalogue.Bild();
    const bool readOnly = pictures.ReadOnly();
    setWindowTitle(ShownText(TMdbBild::DialogCaption(readOnly, TextLanguage())));
    QGridLayout* grid = SinglePage();
    const int row = AddFields(grid, 0, {B::F_BILDNR, B::F_BILDBEZ}, 1);
    sketch_->setObjectName(QStringLiteral("ImSBox"));
    picture_->setObjectName(QStringLiteral("ImBBox"));
    sketch_->setMinimumSize(240, 180);
    picture_->setMinimumSize(240, 180);
    grid->addWidget(sketch_, row, 0, 1, 2);
    grid->addWidget(picture_, row, 2, 1, 2);
    grid->setRowStretch(row, 1);
    for (const char* name : {TMdbBild::kSketchFileBox, TMdbBild::kPictureFileBox}) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->hide();
        Bind(box, 0);
    }
    auto* openSketch = new QPushButton(ShownText("Skizze auswählen"), this);
    openSketch->setObjectName(QStringLiteral("OpenSBtn"));
    auto* openPicture = new QPushButton(ShownText("Bild auswählen"), this);
    openPicture->setObjectName(QStringLiteral("OpenBBtn"));
    grid->addWidget(openSketch, row + 1, 0, 1, 2);
    grid->addWidget(openPicture, row + 1, 2, 1, 2);
    openSketch->setVisible(!readOnly);
    openPicture->setVisible(!readOnly);
    connect(openSketch, &QPushButton::clicked, this, [this] { ChooseFile(true); });
    connect(openPicture, &QPushButton::clicked, this, [this] { ChooseFile(false); });
    connect(sketch_, &TPicturePane::DoubleClicked, this, [this] { ChooseFile(true); });
    connect(picture_, &TPicturePane::DoubleClicked, this, [this] { ChooseFile(false); });
    chosenFolder_ = ToQString(settings.ReadString("Options", kFolderKey, ""));
    Open();

    TImage image;
    if (pictures.LoadPicture(image, pictures.GetText(record, B::F_PICS))) sketch_->SetImage(image);
    if (pictures.LoadPicture(image, pictures.GetText(record, B::F_PICB))) picture_->SetImage(image);
}

void TBildEditForm::ChooseFile(bool sketch) {
    if (Table().ReadOnly()) return;
    const QString path = AskForFile(this, chosenFolder_);
    if (path.isEmpty()) return;
    TImage image;
    image.LoadFromFile(ToUtf8(path));
    (sketch ? sketch_ : picture_)->SetImage(image);
    catalogue_.Bild().FileChosen(*this, sketch, ToUtf8(path));
    chosenFolder_ = QFileInfo(path).absolutePath();
    SetChanged();
}

void TBildEditForm::Stored() {
    if (!chosenFolder_.isEmpty())
        Settings().WriteString("Options", kFolderKey, ToUtf8(chosenFolder_));
}

} // namespace corvane
