#pragma once

#include <string>

namespace corvane {

// Checks shared by the installation and the uninstallation of a program folder.

// True for "/", the home folder and every folder above it (compared as given, so callers
// pass canonical paths).
bool IsRootHomeOrAbove(const std::string& folder, const std::string& home);
// True when the path holds a control character (a line break would break the settings file
// and the menu entry that name the folder).
bool HasControlCharacters(const std::string& path);
// True when `folder` holds the installation marker as a plain file (not a link).
bool HoldsInstallMarker(const std::string& folder);
// The canonical form of `path` (symbolic links and "." / ".." resolved) for the part that
// exists; `path` itself when that fails.
std::string CanonicalPath(const std::string& path);

} // namespace corvane
