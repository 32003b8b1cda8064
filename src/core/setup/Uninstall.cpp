#include "setup/Uninstall.h"

#include "settings/TIniFile.h"
#include "setup/DesktopEntry.h"
#include "setup/FolderRules.h"
#include "setup/SetupNames.h"
#include "setup/TUserFolders.h"
#include "setup/UninstallRecord.h"
#include "util/Files.h"

#include <filesystem>
#include <fstream>

namespace corvane {

namespace fs = std::filesystem;

namespace {

bool IsPlainFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(path, ec));
}

bool HasDotComponent(const std::string& path) {
    for (const fs::path& part : fs::path(path))
        if (part == "." || part == "..") return true;
    return false;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

void RemoveShortcuts(const std::string& folder, const TUserFolders& user,
                     std::vector<std::string>& lines) {
    for (const std::string& place : {user.ApplicationsFolder, user.DesktopFolder}) {
        if (place.empty()) continue;
        for (int language = 0; language < 3; ++language) {
            const fs::path path = fs::path(place) / ShortcutFileName(language);
            if (!IsPlainFile(path) || DesktopEntryFolder(ReadText(path)) != folder) continue;
            std::error_code ec;
            lines.push_back((fs::remove(path, ec) ? "removed shortcut " : "could not remove ") +
                            path.string());
        }
    }
}

void RemoveSettings(const std::string& folder, const TUserFolders& user,
                    std::vector<std::string>& lines) {
    std::error_code ec;
    if (user.SettingsFile.empty() || !fs::exists(fs::symlink_status(user.SettingsFile, ec))) return;
    TIniFile settings;
    (void)settings.Load(user.SettingsFile);
    const std::string recorded = RecordedInstallFolder(settings);
    if (!recorded.empty() && recorded != folder) {
        lines.push_back("kept settings " + user.SettingsFile +
                        ": they belong to the installation in " + recorded);
        return;
    }
    lines.push_back(
        (fs::remove(user.SettingsFile, ec) ? "removed settings " : "could not remove ") +
        user.SettingsFile);
    fs::remove(fs::path(user.SettingsFile).parent_path(), ec); // only when nothing else is in it
}

} // namespace

std::string UninstallRefusal(const std::string& folder, const std::string& programName,
                             const std::string& home) {
    if (folder.empty() || !fs::path(folder).is_absolute())
        return "the folder is not given as an absolute path";
    if (HasControlCharacters(folder)) return "the folder name holds control characters";
    if (HasDotComponent(folder)) return "the folder is given with \".\" or \"..\"";
    if (programName.empty() || programName.find('/') != std::string::npos || programName == "." ||
        programName == "..")
        return "the program name is not a plain file name";
    std::error_code ec;
    const fs::path canonical = fs::canonical(folder, ec);
    if (ec) return "the folder does not exist";
    fs::path given = fs::path(folder).lexically_normal();
    if (!given.has_filename() && given.has_relative_path()) given = given.parent_path();
    if (canonical != given) return "the folder is reached through a symbolic link";
    if (IsRootHomeOrAbove(canonical.string(), home))
        return "the root, the home folder and the folders above it are never removed";
    if (!IsPlainFile(canonical / programName) || !IsPlainFile(canonical / kDataFileName) ||
        !HoldsInstallMarker(canonical.string()))
        return "the folder does not hold an installed program with its data file";
    return {};
}

bool RemoveInstallation(const std::string& folder, const TUserFolders& user,
                        std::vector<std::string>& lines) {
    std::error_code ec;
    const bool removed = RemoveTree(folder) && !fs::exists(fs::symlink_status(folder, ec));
    if (!removed) {
        lines.push_back("could not remove the folder " + folder +
                        " completely; shortcuts and settings are kept");
        return false;
    }
    lines.push_back("removed folder " + folder);
    RemoveShortcuts(folder, user, lines);
    RemoveSettings(folder, user, lines);
    return true;
}

} // namespace corvane
