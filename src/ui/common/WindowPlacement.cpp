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

TWindowPlacement Current(const QWidget& window) {
    TWindowPlacement placement;
    placement.Width = window.width();
    placement.Height = window.height();
    placement.Top = window.y();
    placement.Left = window.x();
    return placement;
}

TWindowPlacement Restored(const TIniFile& ini, const QWidget& window, int number) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768);
    return RestorePlacement(ini, WindowClassName(window), number, Current(window), size.width(),
                            size.height());
}

// A window that never stored its place is left where the window system puts it.
bool HasStoredPosition(const TIniFile& ini, const QWidget& window, int number) {
    const std::string name =
        WindowClassName(window) + (number >= 0 ? std::to_string(number) : std::string());
    return ini.ValueExists("WinSize", name + "_L");
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
    TWindowPlacement placement = Current(window);
    if (window.isMinimized())
        placement.State = kMinimized;
    else if (window.isMaximized())
        placement.State = kMaximized;
    placement.Extra = extra;
    SavePlacement(ini, WindowClassName(window), number, placement);
}

std::string RestoreWindowPlacement(const TIniFile& ini, QWidget& window, int number) {
    const TWindowPlacement placement = Restored(ini, window, number);
    if (placement.Width > 0 && placement.Height > 0)
        window.resize(placement.Width, placement.Height);
    if (HasStoredPosition(ini, window, number)) window.move(placement.Left, placement.Top);
    ApplyState(window, placement.State);
    return placement.Extra;
}

std::string RestoreWindowPosition(const TIniFile& ini, QWidget& window, int number) {
    const TWindowPlacement placement = Restored(ini, window, number);
    ApplyState(window, placement.State);
    if (HasStoredPosition(ini, window, number)) window.move(placement.Left, placement.Top);
    return placement.Extra;
}

} // namespace corvane
