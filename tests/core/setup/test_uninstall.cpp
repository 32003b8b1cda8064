#include "SetupTestTree.h"
#include "settings/TIniFile.h"
#include "setup/SetupNames.h"
#include "setup/TInstallation.h"
#include "setup/Uninstall.h"

#include <gtest/gtest.h>
#include <vector>

using namespace corvane;
using namespace corvane::test;

namespace {

// An installation in `folder` made by the installer itself.
void Install(const SetupTestTree& t, const fs::path& folder, int languageIndex = 0) {
    TInstallation inst({t.Executable(), t.medium.string()}, folder.string(), t.user, languageIndex);
    ASSERT_TRUE(inst.Run()) << inst.Error();
}

} // namespace

TEST(Uninstall, RefusesEverythingButAnInstallationGivenPlainly) {
    SetupTestTree t("refusal");
    const fs::path folder = t.home / "Cor vane \"q\" ü";
    Install(t, folder);
    fs::create_symlink(folder, t.home / "link");
    fs::create_symlink(t.home, t.root / "homelink");
    const fs::path bare = t.home / "bare"; // program and data, but never installed
    WriteFile(bare / "corvane", "p");
    WriteFile(bare / "Corvane.mem", "d");
    const fs::path linkedProgram = t.home / "linkedprogram";
    Install(t, linkedProgram);
    fs::remove(linkedProgram / "corvane");
    fs::create_symlink(t.medium / "corvane", linkedProgram / "corvane");

    const std::string home = t.home.string();
    struct Case {
        std::string folder;
        std::string program;
        const char* reason; // part of the refusal; nullptr when allowed
    };
    const std::vector<Case> cases{
        {folder.string(), "corvane", nullptr},
        {folder.string() + "/", "corvane", nullptr},
        {"/", "corvane", "home folder"},
        {home, "corvane", "home folder"},
        {t.home.parent_path().string(), "corvane", "home folder"},
        {home + "/../home/Cor vane \"q\" ü", "corvane", "\"..\""},
        {home + "/./Cor vane \"q\" ü", "corvane", "\"..\""},
        {(t.home / "link").string(), "corvane", "symbolic link"},
        {(t.root / "homelink/Cor vane \"q\" ü").string(), "corvane", "symbolic link"},
        {"Cor vane", "corvane", "absolute"},
        {"", "corvane", "absolute"},
        {(t.home / "missing").string(), "corvane", "does not exist"},
        {bare.string(), "corvane", "installed program"},
        {linkedProgram.string(), "corvane", "installed program"},
        {folder.string(), "corvane-x", "installed program"},
        {folder.string(), "../corvane", "plain file name"},
        {folder.string(), "..", "plain file name"},
    };
    for (const Case& c : cases) {
        const std::string refusal = UninstallRefusal(c.folder, c.program, home);
        if (c.reason == nullptr)
            EXPECT_EQ(refusal, "") << c.folder;
        else
            EXPECT_NE(refusal.find(c.reason), std::string::npos) << c.folder << ": " << refusal;
    }
    fs::remove(folder / "Corvane.mem");
    EXPECT_NE(UninstallRefusal(folder.string(), "corvane", home), "");
}

TEST(Uninstall, RemovesOnlyTheFolderItsEntriesAndItsSettings) {
    SetupTestTree t("remove");
    const fs::path apps = t.home / "apps";
    const fs::path folder = apps / "Corvane 3";
    Install(t, folder, 6);
    // Planted beside, above and outside; links inside point out of the folder.
    WriteFile(apps / "Corvane 3.txt", "beside");
    WriteFile(apps / "Corvane 33/keep", "neighbour");
    WriteFile(t.home / "above.txt", "above");
    WriteFile(t.root / "outside/file", "outside");
    fs::create_symlink(t.root / "outside", folder / "Bilder/outlink");
    fs::create_symlink(t.root / "outside/file", folder / "filelink");
    // Entries of another installation and a foreign file with one of our names stay.
    WriteFile(fs::path(t.user.ApplicationsFolder) / "Halvik Katalog.desktop",
              "[Desktop Entry]\nX-Corvane-Folder=" + (apps / "Corvane 33").string() + "\n");
    WriteFile(fs::path(t.user.DesktopFolder) / "Halvik Catalogue.desktop", "[Desktop Entry]\n");
    WriteFile(fs::path(t.user.SettingsFile).parent_path() / "Other.conf", "other program");

    std::vector<std::string> lines;
    ASSERT_TRUE(RemoveInstallation(folder.string(), t.user, lines));
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(ReadFile(apps / "Corvane 3.txt"), "beside");
    EXPECT_EQ(ReadFile(apps / "Corvane 33/keep"), "neighbour");
    EXPECT_EQ(ReadFile(t.home / "above.txt"), "above");
    EXPECT_EQ(ReadFile(t.root / "outside/file"), "outside");
    EXPECT_FALSE(fs::exists(fs::path(t.user.ApplicationsFolder) / "Каталог Halvik.desktop"));
    EXPECT_FALSE(fs::exists(fs::path(t.user.DesktopFolder) / "Каталог Halvik.desktop"));
    EXPECT_TRUE(fs::exists(fs::path(t.user.ApplicationsFolder) / "Halvik Katalog.desktop"));
    EXPECT_TRUE(fs::exists(fs::path(t.user.DesktopFolder) / "Halvik Catalogue.desktop"));
    EXPECT_FALSE(fs::exists(t.user.SettingsFile));
    EXPECT_TRUE(fs::exists(fs::path(t.user.SettingsFile).parent_path() / "Other.conf"));
    EXPECT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines.front(), "removed folder " + folder.string());
}

TEST(Uninstall, KeepsSettingsOfAnotherInstallationAndEverythingWhenTheFolderStays) {
    SetupTestTree t("keep");
    const fs::path first = t.home / "first";
    const fs::path second = t.home / "second";
    Install(t, first, 0);
    Install(t, second, 6); // the settings now record the second installation
    std::vector<std::string> lines;
    ASSERT_TRUE(RemoveInstallation(first.string(), t.user, lines));
    EXPECT_TRUE(fs::exists(t.user.SettingsFile));
    EXPECT_TRUE(fs::exists(fs::path(t.user.DesktopFolder) / "Каталог Halvik.desktop"));
    EXPECT_NE(lines.back().find("kept settings"), std::string::npos) << lines.back();

    lines.clear();
    EXPECT_FALSE(RemoveInstallation((t.home / "missing").string(), t.user, lines));
    ASSERT_TRUE(RemoveInstallation(second.string(), t.user, lines));
    EXPECT_FALSE(fs::exists(t.user.SettingsFile));
    EXPECT_FALSE(fs::exists(fs::path(t.user.SettingsFile).parent_path())); // empty: removed
    EXPECT_FALSE(fs::exists(fs::path(t.user.DesktopFolder) / "Каталог Halvik.desktop"));
}
