#pragma once

#include <string>
#include <vector>

namespace corvane {

struct TUserFolders;

// Why `folder` must not be removed as the installation of the program file `programName`,
// or empty when it may. Refused are: a relative path or one holding "." or "..", a path that
// reaches the folder through a symbolic link, a missing folder, "/", the home folder and the
// folders above it, and a folder that does not hold the program file, the data file and the
// installation marker as plain files.
std::string UninstallRefusal(const std::string& folder, const std::string& programName,
                             const std::string& home);

// Removes a checked installation folder with everything in it (links inside are removed,
// never followed); when the folder is gone, also the menu and desktop entries that name it
// and the settings file, unless that file's uninstall record names another installation.
// Appends one line per removal. False when the folder could not be removed completely:
// shortcuts and settings then stay in place.
bool RemoveInstallation(const std::string& folder, const TUserFolders& user,
                        std::vector<std::string>& lines);

} // namespace corvane
