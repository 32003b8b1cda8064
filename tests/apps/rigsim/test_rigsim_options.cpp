// Command line of the rig simulator.

#include "ProcessStateGuard.h"
#include "RigSimOptions.h"
#include "settings/TInstallationSettings.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(RigSimOptions, PathsFromArgumentsEnvironmentOrSettings) {
    TInstallationSettings installation;
    installation.InputPath = "/settings/in.tdw";
    installation.OutputPath = "/settings/out.tdw";
    test::TProcessStateGuard guard;
    guard.SetEnv("CORVANE_TDW_INPUT", nullptr);
    guard.SetEnv("CORVANE_TDW_OUTPUT", nullptr);

    TRigSimOptions o = TRigSimOptions::Parse({}, installation);
    EXPECT_TRUE(o.Error.empty());
    EXPECT_EQ(o.WritePath, "/settings/in.tdw");
    EXPECT_EQ(o.ReadPath, "/settings/out.tdw");
    EXPECT_EQ(o.PeriodMs, 1000);

    guard.SetEnv("CORVANE_TDW_INPUT", "/env/in.tdw");
    o = TRigSimOptions::Parse({"--read", "/arg/out.tdw", "--period", "250", "--points", "5"},
                              installation);
    guard.SetEnv("CORVANE_TDW_INPUT", nullptr);
    EXPECT_EQ(o.WritePath, "/env/in.tdw");
    EXPECT_EQ(o.ReadPath, "/arg/out.tdw");
    EXPECT_EQ(o.PeriodMs, 250);
    EXPECT_EQ(o.Points, 5);

    EXPECT_TRUE(TRigSimOptions::Parse({"--help"}, installation).Help);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--period", "5"},
                                                {"--period", "1s"},
                                                {"--points", "0"},
                                                {"--points"},
                                                {"--verbose"},
                                                {"--write", "/x", "--read", "/x"}})
        EXPECT_FALSE(TRigSimOptions::Parse(bad, installation).Error.empty()) << bad[0];
}

} // namespace
} // namespace corvane
