#include "mdb/TMessage.h"

namespace corvane {

namespace {
TMessage* g_handler = nullptr;
}

void TMessage::Install(TMessage* handler) {
    g_handler = handler;
}

TMessage* TMessage::Installed() {
    return g_handler;
}

void TMessage::Post(const std::string& text) {
    if (g_handler != nullptr) g_handler->Show(text);
}

} // namespace corvane
