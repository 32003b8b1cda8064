#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace corvane::test {

// A fresh folder below the system's temporary folder, removed with everything in it when
// the object goes.
struct TTempFolder {
    std::filesystem::path Path;
    TTempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvane-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) Path = pattern;
    }
    ~TTempFolder() {
        std::error_code ec;
        if (!Path.empty()) std::filesystem::remove_all(Path, ec);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
};

} // namespace corvane::test
