// The page menu of the evaluation window ("AuswPop") and the operations it offers.
#include "i18n/Language.h"
#include "model/CurveKinds.h"
#include "model/TMapSettings.h"
#include "render/curves/CurvePalette.h"
#include "render/diagram/DiagramText.h"
#include "render/reports/ReportTexts.h"
#include "selection/LayoutEdit.h"
#include "ui/reports/TAuswertungForm.h"
#include "ui/reports/TBemerkungForm.h"
#include "ui/reports/TKfeldForm.h"
#include "ui/reports/TPagePreview.h"
#include "ui/reports/TRemarkHistory.h"

#include <QMenu>

namespace corvane {

namespace {

struct TWholePage {
    int Code;
    ERep Text;
    const char* Name;
};
constexpr TWholePage kWholePages[] = {
    {90, ERep::FeldMen, "FeldMen"},     {91, ERep::DbaMicMen, "DbaMicMen"},
    {92, ERep::ParabMen, "ParabMen"},   {93, ERep::DbaBetrMen, "DbaBetrMen"},
    {94, ERep::DbaVolMen, "DbaVolMen"}, {95, ERep::AnzMen, "AnzMen"},
    {96, ERep::DeckMen, "DeckMen"},     {97, ERep::PdfMen, "PdfMen"},
    {98, ERep::ListeMen, "ListeMen"}};

QAction* Item(QMenu& menu, const QString& text, const QString& name) {
    QAction* action = menu.addAction(text);
    action->setObjectName(name);
    return action;
}

std::optional<QString> AskRemark(const QString& text, QWidget* parent) {
    TBemerkungForm form(TRemarkHistory::Shared(), text, parent);
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.Text();
}

bool AskMap(TMapSettings& settings, const TMapLines* last, QWidget* parent) {
    TKfeldForm form(settings, last, parent);
    return form.exec() == QDialog::Accepted;
}

} // namespace

void TAuswertungForm::FillMenu(QMenu& menu, int band) {
    QMenu* add = menu.addMenu(RepText(ERep::AddMen));
    add->setObjectName(QStringLiteral("AddMen"));
    QMenu* overFlow = add->addMenu(RepText(ERep::AuswVolMen));
    overFlow->setObjectName(QStringLiteral("AuswVolMen"));
    QMenu* overPhi = add->addMenu(RepText(ERep::AuswPhiMen));
    overPhi->setObjectName(QStringLiteral("AuswPhiMen"));
    for (const int code : kSelectionDiagrams) {
        QMenu* target = CurveKindOverCoefficient(code) ? overPhi : overFlow;
        QAction* action = Item(*target, DiagramText(CurveKindCaption(code, TextLanguage())),
                               QStringLiteral("Diagram%1").arg(code));
        connect(action, &QAction::triggered, this, [this, code] { AddEvaluation(code); });
    }
    for (const TWholePage& whole : kWholePages) {
        QAction* action = Item(*add, RepText(whole.Text), QString::fromLatin1(whole.Name));
        const int code = whole.Code;
        connect(action, &QAction::triggered, this, [this, code] { AddEvaluation(code); });
    }
    const TLayout& layout = Layout();
    const bool exists = page_ <= layout.Count;
    const int code = exists ? layout.Pages[static_cast<std::size_t>(page_ - 1)].Slots[0] : 0;
    connect(Item(menu, RepText(ERep::DelAuswMen), QStringLiteral("DelAuswMen")),
            &QAction::triggered, this, [this, band] { DeleteEvaluation(band); });
    connect(Item(menu, RepText(ERep::DelSeiteMen), QStringLiteral("DelSeiteMen")),
            &QAction::triggered, this, &TAuswertungForm::DeletePage);
    QAction* map = Item(menu, RepText(ERep::KfeldMen), QStringLiteral("KfeldMen"));
    map->setVisible(code == 90);
    connect(map, &QAction::triggered, this, &TAuswertungForm::EditMap);
    QAction* remark = Item(menu, RepText(ERep::BemerkungMen), QStringLiteral("BemerkungMen"));
    remark->setVisible(exists &&
                       ((code >= 1 && code <= kLastCurveKind) || (code >= 90 && code <= 95)));
    connect(remark, &QAction::triggered, this, &TAuswertungForm::EditRemark);
    connect(Item(menu, RepText(ERep::CopyMen), QStringLiteral("CopyMen")), &QAction::triggered,
            this, &TAuswertungForm::CopyToClipboard);
}

void TAuswertungForm::ShowPageMenu(QPoint position) {
    QMenu menu(this);
    FillMenu(menu, preview_->BandAt(position));
    const QPoint global = preview_->mapToGlobal(position);
    if (popupRunner_)
        popupRunner_(menu, global);
    else
        menu.exec(global);
}

void TAuswertungForm::AddEvaluation(int code) {
    corvane::AddEvaluation(EditLayout(), page_, code);
    Refresh();
}

void TAuswertungForm::DeleteEvaluation(int band) {
    corvane::DeleteEvaluation(EditLayout(), page_, std::max(band, 1));
    Refresh();
}

void TAuswertungForm::DeletePage() {
    corvane::DeletePage(EditLayout(), page_);
    Refresh();
}

void TAuswertungForm::EditRemark() {
    if (page_ > Layout().Count) return;
    TLayoutPage& page = EditLayout().Pages[static_cast<std::size_t>(page_ - 1)];
    const auto ask = remarkPrompt_ ? remarkPrompt_ : AskRemark;
    const std::optional<QString> text = ask(QString::fromStdString(page.Remark), this);
    if (!text) return;
    page.Remark = text->toStdString();
    Refresh();
}

void TAuswertungForm::EditMap() {
    const TMapLines* last = preview_->Page().Code == 90 ? &preview_->Page().Map.Map : nullptr;
    const auto ask = mapPrompt_ ? mapPrompt_ : AskMap;
    if (ask(TMapSettings::Shared(), last, this)) Refresh();
}

} // namespace corvane
