#include "../../core/setup/SetupTestTree.h"
#include "ProcessStateGuard.h"
#include "i18n/Language.h"
#include "i18n/LanguageTable.h"
#include "ui/setup/TInstallForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::test;

namespace {

template <class T> T* Child(const QWidget& w, const char* name) {
    T* child = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

bool HasLabel(const QWidget& w, const QString& text) {
    for (const QLabel* l : w.findChildren<QLabel*>())
        if (l->text() == text) return true;
    return false;
}

} // namespace

TEST(InstallForm, ChoosingAnEntrySwitchesTheLanguageAtOnce) {
    TProcessStateGuard guard; // the form switches language and units
    SetupTestTree t("form-language");
    TInstallForm form({t.Executable(), t.medium.string()}, t.user, 0);
    auto* combo = Child<QComboBox>(form, "UnitCombo");
    auto* ok = Child<QPushButton>(form, "OkBtn");
    EXPECT_EQ(combo->count(), OfferedLanguageEntries());
    EXPECT_EQ(ok->text(), QStringLiteral("Corvane &installieren"));
    EXPECT_EQ(Child<QPushButton>(form, "CancelBtn")->text(),
              QStringLiteral("Corvane von &CD starten"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Corvane installieren"));
    EXPECT_TRUE(HasLabel(form, QStringLiteral("Zielverzeichnis:")));
    EXPECT_EQ(HasLabel(form, QString::fromUtf8("Язык:")), OfferedLanguageEntries() == 8);
    EXPECT_EQ(Child<QLineEdit>(form, "ZielEdit")->text().toStdString(),
              (t.home / ".local/share/Corvane3").string());

    combo->setCurrentIndex(4);
    EXPECT_EQ(form.LanguageIndex(), 4);
    EXPECT_EQ(TextLanguage(), 1);
    EXPECT_EQ(ScreenUnitSystem(), 4);
    EXPECT_EQ(ok->text(), QStringLiteral("&install Corvane"));
    EXPECT_EQ(Child<QPushButton>(form, "AbortBtn")->text(), QStringLiteral("exit"));
    EXPECT_TRUE(HasLabel(form, QStringLiteral("destination directory:")));
    if (OfferedLanguageEntries() == 8) {
        combo->setCurrentIndex(7);
        EXPECT_EQ(TextLanguage(), 2);
        EXPECT_EQ(ok->text(), QString::fromUtf8("&Установить Corvane"));
    }
    combo->setCurrentIndex(1);
    EXPECT_EQ(TextLanguage(), 0);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Corvane installieren"));
}

TEST(InstallForm, RunFromCdCancelsExitAcceptsAndNeitherInstalls) {
    SetupTestTree t("form-buttons");
    for (const char* button : {"CancelBtn", "AbortBtn"}) {
        TInstallForm form({t.Executable(), t.medium.string()}, t.user, 0);
        form.SetFolder(QString::fromStdString((t.home / "target").string()));
        form.show();
        QSignalSpy finished(&form, &QDialog::finished);
        QTest::mouseClick(Child<QPushButton>(form, button), Qt::LeftButton);
        ASSERT_EQ(finished.count(), 1) << button;
        EXPECT_EQ(form.result(),
                  std::string(button) == "AbortBtn" ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_FALSE(form.Installed());
        EXPECT_FALSE(fs::exists(t.home / "target")) << button;
    }
}

TEST(InstallForm, InstallShowsProgressAndClosesWithOkAlsoAfterAFailure) {
    TProcessStateGuard guard; // the form switches language and units
    SetupTestTree t("form-install");
    const fs::path folder = t.home / "Corvane Ü";
    {
        TInstallForm form({t.Executable(), t.medium.string()}, t.user, 3);
        form.SetFolder(QString::fromStdString(folder.string()));
        form.show();
        auto* bar = Child<QProgressBar>(form, "pgBar");
        EXPECT_FALSE(bar->isVisible());
        QTest::mouseClick(Child<QPushButton>(form, "OkBtn"), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_TRUE(form.Installed());
        EXPECT_EQ(form.Error(), "");
        EXPECT_EQ(form.InstalledFolder(), folder.string());
        EXPECT_EQ(bar->value(), bar->maximum());
        EXPECT_TRUE(fs::exists(folder / "Corvane.mem"));
        EXPECT_TRUE(fs::exists(fs::path(t.user.DesktopFolder) / "Halvik Catalogue.desktop"));
    }
    TInstallForm form({t.Executable(), t.medium.string()}, t.user, 0);
    form.SetFolder(QStringLiteral("/"));
    form.show();
    QTest::mouseClick(Child<QPushButton>(form, "OkBtn"), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_FALSE(form.Installed());
    EXPECT_EQ(form.Error().rfind("create dir /:", 0), 0u) << form.Error();
}
