// The desktop program: the set-up commands without any window, or the splash window, the main
// window and the message loop.
//
// corvane [--home DIR] [CHECKINST|INSTALL]
// corvane [--home DIR] --edit [--db URL | --data FILE]   maintaining the catalogue
//   --home DIR   the program folder holding Corvane.mem, Bilder/, Pdf/ and Help/ (also
//                CORVANE_HOME); by default the folder of the executable.
// corvane install ... | uninstall ...   see setup/SetupCommand.h
#include "catalogue/TCatalogue.h"
#include "mdb/EMdbError.h"
#include "model/TCatalogueStore.h"
#include "settings/TIniFile.h"
#include "settings/TInstallationSettings.h"
#include "settings/TSettings.h"
#include "setup/SetupCommand.h"
#include "ui/catalogue/TCatalogueSession.h"
#include "ui/common/QtText.h"
#include "ui/common/TQtUserMessage.h"
#include "ui/main/ProgramTitle.h"
#include "ui/main/TCorvaneMainForm.h"
#include "ui/main/TIntroForm.h"
#include "ui/mdb/TMasterDataMenu.h"
#include "ui/measurements/MeasuredValues.h"
#include "util/Outcome.h"
#include "util/ProgramFolder.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QStringList>
#include <iostream>
#include <memory>

namespace {

// Maintaining the catalogue (--edit, with --db URL or --data FILE): a window with the
// master-data menu over the writable catalogue, where the series browser also measures and
// edits the points; closing it asks about unsaved changes (measured points included).
int EditCatalogue(const corvane::TCatalogueOptions& options) {
    using namespace corvane;
    // Browser placements, column layouts and the test rig's installation; defaults when
    // there is no settings file.
    TIniFile layouts;
    static_cast<void>(layouts.Load(SettingsPath()));
    TInstallationSettings installation = TInstallationSettings::Defaults();
    installation.Read(layouts);
    TCatalogue catalogue;
    const TQtUserMessage messages(nullptr); // what the catalogue reports while it opens
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
    InstallPointsCommands(
        *menu, catalogue, installation, layouts,
        [&session](std::int32_t seriesNo) { session.Store().PointsChanged(seriesNo); });
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
    QApplication::setApplicationName(QString::fromUtf8(corvane::kApplicationTitle));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const qsizetype home = arguments.indexOf(QStringLiteral("--home"));
    if (home >= 0 && home + 1 < arguments.size()) {
        corvane::SetProgramFolder(arguments.at(home + 1).toStdString());
        arguments.remove(home, 2);
    }

    const auto catalogueOptions =
        corvane::TCatalogueOptions::FromArguments(QApplication::arguments());
    if (!catalogueOptions.Error.empty()) {
        std::cerr << "corvane: " << catalogueOptions.Error << '\n';
        return 2;
    }
    if (catalogueOptions.Edit) return EditCatalogue(catalogueOptions);

    std::unique_ptr<corvane::TCorvaneMainForm> window;
    {
        corvane::TIntroForm splash;
        splash.show();
        splash.repaint();
        QApplication::processEvents();
        splash.Step();
        corvane::TMainFormOptions options;
        options.Arguments = arguments;
        window = std::make_unique<corvane::TCorvaneMainForm>(std::move(options));
        splash.Step();
    }
    window->show();
    return QApplication::exec();
}
