#pragma once

#include <string>

namespace corvane {

// Names of an installation: the program's file, the data file, the folders copied with it,
// the marker that tells an installed folder from any other, and the display names the
// shortcuts and the uninstall record carry.
inline constexpr const char* kProgramFileName = "corvane";
inline constexpr const char* kCompanionFileName = "corvane-cli";
inline constexpr const char* kDataFileName = "Corvane.mem";
inline constexpr const char* kIconFileName = "corvane.png";
// The company block of the printouts and its logo.
inline constexpr const char* kCompanyFileName = "Corvane.ini";
inline constexpr const char* kLogoFileName = "Logo.png";
inline constexpr const char* kInstallMarkerName = "Corvane.installed";
inline constexpr const char* kDefaultFolderName = "Corvane3";
inline constexpr const char* kCopiedFolders[] = {"Bilder", "Pdf", "Help", "Help/Pictures"};
inline constexpr const char* kOldFiles[] = {"FanData.STD", "FanData.STM", "Corvane.mbk"};

// "Halvik Katalog", "Halvik Catalogue" or the Russian title, by text language (clamped).
const char* DisplayName(int textLanguage);
// The shortcut file of a text language: display name + ".desktop".
std::string ShortcutFileName(int textLanguage);
// The folder offered for a new installation: data home + "/Corvane3".
std::string DefaultInstallFolder();
// The manual of a text language: program folder + "/Help/help_d.htm", "help_e.htm" or
// "help_r.htm".
std::string ManualFile(int textLanguage);

} // namespace corvane
