#pragma once

#include "util/TUserMessage.h"

class QWidget;

namespace corvane {

// Shows the core's messages in a message box over the given window; installed for its
// lifetime unless another handler (a test's recorder) is already installed.
class TQtUserMessage : public TUserMessage {
public:
    explicit TQtUserMessage(QWidget* owner);
    ~TQtUserMessage() override;
    TQtUserMessage(const TQtUserMessage&) = delete;
    TQtUserMessage& operator=(const TQtUserMessage&) = delete;

    void Show(const std::string& text) override;

private:
    QWidget* owner_;
    bool installed_ = false;
};

} // namespace corvane
