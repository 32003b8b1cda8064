#include "ui/main/TResultGridExport.h"

#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "selection/ResultExport.h"
#include "ui/common/QtText.h"
#include "ui/main/TCorvaneMainForm.h"
#include "ui/main/TResultContextMenu.h"
#include "ui/main/TResultGrid.h"
#include "ui/main/TResultPanel.h"
#include "util/TAtomicFile.h"
#include "util/TUserMessage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>
#include <algorithm>
#include <array>
#include <utility>

namespace corvane {

namespace {

enum class T { Copy, SaveCsv, Failed, Count };

// German, English, Russian.
constexpr std::array<std::array<const char*, 3>, static_cast<std::size_t>(T::Count)> kTexts = {{
    {"Ergebnisse kopieren", "Copy results", "Копировать результаты"},
    {"Ergebnisse als CSV speichern …", "Save results as CSV …", "Сохранить результаты в CSV …"},
    {"Die Ergebnisse konnten nicht gespeichert werden.", "The results could not be saved.",
     "Не удалось сохранить результаты."},
}};

QString Text(T id) {
    return QString::fromUtf8(kTexts[static_cast<std::size_t>(id)]
                                   [static_cast<std::size_t>(std::clamp(TextLanguage(), 0, 2))]);
}

QString ChooseCsvFile(QWidget* owner, const QString& preset) {
    QFileDialog dialog(owner, WithoutMnemonics(Text(T::SaveCsv)), preset,
                       QStringLiteral("CSV (*.csv)"));
    dialog.setObjectName(QStringLiteral("CsvSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

} // namespace

TResultGridExport::TResultGridExport(TCorvaneMainForm& form)
    : QObject(&form), form_(form), chooser_(ChooseCsvFile) {
    setObjectName(QStringLiteral("ResultGridExport"));
    TResultContextMenu& menu = *form.ResultContextMenu();
    menu.addSeparator();
    copy_ = menu.addAction(QString());
    copy_->setObjectName(QStringLiteral("CopyResultsMen"));
    copy_->setShortcut(QKeySequence::Copy);
    // Only shown in the menu: Ctrl+C reaches the grid through the event filter.
    copy_->setShortcutContext(Qt::WidgetShortcut);
    saveCsv_ = menu.addAction(QString());
    saveCsv_->setObjectName(QStringLiteral("SaveCsvMen"));
    connect(copy_, &QAction::triggered, this, &TResultGridExport::CopyToClipboard);
    connect(saveCsv_, &QAction::triggered, this, &TResultGridExport::SaveCsv);
    connect(&menu, &QMenu::aboutToShow, this, &TResultGridExport::ApplyTexts);
    form.ResultPanel()->Grid()->installEventFilter(this);
    ApplyTexts();
}

void TResultGridExport::ApplyTexts() {
    copy_->setText(Text(T::Copy));
    saveCsv_->setText(Text(T::SaveCsv));
}

bool TResultGridExport::eventFilter(QObject* watched, QEvent* event) {
    // The grid would copy only its current cell: the whole grid is copied instead.
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            if (type == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            CopyToClipboard();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TResultGridExport::CopyToClipboard() const {
    const std::string caption = ToUtf8(WithoutMnemonics(QTxt(TextId::ErgebnisLabel)));
    QApplication::clipboard()->setText(
        ToQString(ResultGridClipboardText(form_.Session().Results(), caption)));
}

void TResultGridExport::SaveCsv() {
    const QString preset =
        csvFile_.isEmpty() ? QDir::home().filePath(QStringLiteral("results.csv")) : csvFile_;
    const QString file = chooser_(&form_, preset);
    if (!file.isEmpty()) WriteCsv(file);
}

bool TResultGridExport::WriteCsv(const QString& file) {
    const QString decimal = QLocale().decimalPoint();
    const char separator = CsvSeparatorFor(decimal.size() == 1 ? decimal.at(0).toLatin1() : '.');
    const TOutcome written =
        WriteFileAtomically(ToUtf8(file), ResultGridCsv(form_.Session().Results(), separator));
    if (!written) {
        TUserMessage::Post(ToUtf8(Text(T::Failed)) + "\n" + written.Message());
        return false;
    }
    csvFile_ = file;
    return true;
}

} // namespace corvane
