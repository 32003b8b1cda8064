#include "setup/FolderRules.h"

#include "setup/SetupNames.h"

#include <algorithm>
#include <filesystem>

namespace corvane {

namespace fs = std::filesystem;

bool IsRootHomeOrAbove(const std::string& folder, const std::string& home) {
    const fs::path f = fs::path(folder).lexically_normal();
    if (f.empty() || f == f.root_path()) return true;
    const fs::path h = fs::path(CanonicalPath(home)).lexically_normal();
    // `f` is home or above it when home lies inside `f`.
    auto fi = f.begin();
    for (auto hi = h.begin(); fi != f.end(); ++fi, ++hi) {
        if (fi->empty()) continue; // a trailing separator
        if (hi == h.end() || *fi != *hi) return false;
    }
    return true;
}

bool HasControlCharacters(const std::string& path) {
    return std::any_of(path.begin(), path.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

bool HoldsInstallMarker(const std::string& folder) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(fs::path(folder) / kInstallMarkerName, ec));
}

std::string CanonicalPath(const std::string& path) {
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? path : canonical.string();
}

} // namespace corvane
