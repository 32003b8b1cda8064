#include "SetupTestTree.h"
#include "setup/InstallOffer.h"
#include "setup/SetupCommand.h"
#include "setup/TInstallation.h"
#include "setup/UninstallStages.h"

#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <vector>

using namespace corvane;
using namespace corvane::test;

namespace {

std::optional<int> RunCommand(std::vector<const char*> args, std::string* output = nullptr) {
    args.insert(args.begin(), "corvane");
    std::ostringstream out, err;
    const auto code = RunSetupCommand(static_cast<int>(args.size()), args.data(), out, err);
    if (output) *output = out.str() + err.str();
    return code;
}

// Points the XDG places into the test tree for the length of a test.
struct XdgInTree {
    explicit XdgInTree(const SetupTestTree& t) {
        guard.SetEnv("XDG_CONFIG_HOME", (t.home / ".config").c_str());
        guard.SetEnv("XDG_DATA_HOME", (t.home / ".local/share").c_str());
    }
    TProcessStateGuard guard;
};

// The two pipes between the uninstall stages, as the first stage makes them.
struct StagePipes {
    int ready[2] = {-1, -1};
    int life[2] = {-1, -1};
    StagePipes() {
        EXPECT_EQ(::pipe2(ready, O_CLOEXEC), 0);
        EXPECT_EQ(::pipe2(life, O_CLOEXEC), 0);
    }
    std::vector<std::string> Arguments(const fs::path& folder) const {
        return {std::to_string(life[0]), std::to_string(ready[1]), folder.string(), "corvane"};
    }
};

} // namespace

TEST(SetupCommand, InstallOfferFollowsTheFirstArgument) {
    struct Case {
        const char* arg;
        int runs;
        bool menu, autoInstall;
    };
    for (const Case& c : std::vector<Case>{{"CHECKINST", 0, true, true},
                                           {"/checkinst", 1, true, false},
                                           {"INSTALL", 5, true, true},
                                           {"-Install", 5, true, true},
                                           {"install", 0, false, false},
                                           {"--home", 0, false, false}}) {
        const char* argv[] = {"corvane", c.arg};
        const TInstallOffer offer = TInstallOffer::FromArguments(2, argv, c.runs);
        EXPECT_EQ(offer.ShowMenu, c.menu) << c.arg;
        EXPECT_EQ(offer.AutoInstall, c.autoInstall) << c.arg;
    }
    const char* none[] = {"corvane"};
    EXPECT_FALSE(TInstallOffer::FromArguments(1, none, 0).ShowMenu);
}

TEST(SetupCommand, OnlyTheExactWordsAreSetUpCommandsAndBadArgumentsAreRefused) {
    EXPECT_EQ(RunCommand({}), std::nullopt);
    EXPECT_EQ(RunCommand({"INSTALL"}), std::nullopt);
    EXPECT_EQ(RunCommand({"--home", "/x"}), std::nullopt);
    EXPECT_EQ(RunCommand({"install", "--lang-units", "8"}), 2);
    EXPECT_EQ(RunCommand({"install", "--lang-units"}), 2);
    EXPECT_EQ(RunCommand({"install", "--target"}), 2);
    EXPECT_EQ(RunCommand({"install", "--bogus"}), 2);
    EXPECT_EQ(RunCommand({"uninstall"}), 2);
    EXPECT_EQ(RunCommand({"uninstall", "1", "extra"}), 2);
    EXPECT_EQ(RunCommand({"uninstall", "3"}), 2);
    std::string out;
    // A second stage typed by hand has no first stage to wait for: refused.
    EXPECT_EQ(RunCommand({"uninstall", "2", "0", "1", "/tmp", "corvane"}, &out), 2);
    EXPECT_NE(out.find("only when started by the first"), std::string::npos) << out;
}

TEST(SetupCommand, SecondStageWaitsForTheFirstToEndThenRemovesTheInstallation) {
    SetupTestTree t("stage2");
    XdgInTree xdg(t);
    const fs::path folder = t.home / ".local/share/Cor vane 'ü'";
    TInstallation inst({t.Executable(), t.medium.string()}, folder.string(), t.user, 0);
    ASSERT_TRUE(inst.Run()) << inst.Error();

    StagePipes pipes;
    std::ostringstream out;
    int code = -1;
    std::thread second([&] { code = RunUninstallSecondStage(pipes.Arguments(folder), out); });
    char signal = 0;
    EXPECT_EQ(::read(pipes.ready[0], &signal, 1), 1); // it reports that it runs
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_TRUE(fs::exists(folder / "corvane")) << "removed while the first stage still runs";
    ::close(pipes.life[1]); // the first stage ends
    second.join();
    ::close(pipes.ready[0]);
    EXPECT_EQ(code, 0) << out.str();
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_FALSE(fs::exists(t.user.SettingsFile));
    EXPECT_FALSE(fs::exists(fs::path(t.user.DesktopFolder) / "Halvik Katalog.desktop"));
    EXPECT_TRUE(fs::exists(t.medium / "Corvane.mem"));
}

TEST(SetupCommand, SecondStageChecksTheFolderItWasGivenAgain) {
    SetupTestTree t("stage2-refuse");
    XdgInTree xdg(t);
    const fs::path folder = t.home / "Corvane3";
    TInstallation inst({t.Executable(), t.medium.string()}, folder.string(), t.user, 0);
    ASSERT_TRUE(inst.Run()) << inst.Error();
    fs::create_symlink(folder, t.home / "link");
    for (const fs::path& given : {t.home / "link", t.home / "x/../Corvane3", t.home}) {
        StagePipes pipes;
        ::close(pipes.life[1]); // the first stage has ended
        std::ostringstream out;
        EXPECT_EQ(RunUninstallSecondStage(pipes.Arguments(given), out), 1) << given;
        EXPECT_NE(out.str().find("uninstall refused"), std::string::npos) << out.str();
        ::close(pipes.ready[0]);
    }
    EXPECT_TRUE(fs::exists(folder / "Corvane.mem"));
    EXPECT_TRUE(fs::exists(t.user.SettingsFile));
}
