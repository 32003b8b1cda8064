#include "ui/common/TQtUserMessage.h"

#include "ui/common/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace corvane {

TQtUserMessage::TQtUserMessage(QWidget* owner) : owner_(owner) {
    if (TUserMessage::Installed() == nullptr) {
        TUserMessage::Install(this);
        installed_ = true;
    }
}

TQtUserMessage::~TQtUserMessage() {
    if (installed_ && TUserMessage::Installed() == this) TUserMessage::Install(nullptr);
}

void TQtUserMessage::Show(const std::string& text) {
    QMessageBox::information(owner_, QApplication::applicationName(), ShownText(text));
}

} // namespace corvane
