#include "ui/main/TCurveCommands.h"

#include "i18n/Texts.h"
#include "model/TMessAuswahl.h"
#include "render/reports/ResultRows.h"
#include "selection/TResultList.h"
#include "settings/TSettings.h"
#include "ui/common/QtText.h"
#include "ui/curves/TCurveWindows.h"
#include "ui/main/TCorvaneMainForm.h"
#include "util/TUserMessage.h"

#include <QAction>
#include <QFontDialog>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#include <exception>

namespace corvane {

namespace {

constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 64;

std::optional<QFont> AskFont(QWidget* parent, const QFont& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    return ok ? std::optional<QFont>(chosen) : std::nullopt;
}

} // namespace

TCurveCommands::TCurveCommands(TCorvaneMainForm& form)
    : QObject(&form), form_(form), selection_(std::make_unique<TMessAuswahl>(form.Catalogue())),
      context_(std::make_unique<TCurveWindowContext>(
          TCurveWindowContext{form.Catalogue(), *selection_, form.Session().EditOptions(),
                              [this](const TMessSlot& slot) { return SlotName(slot.DisplayNo); },
                              ResultRowOf(form.Session().Results())})),
      windows_(std::make_unique<TCurveWindows>(*context_)), kennlBtn_(new QPushButton),
      fontMen_(new QAction(this)), chooseFont_(AskFont) {
    kennlBtn_->setObjectName(QStringLiteral("KennlBtn"));
    fontMen_->setObjectName(QStringLiteral("FontMen"));
    form.AddButton(kennlBtn_);
    // The font item comes first in the settings menu, before the options.
    QMenu* settings = form.SettingsMenu();
    settings->insertAction(settings->actions().value(0), fontMen_);
    ApplyTexts();
    connect(kennlBtn_, &QPushButton::clicked, this, &TCurveCommands::OpenCurves);
    connect(fontMen_, &QAction::triggered, this, &TCurveCommands::EditFont);
    connect(&form, &TCorvaneMainForm::resultsChanged, this, &TCurveCommands::ResultsChanged);
    connect(&form, &TCorvaneMainForm::fontChanged, windows_.get(), &TCurveWindows::RefreshAll);
    connect(&form, &TCorvaneMainForm::languageChanged, this, [this] {
        ApplyTexts();
        windows_->ApplyLanguageAll();
    });
    connect(&form, &TCorvaneMainForm::mainWindowHidden, windows_.get(), &TCurveWindows::CloseAll);
}

// The windows go before the selection and the context they show.
TCurveCommands::~TCurveCommands() {
    windows_.reset();
}

void TCurveCommands::ApplyTexts() {
    kennlBtn_->setText(QTxt(TextId::KennlBtn));
    fontMen_->setText(QTxt(TextId::FontMen));
}

std::string TCurveCommands::SlotName(int displayNo) const {
    const TResultList& results = form_.Session().Results();
    if (displayNo < 1 || static_cast<std::size_t>(displayNo) > results.Rows().size()) return {};
    return results.CellText(static_cast<std::size_t>(displayNo - 1), 1);
}

void TCurveCommands::PrepareSelection() {
    try {
        form_.Session().BuildCurveSelection(*selection_);
    } catch (const std::exception& error) {
        // A series the data file cannot deliver: the windows show what could be read.
        TUserMessage::Post(std::string(Txt(TextId::DataError)) + error.what());
    }
}

void TCurveCommands::OpenCurves() {
    PrepareSelection();
    const bool listMode = form_.Session().Request().SearchMode == SearchManualSpeed;
    windows_->Open(TCurveWindows::kFirstIndex, true, listMode);
}

void TCurveCommands::ResultsChanged() {
    // Only open windows need the selection; building it reads the series' points.
    if (windows_->OpenCount() == 0) return;
    PrepareSelection();
    windows_->RefreshAll();
}

void TCurveCommands::EditFont() {
    TSettings& settings = form_.Session().EditOptions();
    const QFont current(ToQString(settings.FontName), settings.FontSize);
    const std::optional<QFont> chosen = chooseFont_(&form_, current);
    if (!chosen) return;
    settings.FontName = ToUtf8(chosen->family());
    // A font given in pixels has no point size: the size stays.
    if (chosen->pointSize() > 0)
        settings.FontSize = std::clamp(chosen->pointSize(), kMinFontSize, kMaxFontSize);
    form_.NotifyFontChanged();
}

} // namespace corvane
