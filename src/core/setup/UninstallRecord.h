#pragma once

#include <string>
#include <string_view>

namespace corvane {

class TIniFile;

// The uninstall record of an installation, kept in section "Uninstall" of the settings file:
// "DisplayName" (display name of the text language), "UninstallString" (the command that
// removes the installation, quoted for a shell) and "InstallLocation" (the folder).
void WriteUninstallRecord(TIniFile& settings, const std::string& folder, int textLanguage);
// The folder of the recorded installation; empty when there is no record.
std::string RecordedInstallFolder(const TIniFile& settings);
// An argument quoted for a POSIX shell: in single quotes when it holds anything but letters,
// digits and "/._-+,:@%=".
std::string ShellQuoted(std::string_view argument);

} // namespace corvane
