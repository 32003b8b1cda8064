// Commands of the main window: search, inputs, language, dialogs, marks, cart and selection
// files. Each reads the controls, calls the session and shows what it then holds.
#include "catalogue/TCatalogue.h"
#include "i18n/Texts.h"
#include "selection/TResultList.h"
#include "selection/TResultRowMenu.h"
#include "session/TRequestInput.h"
#include "session/TRequestView.h"
#include "settings/TSettings.h"
#include "ui/common/QtText.h"
#include "ui/main/ProgramTitle.h"
#include "ui/main/TAboutForm.h"
#include "ui/main/TBildAnzeigeForm.h"
#include "ui/main/TCorvaneMainForm.h"
#include "ui/main/TMainMenus.h"
#include "ui/main/TOptForm.h"
#include "ui/main/TRequestPanel.h"
#include "ui/main/TResultContextMenu.h"
#include "ui/main/TResultGrid.h"
#include "ui/main/TResultPanel.h"
#include "ui/main/TRhoForm.h"
#include "ui/main/TStatusLine.h"
#include "ui/setup/SetupActions.h"
#include "util/ProgramFolder.h"
#include "util/TUserMessage.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>

namespace corvane {

TRequestInput TCorvaneMainForm::CurrentInput() const {
    TRequestInput input = requestPanel_->Input();
    input.SortKey = resultPanel_->SortCombo()->currentIndex();
    return input;
}

void TCorvaneMainForm::ApplyLanguage() {
    setWindowTitle(QString::fromUtf8(kApplicationTitle) + QString::fromUtf8(kMainTitleSuffix));
    menus_->ApplyTexts(session_->LanguageIndex());
    requestPanel_->ApplyTexts();
    resultPanel_->ApplyTexts();
    suchBtn_->setText(QTxt(TextId::SuchBtn));
    helpBtn_->setText(QTxt(TextId::HelpBtn));
    saveBtn_->setToolTip(WithoutMnemonics(QTxt(TextId::SaveMen)));
    loadSelBtn_->setToolTip(WithoutMnemonics(QTxt(TextId::LoadSelMen)));
    ShowRequest();
    RefreshResults();
    Q_EMIT languageChanged();
}

void TCorvaneMainForm::ShowRequest() {
    const auto quiet = session_->Quiet();
    const TRequestView view = session_->View();
    requestPanel_->Show(view);
    resultPanel_->SortCombo()->setCurrentIndex(view.SortKey);
}

void TCorvaneMainForm::RefreshResults() {
    const TResultList& results = session_->Results();
    resultPanel_->Refresh();
    statusLine_->SetText(ShownText(results.StatusText()), results.StatusWarning());
    statusLine_->SetProgress(results.Progress());
    suchBtn_->setEnabled(session_->SearchEnabled());
    Q_EMIT resultsChanged();
}

void TCorvaneMainForm::Report(const TOutcome& outcome) {
    RefreshResults();
    if (!outcome) TUserMessage::Post(outcome.Message());
}

void TCorvaneMainForm::SearchClicked() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    suchBtn_->setEnabled(false);
    statusLine_->SetText(QTxt(TextId::Searching), false);
    statusLine_->repaint();
    const TOutcome outcome = session_->Search(CurrentInput());
    QApplication::restoreOverrideCursor();
    Report(outcome);
}

void TCorvaneMainForm::InputChanged(ERequestInput which) {
    if (!session_->Shown()) return;
    const TOutcome outcome = session_->InputChanged(which, CurrentInput());
    if (which == ERequestInput::SliderMax) {
        // The slider takes the new end, the speed box its position.
        const auto quiet = session_->Quiet();
        requestPanel_->ShowSpeed(session_->View());
    }
    Report(outcome);
}

void TCorvaneMainForm::ChooseLanguage(int index) {
    if (index == session_->LanguageIndex()) {
        menus_->ApplyTexts(index); // keeps the check mark where it was
        return;
    }
    const TOutcome outcome = session_->SwitchLanguage(index, CurrentInput());
    ApplyLanguage();
    Report(outcome);
}

void TCorvaneMainForm::EditOptions() {
    const int before = session_->LanguageIndex();
    if (!TOptForm::OpenOptions(this, session_->EditOptions())) return;
    const TOutcome outcome = session_->OptionsAccepted(CurrentInput());
    if (session_->LanguageIndex() != before)
        ApplyLanguage();
    else
        ShowRequest(); // a changed sound distance renames the sound-level column
    Report(outcome);
}

void TCorvaneMainForm::EditDensity() {
    double density = session_->Request().RequestedDensity;
    if (!TRhoForm::EditDensity(this, session_->EditOptions().Store, density)) return;
    const TOutcome outcome = session_->DensityAccepted(density, CurrentInput());
    ShowRequest();
    Report(outcome);
}

void TCorvaneMainForm::ShowManual() {
    OpenManual([](const QString& text) { TUserMessage::Post(ToUtf8(text)); });
}

void TCorvaneMainForm::Install() {
    const TInstallCommandResult result = RunInstallCommand(this, session_->EditOptions());
    if (result.LanguageChanged) {
        session_->ApplyLanguageIndex(session_->Options().PrintUnit);
        ApplyLanguage();
    }
    if (result.EndProgram) close();
}

void TCorvaneMainForm::ShowAbout() {
    auto* about = new TAboutForm(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void TCorvaneMainForm::ToggleChartMark(int row) {
    if (row < 0) return;
    session_->ToggleMark(static_cast<std::size_t>(row));
    RefreshResults();
    resultPanel_->Grid()->SelectRow(row);
}

void TCorvaneMainForm::ToggleCart(int row) {
    if (row < 0) return;
    Report(session_->ToggleCart(static_cast<std::size_t>(row)));
}

void TCorvaneMainForm::EmptyCart() {
    Report(session_->EmptyCart());
}

void TCorvaneMainForm::ShowContextMenu(int row, const QPoint& globalPos) {
    if (row < 0) return;
    contextRow_ = row;
    const TResultRowMenu menu = TResultRowMenu::Of(
        session_->Results(), *catalogue_, static_cast<std::size_t>(row), ProgramFile("Pdf"));
    contextPicture_ = menu.PictureNo;
    contextMenu_->Prepare(menu);
    contextMenu_->popup(globalPos);
}

void TCorvaneMainForm::OpenDataSheet(const QString& file) {
    if (file.isEmpty()) return;
    Q_EMIT dataSheetOpening(file);
    options_.OpenUrl(QUrl::fromLocalFile(file));
}

void TCorvaneMainForm::ShowPicture() {
    if (contextPicture_ <= 0) return;
    auto* form = new TBildAnzeigeForm(catalogue_->Bild(), contextPicture_, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->open();
}

void TCorvaneMainForm::SaveSelection() {
    const QString file = ChooseFile(selectionFile_, true);
    if (file.isEmpty()) return;
    selectionFile_ = file;
    Report(session_->SaveSelection(ToUtf8(file), CurrentInput()));
}

void TCorvaneMainForm::SaveQuickSelection() {
    Report(session_->SaveQuickSelection(CurrentInput()));
}

void TCorvaneMainForm::OpenSelection() {
    const QString file = ChooseFile(selectionFile_, false);
    if (file.isEmpty()) return;
    selectionFile_ = file;
    const TOutcome outcome = session_->OpenSelection(ToUtf8(file));
    ApplyLanguage();
    Report(outcome);
}

void TCorvaneMainForm::OpenQuickSelectionMarks() {
    Report(session_->OpenQuickSelectionMarks());
}

} // namespace corvane
