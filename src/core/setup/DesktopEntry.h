#pragma once

#include <string>
#include <string_view>

namespace corvane {

// A start entry of an installation in the desktop's menu or on the desktop: a
// freedesktop.org ".desktop" file that starts the installed program in its folder and offers
// the action "Corvane deinstallieren", which runs "<program> uninstall 1".
struct TDesktopEntry {
    std::string Program;  // absolute path of the installed program file
    std::string Folder;   // the installation folder, also the working folder
    std::string Icon;     // absolute path of the icon file
    int TextLanguage = 0; // language of the entry's default name

    // The file's text (UTF-8). The installation folder is kept in the key "X-Corvane-Folder"
    // so that the uninstaller removes only the entries of the folder it removes.
    std::string Text() const;
};

// One argument of an "Exec" line, quoted where the desktop entry format needs it, with
// "%" doubled and the escapes of a string value applied.
std::string DesktopExecArgument(std::string_view argument);
// A string value of a desktop entry with its escapes ("\\", "\n", "\t", "\r").
std::string DesktopStringValue(std::string_view value);
// The installation folder named by an entry's text; empty when it names none.
std::string DesktopEntryFolder(std::string_view text);

} // namespace corvane
