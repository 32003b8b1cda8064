#include "ui/curves/TCurveWindows.h"

#include "ui/curves/TKennlForm.h"

namespace corvane {

TCurveWindows::TCurveWindows(const TCurveWindowContext& context, QObject* parent)
    : QObject(parent), context_(context) {}

TCurveWindows::~TCurveWindows() {
    // Windows still open when their context goes away must not outlive it; closing first
    // stores their settings.
    for (QPointer<TKennlForm>& window : windows_) {
        if (window == nullptr) continue;
        window->close();
        delete window.data();
    }
}

TKennlForm* TCurveWindows::Open(int index, bool selectionMode, bool listModeFlag) {
    if (index < kFirstIndex || index > kLastIndex) return nullptr;
    QPointer<TKennlForm>& slot = windows_[static_cast<std::size_t>(index)];
    if (slot == nullptr) slot = new TKennlForm(context_, index, selectionMode, listModeFlag);
    if (slot->isMinimized()) slot->showNormal();
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

TKennlForm* TCurveWindows::Window(int index) const {
    if (index < kFirstIndex || index > kLastIndex) return nullptr;
    return windows_[static_cast<std::size_t>(index)];
}

int TCurveWindows::OpenCount() const {
    int count = 0;
    for (const QPointer<TKennlForm>& window : windows_)
        if (window != nullptr) ++count;
    return count;
}

void TCurveWindows::RefreshAll() {
    for (const QPointer<TKennlForm>& window : windows_)
        if (window != nullptr) window->Reload();
}

void TCurveWindows::ApplyLanguageAll() {
    for (const QPointer<TKennlForm>& window : windows_)
        if (window != nullptr) window->ApplyLanguage();
}

void TCurveWindows::CloseAll() {
    for (const QPointer<TKennlForm>& window : windows_)
        if (window != nullptr) window->close();
}

} // namespace corvane
