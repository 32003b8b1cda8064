#include "ui/common/TMessageBoxUser.h"

#include "ui/common/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace corvane {

TMessageBoxUser::TMessageBoxUser() {
    if (TConfirmation::Installed() == nullptr) {
        TConfirmation::Install(this);
        askInstalled_ = true;
    }
    if (TMessage::Installed() == nullptr) {
        TMessage::Install(this);
        tellInstalled_ = true;
    }
}

TMessageBoxUser::~TMessageBoxUser() {
    if (askInstalled_ && TConfirmation::Installed() == this) TConfirmation::Install(nullptr);
    if (tellInstalled_ && TMessage::Installed() == this) TMessage::Install(nullptr);
}

bool TMessageBoxUser::Confirm(const std::string& question) {
    return QMessageBox::question(QApplication::activeWindow(), QStringLiteral("Corvane"),
                                 ShownText(question), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

TConfirmation::TAnswer TMessageBoxUser::Choose(const std::string& question, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(QApplication::activeWindow(), QStringLiteral("Corvane"),
                                  ShownText(question), buttons)) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::No:
        return TAnswer::No;
    default:
        return withCancel ? TAnswer::Cancel : TAnswer::No;
    }
}

void TMessageBoxUser::Show(const std::string& text) {
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Corvane"),
                             ShownText(text));
}

} // namespace corvane
