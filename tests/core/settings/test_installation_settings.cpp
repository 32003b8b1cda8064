// Installation settings of the test rig: defaults, reading, writing, and the rig command
// line they hold.

#include "ProcessStateGuard.h"
#include "acquisition/TRigCommand.h"
#include "settings/TIniFile.h"
#include "settings/TInstallationSettings.h"
#include "settings/TSettings.h"
#include "util/XdgFolders.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(InstallationSettings, DefaultsPointAtTheSimulatorAndTheRuntimeFolder) {
    test::TProcessStateGuard guard;
    guard.SetEnv("XDG_RUNTIME_DIR", "/run/user/4711");
    TInstallationSettings d = TInstallationSettings::Defaults();
    EXPECT_EQ(d.InputPath, "/run/user/4711/corvane-rig-in.tdw");
    EXPECT_EQ(d.OutputPath, "/run/user/4711/corvane-rig-out.tdw");
    guard.SetEnv("XDG_RUNTIME_DIR", "relative/dir"); // not usable: the temporary folder
    EXPECT_EQ(RuntimeFolder().find("corvane-"), RuntimeFolder().rfind('/') + 1);

    for (const std::string& command : d.RigCommands)
        EXPECT_EQ(command, "./corvane-rigsim");
    EXPECT_TRUE(d.SimulatedAnalyser);
    EXPECT_EQ(&d.RigCommand(7), &d.RigCommands[0]); // unknown rig codes use code 0
    EXPECT_EQ(&d.RigCommand(4), &d.RigCommands[4]);
}

TEST(InstallationSettings, RoundTripThroughTheUserSettings) {
    TSettings settings;
    settings.Installation.InputPath = "/srv/rig/ein.tdw";
    settings.Installation.RigCommands[2] = "/opt/duct/acquire -p 2";
    settings.Installation.AnalyserProject = "C:/Schall/Hallraum.proj";
    settings.Installation.SimulatedAnalyser = false;
    settings.Installation.SimulatedDurationMs = 1500;
    TIniFile ini;
    settings.WriteUser(ini);
    EXPECT_EQ(ini.ReadString("Messwerterfassung", "Pruefstand2", ""), "/opt/duct/acquire -p 2");

    TSettings back;
    back.Read(ini, ESettingsSource::User);
    EXPECT_EQ(back.Installation.InputPath, "/srv/rig/ein.tdw");
    EXPECT_EQ(back.Installation.OutputPath, settings.Installation.OutputPath);
    EXPECT_EQ(back.Installation.RigCommands, settings.Installation.RigCommands);
    EXPECT_EQ(back.Installation.AnalyserProject, "C:/Schall/Hallraum.proj");
    EXPECT_FALSE(back.Installation.SimulatedAnalyser);
    EXPECT_EQ(back.Installation.SimulatedDurationMs, 1500);

    // Emptied or damaged keys fall back to the defaults; a selection file has none of them.
    ini.WriteString("Messwerterfassung", "EingabeDatei", "");
    ini.WriteString("Messwerterfassung", "AnalysatorDauer", "-5");
    back.Read(ini, ESettingsSource::User);
    EXPECT_EQ(back.Installation.InputPath, TInstallationSettings::Defaults().InputPath);
    EXPECT_EQ(back.Installation.SimulatedDurationMs, 0);
    TSettings fromFile;
    fromFile.Read(ini, ESettingsSource::SelectionFile);
    EXPECT_EQ(fromFile.Installation.RigCommands[2], "./corvane-rigsim");
}

TEST(RigCommand, ProgramParametersAndTheProgramFolder) {
    TRigCommand c =
        TRigCommand::Parse("  ./bin/../corvane-rigsim --period 500  \"a b\" x\"y z\"", "/opt/c");
    EXPECT_EQ(c.Program, "/opt/c/corvane-rigsim");
    EXPECT_EQ(c.Arguments, (std::vector<std::string>{"--period", "500", "a b", "xy z"}));
    EXPECT_EQ(c.WorkingFolder, "/opt/c");

    c = TRigCommand::Parse("/usr/bin/acquire", "/opt/c");
    EXPECT_EQ(c.Program, "/usr/bin/acquire");
    EXPECT_TRUE(c.Arguments.empty());
    c = TRigCommand::Parse("acquire \"\"", "/opt/c"); // an empty quoted parameter stays
    EXPECT_EQ(c.Arguments, (std::vector<std::string>{""}));
    EXPECT_TRUE(TRigCommand::Parse("   ", "/opt/c").Program.empty());
}

} // namespace
} // namespace corvane
