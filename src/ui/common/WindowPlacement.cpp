#include "ui/common/WindowPlacement.h"

#include "settings/TIniFile.h"
#include "settings/TWindowPlacement.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>
#include <QWidget>

namespace corvane {

namespace {

constexpr int kMinimized = 1;
constexpr int kMaximized = 2;
constexpr int kApplicationMinimized = 10;

TWindowPlacement CurrentPlacement(const QWidget& window) {
    TWindowPlacement p;
    const QRect frame = window.geometry();
    p.Width = frame.width();
    p.Height = frame.height();
    p.Top = window.pos().y();
    p.Left = window.pos().x();
    return p;
}

QSize ScreenSize(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768);
}

TWindowPlacement Restored(const TIniFile& ini, const QWidget& window, int number) {
    const QSize screen = ScreenSize(window);
    return RestorePlacement(ini, WindowClassName(window), number, CurrentPlacement(window),
                            screen.width(), screen.height());
}

// A window never placed before keeps the position the desktop gives it (a dialog centred over
// its owner) instead of the top left corner of the screen.
bool Stored(const TIniFile& ini, const QWidget& window, int number, const char* suffix) {
    std::string name = WindowClassName(window);
    if (number >= 0) name += std::to_string(number);
    return ini.ValueExists("WinSize", name + suffix);
}

void ApplyState(QWidget& window, int state) {
    switch (state % kApplicationMinimized) {
    case kMinimized:
        window.setWindowState(Qt::WindowMinimized);
        break;
    case kMaximized:
        window.setWindowState(Qt::WindowMaximized);
        break;
    default:
        window.setWindowState(Qt::WindowNoState);
        break;
    }
}

} // namespace

std::string WindowClassName(const QWidget& window) {
    const std::string name = window.metaObject()->className();
    const std::size_t colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

void SaveWindowPlacement(TIniFile& ini, const QWidget& window, const std::string& extra,
                         int number) {
    TWindowPlacement p = CurrentPlacement(window);
    if (window.isMinimized())
        p.State = kMinimized;
    else if (window.isMaximized())
        p.State = kMaximized;
    p.Extra = extra;
    SavePlacement(ini, WindowClassName(window), number, p);
}

std::string RestoreWindowPlacement(const TIniFile& ini, QWidget& window, int number) {
    const TWindowPlacement p = Restored(ini, window, number);
    if (p.Width > 0 && p.Height > 0) window.resize(p.Width, p.Height);
    if (Stored(ini, window, number, "_L")) window.move(p.Left, p.Top);
    ApplyState(window, p.State);
    return p.Extra;
}

std::string RestoreWindowPosition(const TIniFile& ini, QWidget& window, int number) {
    const TWindowPlacement p = Restored(ini, window, number);
    ApplyState(window, p.State);
    if (Stored(ini, window, number, "_L")) window.move(p.Left, p.Top);
    return p.Extra;
}

} // namespace corvane
