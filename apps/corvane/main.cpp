#include "catalogue/TCatalogue.h"
#include "mdb/EMdbError.h"
#include "model/TCatalogueStore.h"
#include "settings/TIniFile.h"
#include "settings/TSettings.h"
#include "setup/InstallOffer.h"
#include "setup/SetupCommand.h"
#include "ui/catalogue/TCatalogueSession.h"
#include "ui/common/QtText.h"
#include "ui/mdb/TMasterDataMenu.h"
#include "ui/setup/SetupActions.h"
#include "util/Outcome.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <iostream>

namespace {

// Maintaining the catalogue (--edit, with --db URL or --data FILE): a window with the
// master-data menu over the writable catalogue; closing it asks about unsaved changes.
int EditCatalogue(const corvane::TCatalogueOptions& options) {
    using namespace corvane;
    TIniFile layouts; // browser placements and column layouts; defaults when there is none
    static_cast<void>(layouts.Load(SettingsPath()));
    TCatalogue catalogue;
    TCatalogueSession session(catalogue, layouts);
    try {
        session.Open(options);
    } catch (const EMdbError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Corvane"),
                              QStringLiteral("Daten-Fehler:\n") + ToQString(e.what()));
        return 1;
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvane"));
    auto* menu = new TMasterDataMenu(*window.menuBar(), catalogue, layouts, &window);
    menu->AttachStore(session.Store());
    session.GuardClose(window);
    window.resize(800, 500);
    window.show();
    const int status = QApplication::exec();
    if (const TOutcome saved = layouts.Save(SettingsPath()); !saved)
        std::cerr << "corvane: " << saved.Message() << '\n';
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // Installing and uninstalling run without any window.
    if (const auto code = corvane::RunSetupCommand(argc, argv, std::cout, std::cerr)) return *code;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    const auto catalogueOptions =
        corvane::TCatalogueOptions::FromArguments(QApplication::arguments());
    if (catalogueOptions.Edit) return EditCatalogue(catalogueOptions);

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
