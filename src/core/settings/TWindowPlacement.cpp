#include "settings/TWindowPlacement.h"

#include "settings/TIniFile.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr const char* kWinSize = "WinSize";

std::string ValueName(const std::string& windowClass, int number, const char* suffix) {
    std::string name = windowClass;
    if (number >= 0) name += std::to_string(number);
    return name + suffix;
}

} // namespace

void SavePlacement(TIniFile& ini, const std::string& windowClass, int number,
                   const TWindowPlacement& p) {
    ini.WriteInteger(kWinSize, ValueName(windowClass, number, "_S"), p.State);
    if (p.State == 0) {
        ini.WriteInteger(kWinSize, ValueName(windowClass, number, "_W"), p.Width);
        ini.WriteInteger(kWinSize, ValueName(windowClass, number, "_H"), p.Height);
        ini.WriteInteger(kWinSize, ValueName(windowClass, number, "_T"), p.Top);
        ini.WriteInteger(kWinSize, ValueName(windowClass, number, "_L"), p.Left);
    }
    ini.WriteString(kWinSize, ValueName(windowClass, number, "_A"), p.Extra);
}

TWindowPlacement RestorePlacement(const TIniFile& ini, const std::string& windowClass, int number,
                                  const TWindowPlacement& current, std::int32_t screenWidth,
                                  std::int32_t screenHeight) {
    TWindowPlacement p;
    p.State = ini.ReadInteger(kWinSize, ValueName(windowClass, number, "_S"), 0);
    p.Width = ini.ReadInteger(kWinSize, ValueName(windowClass, number, "_W"), current.Width);
    p.Height = ini.ReadInteger(kWinSize, ValueName(windowClass, number, "_H"), current.Height);
    p.Top = std::min(ini.ReadInteger(kWinSize, ValueName(windowClass, number, "_T"), current.Top),
                     screenHeight - 40);
    p.Left = std::min(ini.ReadInteger(kWinSize, ValueName(windowClass, number, "_L"), current.Left),
                      screenWidth - 40);
    p.Extra = ini.ReadString(kWinSize, ValueName(windowClass, number, "_A"), "");
    return p;
}

} // namespace corvane
