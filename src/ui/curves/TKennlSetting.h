#pragma once

#include <string>

class QWidget;

namespace corvane {

class TIniFile;

// What a curve window keeps per index besides its placement: the height of the point table
// and the display mode, stored as one number S = height + 1000000 × mode in the placement's
// extra text ("TKennlForm<index>_A" of "WinSize").
struct TKennlSetting {
    static constexpr int kMinGridHeight = 64;
    static constexpr int kModeFactor = 1000000;

    int GridHeight = 150;
    int ShowMode = 0;

    // The setting of a stored text; an empty text keeps `fallback`, anything unreadable or
    // negative counts as 0 (height 64, nothing extra shown).
    static TKennlSetting FromText(const std::string& text, const TKennlSetting& fallback);
    std::string ToText() const;

    // Places `window` as stored for `windowClass` + `number` (40 pixels inside the screen at
    // least) and returns its setting; saves both back.
    static TKennlSetting Restore(QWidget& window, const TIniFile& store, const char* windowClass,
                                 int number, const TKennlSetting& fallback);
    void Save(const QWidget& window, TIniFile& store, const char* windowClass, int number) const;
};

} // namespace corvane
