#pragma once

// A temporary home with a program folder to install from, as the set-up tests need it:
//   <root>/home                      HOME (restored afterwards)
//   <root>/home/.config/Brask/...    the settings file
//   <root>/home/.local/share/applications, <root>/home/Desktop
//   <root>/medium                    the program folder: program, companion tool, icon,
//                                    lib/ (with a link), data file, Bilder, Pdf, Help (with a
//                                    subfolder that is not copied); no Help/Pictures

#include "ProcessStateGuard.h"
#include "setup/TUserFolders.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace corvane::test {

namespace fs = std::filesystem;

inline void WriteFile(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

inline std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct SetupTestTree {
    TProcessStateGuard guard;
    fs::path root;
    fs::path home;
    fs::path medium;
    TUserFolders user;

    explicit SetupTestTree(const std::string& name) {
        root = fs::temp_directory_path() / ("corvane-" + name + "-" + std::to_string(::getpid()));
        fs::remove_all(root);
        home = root / "home";
        medium = root / "medium";
        fs::create_directories(home / "Desktop");
        guard.SetEnv("HOME", home.c_str());
        user = {(home / ".config/Brask/Corvane.conf").string(),
                (home / ".local/share/applications").string(), (home / "Desktop").string()};
        WriteFile(medium / "corvane", "program v1");
        fs::permissions(medium / "corvane", fs::perms::owner_all);
        WriteFile(medium / "corvane-cli", "tool");
        WriteFile(medium / "corvane-rigsim", "rig");
        WriteFile(medium / "corvane.png", "icon");
        WriteFile(medium / "lib/libqt.so.6.4", "library");
        fs::create_symlink("libqt.so.6.4", medium / "lib/libqt.so.6");
        WriteFile(medium / "Corvane.mem", "data v1");
        WriteFile(medium / "Bilder/B1.jpg", "picture");
        WriteFile(medium / "Pdf/L1.pdf", "sheet");
        WriteFile(medium / "Help/help_d.htm", "manual");
        WriteFile(medium / "Help/old/ignored.htm", "not copied");
    }
    ~SetupTestTree() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    std::string Executable() const { return (medium / "corvane").string(); }
};

} // namespace corvane::test
