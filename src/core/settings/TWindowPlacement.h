#pragma once

#include <cstdint>
#include <string>

namespace corvane {

class TIniFile;

// Placement of a window as stored in section "WinSize": value names are the window class
// name, an optional decimal number for several windows of one class, and a suffix
// ("_S" state, "_W" "_H" "_T" "_L" size and position, "_A" one extra text).
struct TWindowPlacement {
    // 0 normal, 1 minimized, 2 maximized; + 10 for the main window of a minimized application.
    std::int32_t State = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Top = 0;
    std::int32_t Left = 0;
    std::string Extra;

    bool operator==(const TWindowPlacement&) const = default;
};

// Stores a placement; size and position only in the normal state. `number` < 0 means none.
void SavePlacement(TIniFile& ini, const std::string& windowClass, int number,
                   const TWindowPlacement& placement);
// Reads a placement; absent values keep those of `current`. Top and left are limited to
// 40 pixels inside the given screen size so that a window never opens out of reach.
TWindowPlacement RestorePlacement(const TIniFile& ini, const std::string& windowClass, int number,
                                  const TWindowPlacement& current, std::int32_t screenWidth,
                                  std::int32_t screenHeight);

} // namespace corvane
