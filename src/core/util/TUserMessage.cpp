#include "util/TUserMessage.h"

#include <iostream>

namespace corvane {

void TUserMessage::Post(const std::string& text) {
    if (TUserMessage* handler = Installed(); handler != nullptr)
        handler->Show(text);
    else
        std::cerr << text << '\n';
}

} // namespace corvane
