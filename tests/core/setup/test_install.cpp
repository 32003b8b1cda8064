#include "SetupTestTree.h"
#include "settings/TIniFile.h"
#include "setup/DesktopEntry.h"
#include "setup/SetupNames.h"
#include "setup/TInstallation.h"

#include <gtest/gtest.h>
#include <vector>

using namespace corvane;
using namespace corvane::test;

namespace {

TInstallation Installer(const SetupTestTree& t, const fs::path& target,
                        std::optional<int> languageIndex = std::nullopt) {
    return TInstallation({t.Executable(), t.medium.string()}, target.string(), t.user,
                         languageIndex);
}

} // namespace

TEST(Install, CopiesProgramDataAndFoldersAndRecordsTheInstallation) {
    SetupTestTree t("install");
    const fs::path target = t.home / "apps" / "Cor vane 'ü\"" / ""; // trailing separator
    fs::permissions(t.medium / "Corvane.mem", fs::perms::owner_read); // a read-only medium
    TInstallation inst = Installer(t, target, 7);
    std::vector<int> steps;
    ASSERT_TRUE(inst.Run([&](int step, const std::string& line) {
        steps.push_back(step);
        EXPECT_EQ(line, inst.Lines().back());
    })) << inst.Error();
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    const fs::path folder = t.home / "apps" / "Cor vane 'ü\"";
    EXPECT_EQ(inst.Folder(), folder.string());

    EXPECT_EQ(ReadFile(folder / "corvane"), "program v1");
    EXPECT_NE(fs::status(folder / "corvane").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    EXPECT_EQ(ReadFile(folder / "corvane-cli"), "tool");
    EXPECT_EQ(ReadFile(folder / "corvane-rigsim"), "rig");
    EXPECT_EQ(ReadFile(folder / "corvane.png"), "icon");
    EXPECT_EQ(ReadFile(folder / "lib/libqt.so.6.4"), "library");
    EXPECT_TRUE(fs::is_symlink(folder / "lib/libqt.so.6"));
    EXPECT_EQ(ReadFile(folder / "Corvane.mem"), "data v1");
    EXPECT_NE(fs::status(folder / "Corvane.mem").permissions() & fs::perms::owner_write,
              fs::perms::none);
    EXPECT_EQ(ReadFile(folder / "Bilder/B1.jpg"), "picture");
    EXPECT_EQ(ReadFile(folder / "Pdf/L1.pdf"), "sheet");
    EXPECT_EQ(ReadFile(folder / "Help/help_d.htm"), "manual");
    EXPECT_FALSE(fs::exists(folder / "Help/old"));           // files only, no subfolders
    EXPECT_TRUE(fs::is_directory(folder / "Help/Pictures")); // made, though missing on the medium
    EXPECT_TRUE(fs::is_regular_file(folder / kInstallMarkerName));

    TIniFile settings;
    ASSERT_TRUE(settings.Load(t.user.SettingsFile));
    EXPECT_EQ(settings.ReadString("Uninstall", "InstallLocation", ""), folder.string());
    EXPECT_EQ(settings.ReadString("Uninstall", "DisplayName", ""), "Каталог Halvik");
    EXPECT_EQ(settings.ReadString("Uninstall", "UninstallString", ""),
              "'" + t.home.string() + "/apps/Cor vane '\\''ü\"/corvane' uninstall 1");
    EXPECT_EQ(settings.ReadInteger("Options", "PrintUnit", -1), 7);

    for (const std::string& place : {t.user.ApplicationsFolder, t.user.DesktopFolder}) {
        const fs::path entry = fs::path(place) / "Каталог Halvik.desktop";
        const std::string text = ReadFile(entry);
        EXPECT_EQ(DesktopEntryFolder(text), folder.string()) << entry;
        EXPECT_NE(text.find("Exec=\"" + t.home.string() +
                            "/apps/Cor vane 'ü\\\\\"/corvane\" uninstall 1"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("Icon=" + folder.string() + "/corvane.png"), std::string::npos);
        EXPECT_NE(text.find("Name=Corvane deinstallieren"), std::string::npos);
        EXPECT_NE(fs::status(entry).permissions() & fs::perms::owner_exec, fs::perms::none);
    }
}

TEST(Install, TwiceOverwritesAndRemovesOldFiles) {
    SetupTestTree t("twice");
    const fs::path folder = t.home / "Corvane3";
    ASSERT_TRUE(Installer(t, folder, 0).Run());
    EXPECT_TRUE(fs::exists(fs::path(t.user.DesktopFolder) / "Halvik Katalog.desktop"));
    // An old installation: a read-only program, the backup and the old data files.
    fs::permissions(folder / "corvane", fs::perms::owner_read);
    WriteFile(folder / "Corvane.mbk", "backup");
    WriteFile(folder / "FanData.STD", "old");
    WriteFile(folder / "FanData.STM", "old");
    WriteFile(t.medium / "corvane", "program v2");
    WriteFile(t.medium / "Corvane.mem", "data v2");
    // A user setting survives the new record.
    TIniFile settings;
    ASSERT_TRUE(settings.Load(t.user.SettingsFile));
    settings.WriteString("Options", "Bearbeiter", "Jana");
    ASSERT_TRUE(settings.Save(t.user.SettingsFile));

    TInstallation again = Installer(t, folder); // keeps the stored language/unit entry
    ASSERT_TRUE(again.Run()) << again.Error();
    EXPECT_EQ(ReadFile(folder / "corvane"), "program v2");
    EXPECT_EQ(ReadFile(folder / "Corvane.mem"), "data v2");
    for (const char* old : {"Corvane.mbk", "FanData.STD", "FanData.STM"})
        EXPECT_FALSE(fs::exists(folder / old)) << old;
    EXPECT_EQ(again.Lines()[2], "3/10 remove old files: FanData.STD FanData.STM Corvane.mbk");
    ASSERT_TRUE(settings.Load(t.user.SettingsFile));
    EXPECT_EQ(settings.ReadString("Options", "Bearbeiter", ""), "Jana");
    EXPECT_EQ(settings.ReadInteger("Options", "PrintUnit", -1), 0);

    // In another language the entries get the other name; the old ones do not stay behind.
    ASSERT_TRUE(Installer(t, folder, 3).Run());
    EXPECT_TRUE(fs::exists(fs::path(t.user.DesktopFolder) / "Halvik Catalogue.desktop"));
    EXPECT_FALSE(fs::exists(fs::path(t.user.DesktopFolder) / "Halvik Katalog.desktop"));
    EXPECT_FALSE(fs::exists(fs::path(t.user.ApplicationsFolder) / "Halvik Katalog.desktop"));
}

TEST(Install, RefusesFoldersItMustNotOwnAndStopsAtACopyFailure) {
    SetupTestTree t("refuse");
    WriteFile(t.home / "Documents/letter.txt", "mine");
    fs::create_directories(t.home / "empty");
    struct Case {
        fs::path folder;
        bool ok;
    };
    const std::vector<Case> cases{
        {"/", false},
        {t.home, false},
        {t.home / "..", false},        // above home
        {t.home / "Documents", false}, // someone else's files
        {t.medium, false},             // the folder the program runs from
        {"", false},
        {t.home / "new\nline", false},
        {t.home / "empty", true},
    };
    for (const Case& c : cases) {
        TInstallation inst = Installer(t, c.folder);
        EXPECT_EQ(inst.Run(), c.ok) << c.folder;
        if (!c.ok) {
            EXPECT_EQ(inst.Error().rfind("create dir ", 0), 0u) << inst.Error();
            EXPECT_EQ(inst.Lines().size(), 1u) << c.folder;
        }
    }
    EXPECT_EQ(ReadFile(t.home / "Documents/letter.txt"), "mine");
    EXPECT_FALSE(fs::exists(t.home / "Documents" / kInstallMarkerName));
    EXPECT_FALSE(fs::exists(t.home / kInstallMarkerName));

    fs::remove(t.medium / "Corvane.mem");
    TInstallation inst = Installer(t, t.home / "partial");
    EXPECT_FALSE(inst.Run());
    EXPECT_EQ(inst.Error(),
              "copy " + (t.home / "partial/Corvane.mem").string() + ":\nNo such file or directory");
    EXPECT_EQ(inst.Lines().size(), 5u);
    EXPECT_FALSE(fs::exists(t.home / "partial/Bilder"));
}

TEST(Install, SettingsAndShortcutFailuresArePassedOver) {
    SetupTestTree t("passover");
    WriteFile(t.root / "blocker", "a file where folders should be");
    t.user.SettingsFile = (t.root / "blocker/Brask/Corvane.conf").string();
    t.user.ApplicationsFolder = (t.root / "blocker/applications").string();
    t.user.DesktopFolder.clear();
    TInstallation inst = Installer(t, t.home / "Corvane3");
    EXPECT_TRUE(inst.Run()) << inst.Error();
    EXPECT_NE(inst.Lines()[1].find("not written"), std::string::npos) << inst.Lines()[1];
    EXPECT_NE(inst.Lines()[9].find("not written"), std::string::npos) << inst.Lines()[9];
    EXPECT_NE(inst.Lines()[9].find("no desktop folder"), std::string::npos);
    EXPECT_TRUE(fs::exists(t.home / "Corvane3/Corvane.mem"));
}
