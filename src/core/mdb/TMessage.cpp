#include "mdb/TMessage.h"

namespace corvane {

void TMessage::Post(const std::string& text) {
    if (TMessage* handler = Installed(); handler != nullptr) handler->Show(text);
}

} // namespace corvane
