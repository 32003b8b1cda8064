// The main window driven as a user: duty point and search, automatic re-search, chart marks,
// cart, language and units, selection files, settings across a restart, the start-up
// warnings and a damaged data file.
#include "../../core/catalogue/DataFileLayout.h"
#include "MainWindowFixture.h"
#include "i18n/Language.h"
#include "selection/TResultList.h"
#include "settings/TIniFile.h"
#include "ui/main/TMainMenus.h"
#include "ui/main/TRequestPanel.h"
#include "ui/main/TResultGrid.h"
#include "ui/main/TResultModel.h"
#include "ui/main/TResultPanel.h"
#include "ui/main/TSpeedPages.h"
#include "ui/main/TStatusLine.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <fstream>

namespace corvane {

namespace {

std::vector<std::int32_t> Ids(const TResultList& results) {
    std::vector<std::int32_t> ids;
    for (const TErgebnisZeile& row : results.Rows())
        ids.push_back(row.Id());
    return ids;
}

} // namespace

TEST_F(MainWindowTest, TypedDutyPointSearchShowsRowsAndTypingMakesThemStale) {
    TCorvaneMainForm& window = Open();
    QAbstractItemModelTester tester(window.ResultPanel()->Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvane V4.0 - Halvik"));
    EXPECT_EQ(window.StatusLine()->Text(),
              QStringLiteral("Bitte Werte eintragen und \"passende Laufräder suchen\" drücken"));
    EXPECT_FALSE(window.ResultPanel()->Grid()->isVisibleTo(&window));

    Type(Panel().Vedit(), QStringLiteral("4500"));
    Type(Panel().Pedit(), QStringLiteral("600"));
    QSignalSpy changed(&window, &TCorvaneMainForm::resultsChanged);
    ClickSearch();
    EXPECT_GE(changed.count(), 1);
    ASSERT_GT(Rows(), 0);
    EXPECT_LE(Rows(), 50);
    EXPECT_DOUBLE_EQ(window.Session().Request().RequestedFlow, 4500);
    EXPECT_FALSE(window.SearchButton()->isEnabled());
    EXPECT_TRUE(window.ResultPanel()->Grid()->isVisibleTo(&window));
    EXPECT_TRUE(window.StatusLine()->Text().isEmpty());
    // The first four rows are marked for the curves; the header has its unit line.
    EXPECT_EQ(Marks()[0], 1);
    EXPECT_EQ(window.ResultPanel()->Model()->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("V\nm³/h"));
    EXPECT_EQ(window.ResultPanel()->Model()->headerData(10, Qt::Horizontal).toString(),
              QStringLiteral("η fa\n%"));

    // A typed value only makes the results stale.
    QTest::keyClick(Panel().Pedit(), Qt::Key_5);
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(window.SearchButton()->isEnabled());
}

TEST_F(MainWindowTest, SortTypeGroupAndPageChangesSearchAgain) {
    TCorvaneMainForm& window = Open();
    ClickSearch();
    ASSERT_GT(Rows(), 2);
    // Sort by D2: the search runs again and the rows come ascending.
    Choose(window.ResultPanel()->SortCombo(), 3);
    EXPECT_EQ(window.Session().Request().SortKey, 3);
    ASSERT_GT(Rows(), 2);
    const auto& rows = window.Session().Results().Rows();
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_LE(rows[i - 1].D2, rows[i].D2);
    EXPECT_FALSE(window.SearchButton()->isEnabled());

    // Another type group: again without pressing the button.
    QComboBox* types = Panel().TypNrCombo();
    ASSERT_GT(types->count(), 1);
    const int before = types->currentIndex();
    Choose(types, before == 0 ? 1 : 0);
    EXPECT_EQ(window.Session().Request().TypeGroup, types->currentData().toInt());
    EXPECT_FALSE(window.SearchButton()->isEnabled());

    // The computed-speed page: a search at the computed speed.
    QTabBar* tabs = Pages().tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(TSpeedPages::PageComputed).center());
    EXPECT_EQ(window.Session().Request().SearchMode, SearchComputedSpeed);
    EXPECT_TRUE(window.Session().SearchDone());
}

TEST_F(MainWindowTest, MarksCartAndCartSearch) {
    TCorvaneMainForm& window = Open();
    ClickSearch();
    ASSERT_GE(Rows(), 6);
    // Column 0 toggles the mark; the marks stay numbered 1..k in row order.
    ClickMarkCell(1);
    EXPECT_EQ(Marks()[1], 0);
    EXPECT_EQ(Marks()[2], 2);
    ClickMarkCell(5);
    EXPECT_EQ(Marks()[5], 4);
    EXPECT_EQ(window.ResultPanel()->Model()->index(5, 0).data(TResultModel::ChartMarkRole), 4);

    // Two rows into the cart, one of them twice: the cart keeps it once.
    CartCommand(0);
    CartCommand(3);
    CartCommand(3);
    ASSERT_EQ(window.Session().Cart().size(), 2u);
    const std::int32_t first = window.Session().Results().Row(0).Id();

    // The cart page searches only the cart.
    Pages().setCurrentIndex(TSpeedPages::PageCart);
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(window.Session().Request().SearchMode, SearchCart);
    // In cart mode the command removes the row and searches again.
    int row = window.Session().Results().Row(0).Id() == first ? 0 : 1;
    CartCommand(row);
    EXPECT_EQ(window.Session().Cart().size(), 1u);
    EXPECT_EQ(Rows(), 1);
    QTest::mouseClick(Pages().WarenkorbDelBtn(), Qt::LeftButton);
    EXPECT_TRUE(window.Session().Cart().empty());
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(window.StatusLine()->Warning()); // searched, nothing found
}

TEST_F(MainWindowTest, LanguageAndUnitsKeepResultsAndMarks) {
    TCorvaneMainForm& window = Open();
    ClickSearch(); // 3000 m³/h
    ASSERT_GE(Rows(), 6);
    ClickMarkCell(5);
    const std::vector<std::int32_t> ids = Ids(window.Session().Results());
    const std::vector<std::int32_t> marked = window.Session().Results().MarkedIds();

    QSignalSpy language(&window, &TCorvaneMainForm::languageChanged);
    window.Menus()->LanguageAction(3)->trigger(); // english, m³/s
    EXPECT_EQ(language.count(), 1);
    EXPECT_EQ(Panel().Vedit()->text(), QStringLiteral("0.833"));
    EXPECT_EQ(window.SearchButton()->text(), QStringLiteral("search matching wheels"));
    EXPECT_EQ(Ids(window.Session().Results()), ids);
    EXPECT_EQ(window.Session().Results().MarkedIds(), marked);
    EXPECT_EQ(window.ResultPanel()->Model()->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("V\nm³/s"));
    EXPECT_TRUE(window.Menus()->LanguageAction(3)->isChecked());
    EXPECT_FALSE(window.Menus()->LanguageAction(0)->isChecked());

    // Imperial units show the same request in ft³/min.
    window.Menus()->LanguageAction(5)->trigger();
    EXPECT_EQ(Panel().Vedit()->text(), QStringLiteral("1766")); // 3000 m³/h
    EXPECT_EQ(Ids(window.Session().Results()), ids);
    window.Menus()->LanguageAction(0)->trigger();
    EXPECT_EQ(TextLanguage(), 0);
}

TEST_F(MainWindowTest, SelectionFileRestoresRequestMarksAndCart) {
    TCorvaneMainForm& window = Open();
    Type(Panel().Vedit(), QStringLiteral("5200"));
    Choose(Panel().FlutCombo(), 1);
    ASSERT_GE(Rows(), 5);
    ClickMarkCell(4);
    CartCommand(2);
    const TAuswahlParam request = window.Session().Request();
    const std::vector<std::int32_t> marked = window.Session().Results().MarkedIds();
    const TWarenkorb cart = window.Session().Cart();
    chosenFile_ = QString::fromStdString(settings_ + ".cva");
    window.Menus()->SaveAction()->trigger();
    EXPECT_TRUE(messages_.Messages.empty());

    // Change everything, then open the file again.
    Type(Panel().Vedit(), QStringLiteral("800"));
    Choose(Panel().FlutCombo(), 0);
    QTest::mouseClick(Pages().WarenkorbDelBtn(), Qt::LeftButton);
    window.Menus()->LanguageAction(2)->trigger();
    window.Menus()->LoadAction()->trigger();
    EXPECT_EQ(window.Session().Request(), request);
    EXPECT_EQ(window.Session().Results().MarkedIds(), marked);
    EXPECT_EQ(window.Session().Cart(), cart);
    EXPECT_EQ(TextLanguage(), 0);
    EXPECT_EQ(Panel().Vedit()->text(), QStringLiteral("5200"));
    EXPECT_EQ(window.SelectionFile(), chosenFile_);

    // The quick file next to the program: only its marks are taken.
    QTest::mouseClick(window.SaveButton(), Qt::LeftButton);
    ClickMarkCell(0);
    EXPECT_NE(window.Session().Results().MarkedIds(), marked);
    QTest::mouseClick(window.LoadMarksButton(), Qt::LeftButton);
    std::vector<int> expected(marked.size());
    EXPECT_EQ(window.Session().Results().MarkedIds(), marked);
}

TEST_F(MainWindowTest, RestartTakesTheSettingsOfTheLastRun) {
    {
        TCorvaneMainForm& window = Open();
        Type(Panel().Pedit(), QStringLiteral("777"));
        Choose(window.ResultPanel()->SortCombo(), 4);
        window.Menus()->LanguageAction(2)->trigger();
        window.resize(900, 600);
        Close();
    }
    TIniFile stored;
    ASSERT_TRUE(stored.Load(settings_));
    EXPECT_EQ(stored.ReadInteger("Options", "Naufruf", -1), 1);
    EXPECT_EQ(stored.ReadString("Auswahl", "AuswP", ""), "777");
    EXPECT_EQ(stored.ReadInteger("WinSize", "TCorvaneMainForm_W", 0), 900);

    TCorvaneMainForm& again = Open();
    EXPECT_EQ(Panel().Pedit()->text(), QStringLiteral("777"));
    EXPECT_EQ(again.ResultPanel()->SortCombo()->currentIndex(), 4);
    EXPECT_EQ(again.SearchButton()->text(), QStringLiteral("search matching wheels"));
    EXPECT_EQ(again.width(), 900);
    Close();
    ASSERT_TRUE(stored.Load(settings_));
    EXPECT_EQ(stored.ReadInteger("Options", "Naufruf", -1), 2);
}

TEST_F(MainWindowTest, StartupWarningsForDensityAndSoundDistance) {
    {
        std::ofstream conf(settings_);
        conf << "[Options]\nLpAbstand=3\n[Auswahl]\nAuswRho=1.2\n";
    }
    Open();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages_.Messages.size(), 1u);
    EXPECT_EQ(messages_.Messages[0],
              "Achtung!\nFür die Auswertungen wird nicht die Normdichte verwendet!\n\n"
              "Schallpegel werden auf 3.0 m Abstand umgerechnet!\n"
              "Diese Berechnung kann unter \"Einstellungen - Optionen\" geändert werden.");
    EXPECT_EQ(window_->ResultPanel()->Model()->headerData(6, Qt::Horizontal).toString(),
              QStringLiteral("Lp(A): 3.0 m\ndB(A)"));
    Close();
    messages_.Messages.clear();
    {
        std::ofstream conf(settings_);
        conf << "[Auswahl]\nAuswRho=1.205\n";
    }
    Open();
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages_.Messages.empty());
}

