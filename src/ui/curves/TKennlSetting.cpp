#include "ui/curves/TKennlSetting.h"

#include "settings/TWindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace corvane {

TKennlSetting TKennlSetting::FromText(const std::string& text, const TKennlSetting& fallback) {
    if (text.empty()) return fallback;
    const long long s = std::max(0LL, std::atoll(text.c_str()));
    TKennlSetting setting;
    setting.GridHeight = std::max(kMinGridHeight, static_cast<int>(s % kModeFactor));
    setting.ShowMode = static_cast<int>(std::min(s / kModeFactor, 2LL));
    return setting;
}

std::string TKennlSetting::ToText() const {
    return std::to_string(std::max(kMinGridHeight, GridHeight) +
                          kModeFactor * std::clamp(ShowMode, 0, 2));
}

TKennlSetting TKennlSetting::Restore(QWidget& window, const TIniFile& store,
                                     const char* windowClass, int number,
                                     const TKennlSetting& fallback) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1600, 1000);
    const int offset = 40 + 24 * (number % 10);
    const TWindowPlacement current{0, window.width(), window.height(), offset, offset, {}};
    const TWindowPlacement p =
        RestorePlacement(store, windowClass, number, current, area.width(), area.height());
    window.resize(std::max(320, p.Width), std::max(240, p.Height));
    window.move(p.Left, p.Top);
    if (p.State % 10 == 2) window.setWindowState(Qt::WindowMaximized);
    return FromText(p.Extra, fallback);
}

void TKennlSetting::Save(const QWidget& window, TIniFile& store, const char* windowClass,
                         int number) const {
    TWindowPlacement p;
    p.State = window.isMaximized() ? 2 : window.isMinimized() ? 1 : 0;
    p.Width = window.width();
    p.Height = window.height();
    p.Top = window.y();
    p.Left = window.x();
    p.Extra = ToText();
    SavePlacement(store, windowClass, number, p);
}

} // namespace corvane
