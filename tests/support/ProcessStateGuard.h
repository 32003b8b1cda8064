#pragma once

#include "i18n/Language.h"
#include "mdb/TConfirmation.h"
#include "mdb/TMessage.h"
#include "physics/ListeningDistance.h"
#include "util/ProgramFolder.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace corvane::test {

// Saves the process-wide settings a test may change and restores them when it goes, also
// when the test fails half-way: the text language, the screen and print unit systems, the
// listening distance, the program folder, the confirmation and message handlers and the
// environment variables set through it. Every test that changes one of them holds a guard (as a
// local or as a member of its fixture).
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
        for (const auto& [name, value] : environment_)
            PutEnv(name, value ? value->c_str() : nullptr);
    }
    TProcessStateGuard(const TProcessStateGuard&) = delete;
    TProcessStateGuard& operator=(const TProcessStateGuard&) = delete;

    // Sets the environment variable `name` to `value`, or removes it for nullptr, until the
    // guard goes; the value it had before the first change comes back then.
    void SetEnv(const std::string& name, const char* value) {
        if (environment_.find(name) == environment_.end()) {
            const char* before = std::getenv(name.c_str());
            environment_.emplace(name, before != nullptr ? std::optional<std::string>(before)
                                                         : std::nullopt);
        }
        PutEnv(name, value);
    }

private:
    static void PutEnv(const std::string& name, const char* value) {
        if (value != nullptr)
            ::setenv(name.c_str(), value, 1);
        else
            ::unsetenv(name.c_str());
    }

    int language_ = TextLanguage();
    int screenUnits_ = ScreenUnitSystem();
    int printUnits_ = PrintUnitSystem();
    double distance_ = ListeningDistance();
    std::string folder_ = ProgramFolderOverride();
    TConfirmation* confirmation_ = TConfirmation::Installed();
    TMessage* message_ = TMessage::Installed();
    std::map<std::string, std::optional<std::string>> environment_;
};

} // namespace corvane::test
