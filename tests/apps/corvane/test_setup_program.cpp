// The set-up commands of the real program: install from the build's program folder into a
// temporary home, uninstall through the installed copy, and check that nothing else changed.

#include "../../core/setup/SetupTestTree.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using namespace corvane::test;

namespace {

struct Result {
    int code = -1;
    std::string out;
};

// Runs a program with extra environment entries and reads its output to the end (which
// includes a second uninstall stage, since it keeps the output open until it is done). An
// extra entry replaces an inherited one of the same name (the program would see the first).
Result RunProgram(std::vector<std::string> args, const std::vector<std::string>& extraEnv) {
    const auto name = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const bool replaced =
            std::any_of(extraEnv.begin(), extraEnv.end(),
                        [&](const std::string& x) { return name(x) == name(entry); });
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    auto pointers = [](std::vector<std::string>& v) {
        std::vector<char*> p;
        for (auto& s : v)
            p.push_back(s.data());
        p.push_back(nullptr);
        return p;
    };
    std::vector<char*> argv = pointers(args), envp = pointers(env);
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    Result result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        result.out.append(buffer, n);
    ::close(pipeFds[0]);
    int status = 0;
    if (rc == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        result.code = WEXITSTATUS(status);
    return result;
}

struct ProgramTree : SetupTestTree {
    fs::path programDir{std::getenv("CORVANE_PROGRAM_DIR") ? std::getenv("CORVANE_PROGRAM_DIR")
                                                           : ""};
    std::vector<std::string> env;

    ProgramTree() : SetupTestTree("program") {
        fs::create_directories(root / "tmp");
        fs::create_directories(home / "Schreibtisch");
        WriteFile(home / ".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
        env = {"HOME=" + home.string(),
               "XDG_CONFIG_HOME=" + (home / ".config").string(),
               "XDG_DATA_HOME=" + (home / ".local/share").string(),
               "TMPDIR=" + (root / "tmp").string(),
               "CORVANE_HOME=",
               "LANG=C.UTF-8"};
    }
    Result Install(const fs::path& target) {
        return RunProgram({(programDir / "corvane").string(), "install", "--target",
                           target.string(), "--lang-units", "2"},
                          env);
    }
};

} // namespace

TEST(SetupProgram, InstallThenUninstallThroughTheInstalledCopy) {
#ifdef CORVANE_WITHOUT_DESKTOP_PROGRAM
    GTEST_SKIP() << "this build has no desktop program";
#endif
    ProgramTree t;
    ASSERT_TRUE(fs::exists(t.programDir / "corvane")) << "CORVANE_PROGRAM_DIR has no program";
    const fs::path apps = t.home / "Programme";
    const fs::path folder = apps / "Cor vane \"q\" 'ü' Каталог";
    WriteFile(apps / "beside.txt", "beside");
    WriteFile(t.home / "above.txt", "above");

    Result install = t.Install(folder);
    ASSERT_EQ(install.code, 0) << install.out;
    EXPECT_NE(install.out.find("10/10 shortcuts:"), std::string::npos) << install.out;
    EXPECT_EQ(ReadFile(folder / "Corvane.mem"), ReadFile(t.programDir / "Corvane.mem"));
    EXPECT_TRUE(fs::exists(folder / "Help/help_e.htm"));
    EXPECT_TRUE(fs::exists(folder / "corvane.png"));
    const fs::path menuEntry = t.home / ".local/share/applications/Halvik Catalogue.desktop";
    const fs::path desktopEntry = t.home / "Schreibtisch/Halvik Catalogue.desktop";
    EXPECT_TRUE(fs::exists(menuEntry));
    EXPECT_TRUE(fs::exists(desktopEntry));
    EXPECT_TRUE(fs::exists(t.home / ".config/Brask/Corvane.conf"));

    // Installing twice overwrites and removes an old backup of the data file.
    WriteFile(folder / "Corvane.mbk", "old backup");
    WriteFile(folder / "Corvane.mem", "stale");
    install = t.Install(folder);
    ASSERT_EQ(install.code, 0) << install.out;
    EXPECT_FALSE(fs::exists(folder / "Corvane.mbk"));
    EXPECT_EQ(ReadFile(folder / "Corvane.mem"), ReadFile(t.programDir / "Corvane.mem"));

    // A link inside the folder points outside; its target must survive.
    WriteFile(t.root / "outside/file", "outside");
    fs::create_symlink(t.root / "outside", folder / "Pdf/outlink");

    const Result uninstall = RunProgram({(folder / "corvane").string(), "uninstall", "1"}, t.env);
    EXPECT_EQ(uninstall.code, 0) << uninstall.out;
    EXPECT_NE(uninstall.out.find("removed folder " + folder.string()), std::string::npos)
        << uninstall.out;
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_FALSE(fs::exists(menuEntry));
    EXPECT_FALSE(fs::exists(desktopEntry));
    EXPECT_FALSE(fs::exists(t.home / ".config/Brask/Corvane.conf"));
    EXPECT_EQ(ReadFile(apps / "beside.txt"), "beside");
    EXPECT_EQ(ReadFile(t.home / "above.txt"), "above");
    EXPECT_EQ(ReadFile(t.root / "outside/file"), "outside");
    EXPECT_TRUE(fs::is_empty(t.root / "tmp")) << "temporary copy left behind";
}

TEST(SetupProgram, UninstallRefusesFoldersThatAreNoInstallation) {
#ifdef CORVANE_WITHOUT_DESKTOP_PROGRAM
    GTEST_SKIP() << "this build has no desktop program";
#endif
    ProgramTree t;
    ASSERT_TRUE(fs::exists(t.programDir / "corvane"));
    // The build's own program folder holds the program and the data file, but was never
    // installed: it stays.
    Result r = RunProgram({(t.programDir / "corvane").string(), "uninstall", "1"}, t.env);
    EXPECT_EQ(r.code, 1) << r.out;
    EXPECT_NE(r.out.find("uninstall refused"), std::string::npos) << r.out;
    EXPECT_TRUE(fs::exists(t.programDir / "Corvane.mem"));

    // An installation started through a linked folder is refused; the real one stays.
    const fs::path folder = t.home / "Corvane3";
    ASSERT_EQ(t.Install(folder).code, 0);
    fs::create_symlink(folder, t.home / "linked");
    r = RunProgram({(t.home / "linked/corvane").string(), "uninstall", "1"}, t.env);
    // The running program names its real folder, so the link is seen through and the
    // installation is removed as itself, never a folder beyond it.
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::is_symlink(t.home / "linked"));
}
