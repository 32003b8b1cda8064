#pragma once

#include <string>

namespace corvane {

// Shows a message to the user in a plain box with an OK button (errors, warnings). The
// window layer installs one; tests install a recorder. Without a handler the text goes to
// the standard error stream.
class TUserMessage {
public:
    virtual ~TUserMessage() = default;
    virtual void Show(const std::string& text) = 0;

    // Process-wide handler (not owned); nullptr removes it.
    static void Install(TUserMessage* handler);
    static TUserMessage* Installed();
    static void Post(const std::string& text);
};

} // namespace corvane
