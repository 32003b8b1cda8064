#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace corvane::test {

// Runs `act` on the modal dialog that `open` shows, once it is up, then closes the dialog if
// `act` left it open; false when no dialog came up.
inline bool WithModal(const std::function<void()>& open, const std::function<void(QDialog&)>& act) {
    auto seen = std::make_shared<bool>(false);
    QTimer::singleShot(0, [seen, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        *seen = true;
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    open();
    QCoreApplication::processEvents(); // a timer that found no dialog has run by now
    return *seen;
}

} // namespace corvane::test
