#pragma once

#include "util/TInstalledHandler.h"

#include <string>

namespace corvane {

// Shows a message to the user in a plain box with an OK button (errors, warnings). The
// window layer installs one; tests install a recorder. Without a handler the text goes to
// the standard error stream.
class TUserMessage : public TInstalledHandler<TUserMessage> {
public:
    virtual ~TUserMessage() = default;
    virtual void Show(const std::string& text) = 0;

    static void Post(const std::string& text);
};

} // namespace corvane
