#include "ui/setup/SetupActions.h"

#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "settings/TSettings.h"
#include "setup/SetupNames.h"
#include "setup/UninstallRecord.h"
#include "ui/setup/TInstallForm.h"
#include "util/ProgramFolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace corvane {

TShowMessage MessageBoxOver(QWidget* owner) {
    return [owner](const QString& text) {
        QMessageBox::warning(owner, QCoreApplication::applicationName(), text);
    };
}

TInstallCommandResult RunInstallCommand(QWidget* owner, TSettings& settings) {
    const int before = settings.PrintUnit;
    TInstallForm form({QCoreApplication::applicationFilePath().toStdString(), ProgramFolder()},
                      TUserFolders::Current(), before, owner);
    TInstallCommandResult result;
    result.EndProgram = form.exec() == QDialog::Accepted;
    settings.PrintUnit = form.LanguageIndex();
    result.LanguageChanged = settings.PrintUnit != before;
    if (form.Installed())
        WriteUninstallRecord(settings.Store, form.InstalledFolder(), TextLanguage());
    if (!form.Error().empty())
        MessageBoxOver(owner)(QString::fromUtf8(Txt(TextId::InstFailed)) + QLatin1Char('\n') +
                              QString::fromStdString(form.Error()));
    return result;
}

bool OpenManual(const TShowMessage& show) {
    const QString file = QString::fromStdString(ManualFile(TextLanguage()));
    if (QFileInfo(file).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return true;
    if (show) show(QString::fromUtf8(Txt(TextId::ManualMissing)) + QLatin1Char('\n') + file);
    return false;
}

} // namespace corvane
