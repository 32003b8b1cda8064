#pragma once

#include <string>

class QWidget;

namespace corvane {

class TIniFile;

// Window placement of any window in section "WinSize" of the settings, by the window's class
// name (without namespace), e.g. "TCorvaneMainForm_W".
std::string WindowClassName(const QWidget& window);

// Stores state, size and position (size and position only in the normal state) and one
// extra text; `number` >= 0 tells several windows of one class apart.
void SaveWindowPlacement(TIniFile& ini, const QWidget& window, const std::string& extra = {},
                         int number = -1);
// Restores state, size and position (kept inside the screen) and returns the extra text.
std::string RestoreWindowPlacement(const TIniFile& ini, QWidget& window, int number = -1);
// Restores the position only (dialogs); returns the extra text.
std::string RestoreWindowPosition(const TIniFile& ini, QWidget& window, int number = -1);

} // namespace corvane
