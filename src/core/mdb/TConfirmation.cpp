#include "mdb/TConfirmation.h"

namespace corvane {

namespace {
TConfirmation* g_handler = nullptr;
}

void TConfirmation::Install(TConfirmation* handler) {
    g_handler = handler;
}

TConfirmation* TConfirmation::Installed() {
    return g_handler;
}

bool TConfirmation::Ask(const std::string& question) {
    return g_handler == nullptr || g_handler->Confirm(question);
}

TConfirmation::TAnswer TConfirmation::AskChoice(const std::string& question, bool withCancel) {
    return g_handler == nullptr ? TAnswer::Yes : g_handler->Choose(question, withCancel);
}

} // namespace corvane
