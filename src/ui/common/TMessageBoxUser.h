#pragma once

#include "mdb/TConfirmation.h"
#include "mdb/TMessage.h"

namespace corvane {

// The core's questions and messages as message boxes, installed for the object's lifetime
// where no other handler is installed yet (a test's scripted answers stay in place).
class TMessageBoxUser : public TConfirmation, public TMessage {
public:
    TMessageBoxUser();
    ~TMessageBoxUser() override;
    TMessageBoxUser(const TMessageBoxUser&) = delete;
    TMessageBoxUser& operator=(const TMessageBoxUser&) = delete;

    bool Confirm(const std::string& question) override;
    TAnswer Choose(const std::string& question, bool withCancel) override;
    void Show(const std::string& text) override;

private:
    bool askInstalled_ = false;
    bool tellInstalled_ = false;
};

} // namespace corvane
