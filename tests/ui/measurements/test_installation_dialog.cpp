// The installation settings dialog: loads the settings, gives back what was typed, fills
// empty entries and the defaults button from the defaults.

#include "ui/measurements/TInstallationDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(InstallationDialog, EditsEverySetting) {
    TInstallationSettings s = TInstallationSettings::Defaults();
    s.RigCommands[4] = "/opt/hd/acquire --rig 4";
    s.AnalyserProject = "/data/Hallraum.proj";
    s.SimulatedAnalyser = false;
    TInstallationDialog dialog(s);
    auto* rig4 = dialog.findChild<QLineEdit*>(QStringLiteral("RigEdit4"));
    ASSERT_NE(rig4, nullptr);
    EXPECT_EQ(rig4->text(), QStringLiteral("/opt/hd/acquire --rig 4"));
    auto* duration = dialog.findChild<QSpinBox*>(QStringLiteral("DurationEdit"));
    EXPECT_FALSE(duration->isEnabled());

    rig4->clear(); // an empty command line means the default one
    QTest::keyClicks(rig4, QStringLiteral("  "));
    auto* input = dialog.findChild<QLineEdit*>(QStringLiteral("InputEdit"));
    input->setText(QStringLiteral(" /srv/rig/ein.tdw "));
    dialog.findChild<QCheckBox*>(QStringLiteral("SimulatedBox"))->setChecked(true);
    EXPECT_TRUE(duration->isEnabled());
    duration->setValue(1500);
    TInstallationSettings back = dialog.Settings();
    EXPECT_EQ(back.InputPath, "/srv/rig/ein.tdw");
    EXPECT_EQ(back.RigCommands[4], "./corvane-rigsim");
    EXPECT_EQ(back.AnalyserProject, "/data/Hallraum.proj");
    EXPECT_TRUE(back.SimulatedAnalyser);
    EXPECT_EQ(back.SimulatedDurationMs, 1500);

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("DefaultsBtn")),
                      Qt::LeftButton);
    back = dialog.Settings();
    EXPECT_EQ(back.InputPath, TInstallationSettings::Defaults().InputPath);
    EXPECT_TRUE(back.AnalyserProject.empty());
}

} // namespace
} // namespace corvane
