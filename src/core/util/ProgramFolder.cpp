#include "util/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace corvane {

namespace {
std::string g_override;
}

std::string ProgramFolder() {
    if (!g_override.empty()) return g_override;
    if (const char* home = std::getenv("CORVANE_HOME"); home != nullptr && *home != '\0')
        return home;
    return ExecutableFolder();
}

std::string ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec).string();
    return exe.parent_path().string();
}

void SetProgramFolder(const std::string& folder) {
    g_override = folder;
}

const std::string& ProgramFolderOverride() {
    return g_override;
}

std::string ProgramFile(const std::string& name) {
    return (std::filesystem::path(ProgramFolder()) / name).string();
}

} // namespace corvane
