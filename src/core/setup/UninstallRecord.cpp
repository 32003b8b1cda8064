#include "setup/UninstallRecord.h"

#include "settings/TIniFile.h"
#include "setup/SetupNames.h"

#include <cctype>
#include <filesystem>

namespace corvane {

namespace {
constexpr const char* kSection = "Uninstall";
}

std::string ShellQuoted(std::string_view argument) {
    bool plain = !argument.empty();
    for (const char c : argument) {
        const auto u = static_cast<unsigned char>(c);
        if (!std::isalnum(u) && std::string_view("/._-+,:@%=").find(c) == std::string_view::npos)
            plain = false;
    }
    if (plain) return std::string(argument);
    std::string quoted = "'";
    for (const char c : argument) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

void WriteUninstallRecord(TIniFile& settings, const std::string& folder, int textLanguage) {
    const std::string program = (std::filesystem::path(folder) / kProgramFileName).string();
    settings.WriteString(kSection, "DisplayName", DisplayName(textLanguage));
    settings.WriteString(kSection, "UninstallString", ShellQuoted(program) + " uninstall 1");
    settings.WriteString(kSection, "InstallLocation", folder);
}

std::string RecordedInstallFolder(const TIniFile& settings) {
    return settings.ReadString(kSection, "InstallLocation", "");
}

} // namespace corvane
