// The desktop program: the set-up commands without any window, or the splash window, the main
// window and the message loop.
//
// corvane [--home DIR] [CHECKINST|INSTALL]
//   --home DIR   the program folder holding Corvane.mem, Bilder/, Pdf/ and Help/ (also
//                CORVANE_HOME); by default the folder of the executable.
// corvane install ... | uninstall ...   see setup/SetupCommand.h
#include "setup/SetupCommand.h"
#include "ui/main/ProgramTitle.h"
#include "ui/main/TCorvaneMainForm.h"
#include "ui/main/TIntroForm.h"
#include "util/ProgramFolder.h"

#include <QApplication>
#include <QStringList>
#include <iostream>
#include <memory>

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
