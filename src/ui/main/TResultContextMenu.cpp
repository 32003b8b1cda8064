#include "ui/main/TResultContextMenu.h"

#include "i18n/Texts.h"
#include "selection/TResultRowMenu.h"
#include "ui/common/QtText.h"

namespace corvane {

namespace {

void PrepareSheet(QAction* action, const TDataSheetItem& sheet) {
    action->setText(ShownText(sheet.Caption));
    action->setEnabled(sheet.Exists);
    action->setData(ToQString(sheet.File));
}

} // namespace

TResultContextMenu::TResultContextMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("ErgPopup"));
    selMen_ = Add("SelMen");
    selMen_->setCheckable(true);
    addSeparator();
    pdfGehAnzMen_ = Add("PdfGehAnzMen");
    bildAnzMen_ = Add("BildAnzMen");
    pdfLaufrAnzMen_ = Add("PdfLaufrAnzMen");
    pdfEinstrAnzMen_ = Add("PdfEinstrAnzMen");
    addSeparator();
    for (std::size_t i = 0; i < info_.size(); ++i) {
        const std::string name = "Info" + std::to_string(i + 1) + "Men";
        info_[i] = Add(name.c_str());
    }
    addSeparator();
    warenkorbAddMen_ = Add("WarenkorbAddMen");

    connect(selMen_, &QAction::triggered, this, [this] { Q_EMIT markToggled(); });
    for (QAction* sheet : {pdfGehAnzMen_, pdfLaufrAnzMen_, pdfEinstrAnzMen_})
        connect(sheet, &QAction::triggered, this,
                [this, sheet] { Q_EMIT dataSheetChosen(sheet->data().toString()); });
    connect(bildAnzMen_, &QAction::triggered, this, [this] { Q_EMIT pictureChosen(); });
    connect(warenkorbAddMen_, &QAction::triggered, this, [this] { Q_EMIT cartChosen(); });
}

QAction* TResultContextMenu::Add(const char* name) {
    QAction* action = addAction(QString());
    action->setObjectName(QLatin1String(name));
    return action;
}

void TResultContextMenu::Prepare(const TResultRowMenu& row) {
    selMen_->setText(QTxt(TextId::SelMen));
    selMen_->setChecked(row.Marked);
    PrepareSheet(pdfGehAnzMen_, row.HousingSheet);
    PrepareSheet(pdfLaufrAnzMen_, row.ImpellerSheet);
    PrepareSheet(pdfEinstrAnzMen_, row.NozzleSheet);
    bildAnzMen_->setText(QTxt(TextId::BildAnzMen));
    bildAnzMen_->setEnabled(row.PictureNo > 0);
    for (std::size_t i = 0; i < info_.size(); ++i)
        info_[i]->setText(ShownText(row.Info[i]));
    warenkorbAddMen_->setText(ShownText(row.CartCaption));
}

} // namespace corvane
