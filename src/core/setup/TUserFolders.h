#pragma once

#include <string>

namespace corvane {

// The places outside the installation folder that an installation writes to and the
// uninstallation cleans: the settings file (which holds the uninstall record), the folder of
// the desktop's menu entries and the desktop folder (empty: no shortcut there).
struct TUserFolders {
    std::string SettingsFile;
    std::string ApplicationsFolder;
    std::string DesktopFolder;

    // The current user's places, from the XDG variables and user-dirs.dirs.
    static TUserFolders Current();
};

} // namespace corvane
