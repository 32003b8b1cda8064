#pragma once

#include <string>

namespace corvane {

// Asks the user an OK/Cancel question ("... löschen ?"). The window layer installs one;
// the core never shows anything itself. Without a handler every question is answered OK.
class TConfirmation {
public:
    virtual ~TConfirmation() = default;
    virtual bool Confirm(const std::string& question) = 0;

    // Process-wide handler (not owned); nullptr removes it.
    static void Install(TConfirmation* handler);
    static TConfirmation* Installed();
    static bool Ask(const std::string& question);
};

} // namespace corvane
