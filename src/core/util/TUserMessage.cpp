#include "util/TUserMessage.h"

#include <iostream>

namespace corvane {

namespace {
TUserMessage* g_handler = nullptr;
}

void TUserMessage::Install(TUserMessage* handler) {
    g_handler = handler;
}

TUserMessage* TUserMessage::Installed() {
    return g_handler;
}

void TUserMessage::Post(const std::string& text) {
    if (g_handler != nullptr)
        g_handler->Show(text);
    else
        std::cerr << text << '\n';
}

} // namespace corvane
