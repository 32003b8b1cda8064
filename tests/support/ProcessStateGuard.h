#pragma once

#include "i18n/Language.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMessage.h"
#include "physics/ListeningDistance.h"
#include "util/ProgramFolder.h"

#include <string>

namespace corvane::test {

// Saves the process-wide settings a test may change and restores them when it goes, also
// when the test fails half-way: the text language, the screen and print unit systems, the
// listening distance, the program folder and the confirmation and message handlers. Every test that
// changes one of them holds a guard (as a local or as a member of its fixture).
class TProcessStateGuard {
public:
    TProcessStateGuard() = default;
    ~TProcessStateGuard() {
        SetTextLanguage(language_);
        SetScreenUnitSystem(screenUnits_);
        SetPrintUnitSystem(printUnits_);
        SetListeningDistance(distance_);
        SetProgramFolder(folder_);
        TConfirmation::Install(confirmation_);
        TMessage::Install(message_);
    }
    TProcessStateGuard(const TProcessStateGuard&) = delete;
    TProcessStateGuard& operator=(const TProcessStateGuard&) = delete;

private:
    int language_ = TextLanguage();
    int screenUnits_ = ScreenUnitSystem();
    int printUnits_ = PrintUnitSystem();
    double distance_ = ListeningDistance();
    std::string folder_ = ProgramFolderOverride();
    TConfirmation* confirmation_ = TConfirmation::Installed();
    TMessage* message_ = TMessage::Installed();
};

} // namespace corvane::test