TEST_F(MainWindowTest, RecordsDroppedForARepeatedKeyAreNamedOnceAtStart) {
    TCatalogue source;
    test::BuildCatalogue(source);
    const test::Bytes image = test::DataFileImage(source);
    // A copy of impeller 2 stored right after it under key 1.
    const test::TImageLayout layout = test::WalkImage(image);
    const test::TStreamLayout& impellers = layout.Tables[6];
    test::Bytes copy = test::RecordBlock(image, impellers.Records[1]);
    test::PutPayloadWord(copy, 0, 0, 1);
    test::Bytes bytes = image;
    test::PutWord(bytes, impellers.Header + 4, test::Word(image, impellers.Header + 4) + 1);
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(impellers.Records[1]), copy.begin(),
                 copy.end());
    const std::string path = folder_.filePath(QStringLiteral("twice.mem")).toStdString();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));

    Open(path);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window_->DataError());
    EXPECT_EQ(messages_.Messages,
              std::vector<std::string>{
                  "Die Datendatei enthält Datensätze mit doppeltem Schlüssel. Verwendet wird "
                  "jeweils der erste, die übrigen werden übergangen:\nLAUFRAD 1"});
}

TEST_F(MainWindowTest, DamagedDataFileShowsTheErrorAndEndsAfterTheWindow) {
    const std::string damaged = folder_.filePath(QStringLiteral("damaged.mem")).toStdString();
    {
        std::ofstream file(damaged, std::ios::binary);
        file << "this is not a data file";
    }
    {
        std::ofstream conf(settings_);
        conf << "[Options]\nNaufruf=4\nBearbeiter=Anna\n";
    }
    TCorvaneMainForm& window = Open(damaged, false);
    EXPECT_TRUE(window.DataError());
    ASSERT_EQ(messages_.Messages.size(), 1u);
    EXPECT_EQ(messages_.Messages[0].rfind("Daten-Fehler:\r\n", 0), 0u) << messages_.Messages[0];
    window.show(); // shown once on what could be read
    QCoreApplication::processEvents();
    EXPECT_EQ(Rows(), 0);
    window_.reset(); // the quit request ends the program: no close, no placement
    TIniFile stored;
    ASSERT_TRUE(stored.Load(settings_));
    EXPECT_EQ(stored.ReadInteger("Options", "Naufruf", -1), 5);
    EXPECT_EQ(stored.ReadString("Options", "Bearbeiter", ""), "Anna");
    EXPECT_FALSE(stored.ValueExists("WinSize", "TCorvaneMainForm_W"));
}

} // namespace corvane
