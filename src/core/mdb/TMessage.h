#pragma once

#include "util/TInstalledHandler.h"

#include <string>

namespace corvane {

// Shows a message to the user (a message box with OK). The window layer installs a handler;
// the core never shows anything itself. Without a handler messages are dropped: callers
// that need to know about a failure get it from the operation's result as well.
class TMessage : public TInstalledHandler<TMessage> {
public:
    virtual ~TMessage() = default;
    virtual void Show(const std::string& text) = 0;

    static void Post(const std::string& text);
};

} // namespace corvane
