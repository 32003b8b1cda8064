#include "settings/TSettings.h"
#include "setup/InstallOffer.h"
#include "setup/SetupCommand.h"
#include "ui/setup/SetupActions.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    // Installing and uninstalling run without any window.
    if (const auto code = corvane::RunSetupCommand(argc, argv, std::cout, std::cerr)) return *code;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    corvane::TSettings settings;
    (void)settings.LoadUser(corvane::SettingsPath()); // defaults when there is none
    const auto offer = corvane::TInstallOffer::FromArguments(argc, argv, settings.Naufruf);
    if (offer.AutoInstall) {
        const auto result = corvane::RunInstallCommand(nullptr, settings);
        (void)settings.SaveUser(corvane::SettingsPath());
        return result.EndProgram ? 0 : 1;
    }
    return 0;
}
