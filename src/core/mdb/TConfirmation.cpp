#include "mdb/TConfirmation.h"

namespace corvane {

bool TConfirmation::Ask(const std::string& question) {
    TConfirmation* handler = Installed();
    return handler == nullptr || handler->Confirm(question);
}

TConfirmation::TAnswer TConfirmation::AskChoice(const std::string& question, bool withCancel) {
    TConfirmation* handler = Installed();
    return handler == nullptr ? TAnswer::Yes : handler->Choose(question, withCancel);
}

} // namespace corvane
