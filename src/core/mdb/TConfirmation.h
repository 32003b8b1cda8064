#pragma once

#include "util/TInstalledHandler.h"

#include <string>

namespace corvane {

// Asks the user an OK/Cancel question ("... löschen ?"). The window layer installs one;
// the core never shows anything itself. Without a handler every question is answered OK.
class TConfirmation : public TInstalledHandler<TConfirmation> {
public:
    virtual ~TConfirmation() = default;
    virtual bool Confirm(const std::string& question) = 0;

    enum class TAnswer { Yes, No, Cancel };
    // A question with the buttons Yes and No, and Cancel when `withCancel`. Handlers that
    // only know OK/Cancel answer it through Confirm: OK is Yes, Cancel is No (or Cancel).
    virtual TAnswer Choose(const std::string& question, bool withCancel) {
        if (Confirm(question)) return TAnswer::Yes;
        return withCancel ? TAnswer::Cancel : TAnswer::No;
    }

    static bool Ask(const std::string& question);
    // Yes/No (/Cancel) question to the installed handler; without one the answer is Yes.
    static TAnswer AskChoice(const std::string& question, bool withCancel);
};

} // namespace corvane
