#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The user's home folder: $HOME, else the password database's entry, else ".".
std::string HomeFolder();
// $XDG_CONFIG_HOME when it is an absolute path, else home + "/.config".
std::string ConfigHomeFolder();
// $XDG_DATA_HOME when it is an absolute path, else home + "/.local/share".
std::string DataHomeFolder();
// The user's runtime folder: $XDG_RUNTIME_DIR when it is an absolute path, else a folder
// "corvane-<user id>" in the temporary folder (not created here).
std::string RuntimeFolder();
// Where the desktop's menu finds the user's own program entries: data home + "/applications".
std::string ApplicationsFolder();
// The desktop folder as `xdg-user-dir DESKTOP` names it (XDG_DESKTOP_DIR of
// $XDG_CONFIG_HOME/user-dirs.dirs), else home + "/Desktop". Empty when that folder does not
// exist or is the home folder itself: a desktop without its own folder gets no shortcut.
std::string DesktopFolder();
// XDG_DESKTOP_DIR of a user-dirs.dirs text, "$HOME" expanded to `home`; empty when the text
// does not set it or sets it to a relative path.
std::string DesktopDirFromUserDirs(std::string_view text, const std::string& home);

} // namespace corvane
