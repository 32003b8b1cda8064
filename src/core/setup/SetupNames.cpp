#include "setup/SetupNames.h"

#include "util/ProgramFolder.h"
#include "util/XdgFolders.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace corvane {

namespace {
constexpr std::array<const char*, 3> kDisplayNames{"Halvik Katalog", "Halvik Catalogue",
                                                   "Каталог Halvik"};
constexpr std::array<const char*, 3> kManualNames{"help_d.htm", "help_e.htm", "help_r.htm"};
} // namespace

const char* DisplayName(int textLanguage) {
    return kDisplayNames[static_cast<std::size_t>(std::clamp(textLanguage, 0, 2))];
}

std::string ShortcutFileName(int textLanguage) {
    return std::string(DisplayName(textLanguage)) + ".desktop";
}

std::string DefaultInstallFolder() {
    return (std::filesystem::path(DataHomeFolder()) / kDefaultFolderName).string();
}

std::string ManualFile(int textLanguage) {
    const auto name = kManualNames[static_cast<std::size_t>(std::clamp(textLanguage, 0, 2))];
    return ProgramFile(std::string("Help/") + name);
}

} // namespace corvane
