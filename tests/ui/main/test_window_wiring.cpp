// The windows the main window opens, driven through its buttons and menus: the curve windows
// follow the results, the marks, the font and the language and close with the main window.
#include "MainWindowFixture.h"
#include "WithModal.h"
#include "model/TMessAuswahl.h"
#include "selection/TResultList.h"
#include "settings/TSettings.h"
#include "ui/curves/TCurveWindows.h"
#include "ui/curves/TKennlForm.h"
#include "ui/main/TCurveCommands.h"
#include "ui/main/TMainMenus.h"
#include "ui/main/TOptForm.h"
#include "ui/mdb/TMasterDataMenu.h"
#include "ui/mdb/TMdbForm.h"
#include "ui/measurements/TInstallationDialog.h"
#include "ui/measurements/TMwEditForm.h"
#include "ui/reports/TAuswertungForm.h"
#include "ui/reports/TEvaluationCommands.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace corvane {

namespace {

using test::WithModal;

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST_F(MainWindowTest, CurveButtonOpensTheCurvesOfTheMarkedRowsAndTheyFollowTheMainWindow) {
    TCorvaneMainForm& window = Open();
    TCurveCommands& curves = *window.CurveCommands();
    ASSERT_EQ(curves.KennlBtn()->parentWidget(), window.SearchButton()->parentWidget());
    EXPECT_EQ(curves.KennlBtn()->text(), QStringLiteral("Kennlinien anzeigen"));
    // The font item comes before the options.
    ASSERT_EQ(window.SettingsMenu()->actions().value(0), curves.FontMen());
    EXPECT_EQ(window.SettingsMenu()->actions().value(1), window.Menus()->OptionsAction());

    ClickSearch();
    ASSERT_GE(Rows(), 4);
    QTest::mouseClick(curves.KennlBtn(), Qt::LeftButton);
    TKennlForm* form = curves.Windows().Window(1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->SelectionMode());
    EXPECT_FALSE(form->ListModeFlag());
    EXPECT_EQ(form->CurveSet().CurveCount, 4); // the first four rows are marked
    // Each curve is named as its row in the result list.
    const TCurveWindowContext& context = curves.Context();
    ASSERT_EQ(context.Selection.Count(), 4);
    const TMessSlot& second = *context.Selection.Slot(2);
    EXPECT_EQ(second.DisplayNo, 2);
    EXPECT_EQ(context.SlotName(second), window.Session().Results().CellText(1, 1));
    EXPECT_FALSE(context.SlotName(second).empty());
    // A second click brings the same window forward.
    QTest::mouseClick(curves.KennlBtn(), Qt::LeftButton);
    EXPECT_EQ(curves.Windows().OpenCount(), 1);

    // Unmarking a row takes its curve away.
    ClickMarkCell(0);
    EXPECT_EQ(form->CurveSet().CurveCount, 3);
    EXPECT_EQ(context.SlotName(*context.Selection.Slot(1)),
              window.Session().Results().CellText(1, 1));

    // The font dialog stores name and size (within 6..64) and the windows are built again.
    context.Selection.ClearSelection();
    curves.SetFontChooser([](QWidget*, const QFont& font) {
        EXPECT_EQ(font.family(), QStringLiteral("Arial"));
        return std::optional<QFont>(QFont(QStringLiteral("DejaVu Serif"), 80));
    });
    curves.FontMen()->trigger();
    EXPECT_EQ(window.Session().Options().FontName, "DejaVu Serif");
    EXPECT_EQ(window.Session().Options().FontSize, 64);
    EXPECT_EQ(form->CurveSet().CurveCount, 0);
    curves.SetFontChooser([](QWidget*, const QFont&) { return std::optional<QFont>(); });
    curves.FontMen()->trigger();
    EXPECT_EQ(window.Session().Options().FontSize, 64);

    // A language switch renames the button and the window.
    const QString title = form->windowTitle();
    window.Menus()->LanguageAction(3)->trigger();
    EXPECT_EQ(curves.KennlBtn()->text(), QStringLiteral("display charts"));
    EXPECT_EQ(curves.FontMen()->text(), QStringLiteral("&font type and size for charts"));
    EXPECT_NE(form->windowTitle(), title);

    // Closing the main window closes the curve windows.
    window.close();
    DeleteClosedWindows();
    EXPECT_EQ(curves.Windows().OpenCount(), 0);
}

TEST_F(MainWindowTest, CurvesOfTheManualSpeedListGetTheListFlag) {
    TCorvaneMainForm& window = Open();
    TAuswahlParam request = window.Session().Request();
    request.SearchMode = SearchManualSpeed;
    window.Session().SetRequest(request);
    window.CurveCommands()->KennlBtn()->click();
    TKennlForm* form = window.CurveCommands()->Windows().Window(1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->ListModeFlag());
    Close(); // destroying the main window with a curve window open
}

TEST_F(MainWindowTest, PrintPreviewButtonAndPrinterItemsOpenTheirDialogs) {
    TCorvaneMainForm& window = Open();
    TEvaluationCommands& evaluation = *window.EvaluationCommands();
    ASSERT_EQ(evaluation.PrintBtn()->parentWidget(), window.SearchButton()->parentWidget());
    EXPECT_TRUE(evaluation.PrintBtn()->isVisibleTo(&window));
    // File menu: ... save, printer set-up, print (hidden), separator, exit.
    const QList<QAction*> file = window.FileMenu()->actions();
    const qsizetype setup = file.indexOf(evaluation.PrintSetupMen());
    ASSERT_GT(setup, file.indexOf(window.Menus()->SaveAction()));
    EXPECT_EQ(file.value(setup + 1), evaluation.PrintMen());
    EXPECT_FALSE(evaluation.PrintMen()->isVisible());
    EXPECT_TRUE(file.value(setup + 2)->isSeparator());
    EXPECT_EQ(file.value(setup + 3), window.Menus()->ExitAction());

    ClickSearch();
    ASSERT_GE(Rows(), 4);
    // The preview shows the marked rows; cancelling it leaves nothing open.
    int shown = -1;
    EXPECT_TRUE(WithModal([&] { QTest::mouseClick(evaluation.PrintBtn(), Qt::LeftButton); },
                          [&](QDialog& dialog) {
                              auto* form = qobject_cast<TAuswertungForm*>(&dialog);
                              ASSERT_NE(form, nullptr);
                              shown = window.CurveCommands()->Context().Selection.Count();
                              QTest::mouseClick(form->CancelBtn(), Qt::LeftButton);
                          }));
    EXPECT_EQ(shown, 4);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(WithModal([&] { evaluation.PrintSetupMen()->trigger(); }, [](QDialog&) {}));

    window.Menus()->LanguageAction(3)->trigger();
    EXPECT_EQ(evaluation.PrintBtn()->text(), QStringLiteral("print preview"));
    EXPECT_EQ(evaluation.PrintSetupMen()->text(), QStringLiteral("printer s&etup"));
}

TEST_F(MainWindowTest, SeriesBrowserShowsAndEditsPointsAndTheSearchFollows) {
    TCorvaneMainForm& window = Open();
    ClickSearch();
    ASSERT_GT(Rows(), 0);
    QAction* seriesItem = window.MasterData()->Item("MessungMen");
    ASSERT_NE(seriesItem, nullptr);
    EXPECT_TRUE(seriesItem->isVisible());
    EXPECT_TRUE(window.MasterDataMenu()->menuAction()->isVisible());
    // Every search reports its progress: counting the reports shows whether one ran.
    int progressReports = 0;
    window.Session().SetProgressCallback([&](double) { ++progressReports; });
    const int reportsBefore = progressReports;

    QString pointsTitle;
    bool editorShown = false;
    EXPECT_TRUE(WithModal(
        [&] { seriesItem->trigger(); },
        [&](QDialog& dialog) {
            auto* browser = qobject_cast<TMdbForm*>(&dialog);
            ASSERT_NE(browser, nullptr);
            QAction* show = browser->findChild<QAction*>(QStringLiteral("ShowPointsMen"));
            ASSERT_NE(show, nullptr);
            EXPECT_TRUE(show->isVisible());
            // "Messwerte anzeigen": the points of the current series in a table browser.
            EXPECT_TRUE(WithModal([&] { show->trigger(); },
                                  [&](QDialog& points) { pointsTitle = points.windowTitle(); }));
            EXPECT_EQ(progressReports, reportsBefore); // looking changes nothing
            // The editor confirmed: the search runs again on the points as they are now.
            EXPECT_TRUE(WithModal([&] { browser->EditRecord(TMdbForm::kEditPointsFlag); },
                                  [&](QDialog& editor) {
                                      editorShown = qobject_cast<TMwEditForm*>(&editor) != nullptr;
                                      auto* ok =
                                          editor.findChild<QPushButton*>(QStringLiteral("OkBtn"));
                                      ASSERT_NE(ok, nullptr);
                                      QTest::mouseClick(ok, Qt::LeftButton);
                                  }));
        }));
    EXPECT_TRUE(pointsTitle.startsWith(QStringLiteral("Messwerte aus Messreihe ")))
        << pointsTitle.toStdString();
    EXPECT_TRUE(editorShown);
    EXPECT_TRUE(window.Session().SearchDone());
    ASSERT_GT(Rows(), 0);
    EXPECT_GT(progressReports, reportsBefore);
    window.Session().SetProgressCallback({});
}

TEST_F(MainWindowTest, OptionsButtonEditsTheRigSettingsTakenOnlyWithOk) {
    TCorvaneMainForm& window = Open();
    const std::string before = window.Session().Options().Installation.InputPath;
    const auto editRig = [&](bool confirmOptions) {
        WithModal([&] { window.Menus()->OptionsAction()->trigger(); },
                  [&](QDialog& dialog) {
                      auto* options = qobject_cast<TOptForm*>(&dialog);
                      ASSERT_NE(options, nullptr);
                      EXPECT_FALSE(options->RigButton()->text().isEmpty());
                      EXPECT_TRUE(WithModal(
                          [&] { options->RigButton()->click(); },
                          [](QDialog& rig) {
                              ASSERT_NE(qobject_cast<TInstallationDialog*>(&rig), nullptr);
                              auto* input = rig.findChild<QLineEdit*>(QStringLiteral("InputEdit"));
                              ASSERT_NE(input, nullptr);
                              input->setText(QStringLiteral("/tmp/rig-in.dat"));
                              rig.accept();
                          }));
                      if (confirmOptions) options->OkButton()->click();
                  });
    };
    editRig(false);
    EXPECT_EQ(window.Session().Options().Installation.InputPath, before);
    editRig(true);
    EXPECT_EQ(window.Session().Options().Installation.InputPath, "/tmp/rig-in.dat");
}

} // namespace corvane
