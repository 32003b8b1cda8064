#include "ui/common/TQtConfirmation.h"

#include "ui/common/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace corvane {

TQtConfirmation::TQtConfirmation(QWidget* owner) : owner_(owner) {
    if (TConfirmation::Installed() == nullptr) {
        TConfirmation::Install(this);
        installed_ = true;
    }
}

TQtConfirmation::~TQtConfirmation() {
    if (installed_ && TConfirmation::Installed() == this) TConfirmation::Install(nullptr);
}

bool TQtConfirmation::Confirm(const std::string& question) {
    return QMessageBox::question(owner_, QApplication::applicationName(), ShownText(question),
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

} // namespace corvane
