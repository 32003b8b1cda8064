#include "BrowserTestSupport.h"
#include "catalogue/TMdbLaufrad.h"
#include "i18n/Texts.h"
#include "settings/TIniFile.h"
#include "ui/common/QtText.h"
#include "ui/mdb/TMasterDataMenu.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(MasterDataMenu, ItemsInMenuOrderWithTheHiddenOnes) {
    test::TScriptedUser user;
    TCatalogue catalogue;
    TIniFile settings;
    QMenuBar bar;
    TMasterDataMenu menu(bar, catalogue, settings, nullptr);
    QStringList names;
    QStringList hidden;
    for (QAction* action : menu.Menu()->actions()) {
        names << action->objectName();
        if (!action->isVisible()) hidden << action->objectName();
    }
    EXPECT_EQ(names.join(QLatin1Char(' ')),
              QStringLiteral("KundeMen AuftragMen MotorMen GehMen TexteMen LrTypenMen DueseMen "
                             "LaufradMen MessungMen BildMen"));
    EXPECT_EQ(hidden, QStringList({QStringLiteral("KundeMen"), QStringLiteral("AuftragMen")}));
    EXPECT_EQ(menu.Menu()->title(), QStringLiteral("&Stammdaten"));
    EXPECT_EQ(menu.Item("GehMen")->text(), QStringLiteral("&Gehäuse"));
    SetTextLanguage(1);
    menu.ApplyLanguage();
    EXPECT_EQ(menu.Menu()->title(), QStringLiteral("&database"));
    EXPECT_EQ(menu.Item("LrTypenMen")->text(), QStringLiteral("fan wheel &types"));
}

// The impeller browser reopens at the record last shown, whichever way it was closed.
TEST(MasterDataMenu, ImpellerBrowserReopensAtTheLastRecord) {
    test::TScriptedUser user;
    auto catalogue = test::OpenDemoCatalogue();
    if (catalogue == nullptr) GTEST_SKIP() << "no demo catalogue in CORVANE_PROGRAM_DIR";
    TIniFile settings;
    QMenuBar bar;
    TMasterDataMenu menu(bar, *catalogue, settings, nullptr);
    TMasterDataMenu::LastImpeller() = 0;

    QString caption;
    test::WhenModalBrowserShows([&caption](TMdbForm& form) {
        caption = form.windowTitle();
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(test::Grid(form), Qt::Key_Down);
        form.reject();
    });
    menu.Item("LaufradMen")->trigger();
    const TMdbLaufrad& impellers = catalogue->Laufrad();
    EXPECT_EQ(caption, ShownText(impellers.BrowserCaption()));
    EXPECT_EQ(TMasterDataMenu::LastImpeller(), impellers.Key(impellers.ViewRecord(3)));

    std::int32_t shownAt = 0;
    test::WhenModalBrowserShows([&shownAt](TMdbForm& form) {
        shownAt = form.CurrentKey();
        form.reject();
    });
    menu.Item("LaufradMen")->trigger();
    EXPECT_EQ(shownAt, TMasterDataMenu::LastImpeller());

    test::WhenModalBrowserShows([&caption](TMdbForm& form) {
        caption = form.windowTitle();
        form.reject();
    });
    menu.Item("MotorMen")->trigger();
    EXPECT_EQ(caption, QStringLiteral("Motoren"));
}

} // namespace
} // namespace corvane
