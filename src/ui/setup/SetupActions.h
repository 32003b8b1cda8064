#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace corvane {

struct TSettings;

// Shows a message to the user; the window layer passes a message box, tests a recorder.
using TShowMessage = std::function<void(const QString&)>;
// A warning box over `owner`.
TShowMessage MessageBoxOver(QWidget* owner);

struct TInstallCommandResult {
    bool EndProgram = false;      // the window closed with OK: the main window terminates
    bool LanguageChanged = false; // the language/unit entry was switched in the window
};

// The installation command (menu InstMen, or automatically at start-up): shows the set-up
// window for the running program, reports a failure, and keeps `settings` in step with what
// the installation wrote (the chosen language/unit entry in PrintUnit and the uninstall record
// in the settings document that is written back at shut-down).
TInstallCommandResult RunInstallCommand(QWidget* owner, TSettings& settings);

// Opens the manual of the current text language with the desktop's viewer (AnleitungMen,
// HelpBtn). A missing or unopenable file is reported through `show`; false then.
bool OpenManual(const TShowMessage& show);

} // namespace corvane
