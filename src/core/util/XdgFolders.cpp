#include "util/XdgFolders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace corvane {

namespace fs = std::filesystem;

namespace {

// An environment variable naming an absolute folder, else the fallback below home.
std::string XdgFolder(const char* variable, const char* belowHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0' && fs::path(value).is_absolute()) return value;
    return (fs::path(HomeFolder()) / belowHome).string();
}

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// The shell value of a user-dirs.dirs line: double quotes removed, backslash escapes undone.
std::string ShellValue(std::string_view value) {
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\\' && i + 1 < value.size()) {
            out += value[++i];
        } else if (!quoted && (c == ' ' || c == '\t' || c == '#')) {
            break;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    const passwd* pw = ::getpwuid(::getuid());
    return pw != nullptr && pw->pw_dir != nullptr ? pw->pw_dir : ".";
}

std::string ConfigHomeFolder() {
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string DataHomeFolder() {
    return XdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string ApplicationsFolder() {
    return (fs::path(DataHomeFolder()) / "applications").string();
}

std::string DesktopDirFromUserDirs(std::string_view text, const std::string& home) {
    std::string result;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        const std::string_view l = Trimmed(line);
        constexpr std::string_view key = "XDG_DESKTOP_DIR=";
        if (l.substr(0, key.size()) != key) continue;
        std::string value = ShellValue(l.substr(key.size()));
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        result = fs::path(value).is_absolute() ? value : std::string();
    }
    return result;
}

std::string DesktopFolder() {
    const std::string home = HomeFolder();
    std::ifstream in(fs::path(ConfigHomeFolder()) / "user-dirs.dirs", std::ios::binary);
    std::string folder;
    if (in) {
        std::ostringstream text;
        text << in.rdbuf();
        folder = DesktopDirFromUserDirs(text.str(), home);
    }
    if (folder.empty()) folder = (fs::path(home) / "Desktop").string();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return {};
    if (fs::equivalent(folder, home, ec)) return {};
    fs::path normal = fs::path(folder).lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
    return normal.string();
}

std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && fs::path(runtime).is_absolute()) return runtime;
    std::error_code ec;
    fs::path temp = fs::temp_directory_path(ec);
    if (ec) temp = "/tmp";
    return (temp / ("corvane-" + std::to_string(::getuid()))).string();
}

} // namespace corvane
