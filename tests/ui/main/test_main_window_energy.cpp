// The energy-efficiency details of the selected result row (panel and context menu) and the
// export of the result grid (clipboard and CSV file) in the main window.
#include "MainWindowFixture.h"
#include "efficiency/EfficiencyTexts.h"
#include "efficiency/TEfficiencyRater.h"
#include "i18n/Language.h"
#include "selection/ResultExport.h"
#include "selection/TResultList.h"
#include "ui/common/QtText.h"
#include "ui/main/TEnergyDetailsPanel.h"
#include "ui/main/TMainMenus.h"
#include "ui/main/TResultContextMenu.h"
#include "ui/main/TResultEnergyDetails.h"
#include "ui/main/TResultGrid.h"
#include "ui/main/TResultGridExport.h"
#include "ui/main/TResultModel.h"
#include "ui/main/TResultPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QTest>
#include <fstream>
#include <utility>

namespace corvane {

namespace {

// The grade lines of a result row, computed beside the window.
std::vector<TGradeLine> ExpectedLines(TCorvaneMainForm& window, int row) {
    TEfficiencyRater rater(window.Catalogue());
    const TResultList& results = window.Session().Results();
    return GradeLines(
        rater.Grade(results.Row(static_cast<std::size_t>(row)), results.Request().RequestedDensity),
        TextLanguage(), ScreenUnitSystem());
}

void ExpectPanelShows(const TEnergyDetailsPanel& panel, const std::vector<TGradeLine>& lines) {
    ASSERT_EQ(panel.LineCount(), static_cast<int>(lines.size()));
    for (int i = 0; i < panel.LineCount(); ++i) {
        EXPECT_EQ(panel.Label(i), ToQString(lines[static_cast<std::size_t>(i)].Label));
        EXPECT_EQ(panel.Value(i), ToQString(lines[static_cast<std::size_t>(i)].Value));
    }
    EXPECT_TRUE(panel.Hint().isEmpty());
}

void ClickRow(TResultGrid& grid, int row) {
    const QRect cell = grid.visualRect(grid.model()->index(row, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

// Writes a settings file with a search that finds several rows.
void WriteRequest(const std::string& path) {
    std::ofstream conf(path);
    conf << "[Auswahl]\nAuswV=5000\nAuswP=2500\nAuswN=4000\nAuswDproz=30\nAuswArt=1\n"
            "AuswFlut=1\nAuswTypNr=21\nAuswDart=1\n";
}

} // namespace

TEST_F(MainWindowTest, EnergyDetailsFollowSelectionResultsAndLanguage) {
    WriteRequest(settings_);
    TCorvaneMainForm& window = Open();
    auto* details = window.findChild<TResultEnergyDetails*>();
    ASSERT_NE(details, nullptr);
    TEnergyDetailsPanel& panel = *details->Panel();
    EXPECT_TRUE(details->Dock()->isVisible());
    EXPECT_EQ(details->Dock()->windowTitle(), QStringLiteral("Energieeffizienz"));
    EXPECT_EQ(panel.Hint(), QStringLiteral("Keine Ergebniszeile ausgewählt"));

    ClickSearch();
    ASSERT_GT(Rows(), 2);
    EXPECT_EQ(window.ResultPanel()->Model()->columnCount(), 14); // the grid stays as it was
    TResultGrid& grid = *window.ResultPanel()->Grid();
    ClickRow(grid, 1);
    ASSERT_EQ(window.SelectedRow(), 1);
    const std::vector<TGradeLine> row1 = ExpectedLines(window, 1);
    ExpectPanelShows(panel, row1);
    EXPECT_EQ(panel.Label(0), QStringLiteral("Ventilatorart"));

    // The keyboard moves the selection; the panel follows it.
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    ASSERT_EQ(window.SelectedRow(), 2);
    ExpectPanelShows(panel, ExpectedLines(window, 2));
    EXPECT_NE(panel.Value(0) + panel.Value(1) + panel.Value(2),
              ToQString(row1[0].Value + row1[1].Value + row1[2].Value));

    // Another language gives the lines in that language.
    window.Menus()->LanguageAction(3)->trigger();
    ASSERT_EQ(TextLanguage(), 1);
    EXPECT_EQ(details->Dock()->windowTitle(), QStringLiteral("Energy efficiency"));
    // The grid is filled anew, so no row is selected until the user picks one.
    EXPECT_EQ(panel.Hint(), QStringLiteral("No result row selected"));
    ClickRow(grid, 2);
    ExpectPanelShows(panel, ExpectedLines(window, 2));
    EXPECT_EQ(panel.Label(0), QStringLiteral("fan type"));

    // The context menu shows the same lines for the row it opens on.
    OpenContextMenu(0);
    TResultContextMenu& menu = *window.ResultContextMenu();
    ASSERT_TRUE(menu.isVisible());
    QMenu& submenu = *details->Submenu();
    EXPECT_EQ(submenu.title(), QStringLiteral("Energy efficiency"));
    EXPECT_TRUE(menu.actions().contains(submenu.menuAction()));
    const std::vector<TGradeLine> row0 = ExpectedLines(window, 0);
    ASSERT_EQ(submenu.actions().size(), static_cast<qsizetype>(row0.size()));
    for (std::size_t i = 0; i < row0.size(); ++i)
        EXPECT_EQ(submenu.actions().at(static_cast<qsizetype>(i))->text(),
                  ToQString(row0[i].Label + ": " + row0[i].Value));
    ExpectPanelShows(panel, row0);
    menu.hide();

    // Without a selected row the panel says so.
    window.ResultPanel()->Grid()->clearSelection();
    EXPECT_EQ(panel.Hint(), QStringLiteral("No result row selected"));
    EXPECT_EQ(panel.LineCount(), 0);
}

TEST_F(MainWindowTest, ResultGridCopiedAndSavedAsCsv) {
    WriteRequest(settings_);
    TCorvaneMainForm& window = Open();
    ClickSearch();
    ASSERT_GT(Rows(), 0);
    const TResultList& results = window.Session().Results();
    auto* exporter = window.findChild<TResultGridExport*>();
    ASSERT_NE(exporter, nullptr);

    // Ctrl+C on the grid copies the whole grid, not the current cell.
    TResultGrid& grid = *window.ResultPanel()->Grid();
    QApplication::clipboard()->clear();
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, ToQString(ResultGridClipboardText(results, "Ergebnisliste:")));
    EXPECT_EQ(copied.count(QStringLiteral("\r\n")), 1 + 2 + Rows());

    // The CSV command writes through the chosen file; the separator follows the locale.
    QString preset;
    QString chosen = QDir(folder_.path()).filePath(QStringLiteral("results.csv"));
    exporter->SetFileChooser([&](QWidget*, const QString& offered) {
        preset = offered;
        return chosen;
    });
    const QLocale before;
    for (const auto& [language, separator] :
         {std::pair{QLocale::German, ';'}, std::pair{QLocale::English, ','}}) {
        QLocale::setDefault(QLocale(language));
        OpenContextMenu(0);
        ASSERT_TRUE(window.ResultContextMenu()->isVisible());
        exporter->SaveCsvAction()->trigger();
        window.ResultContextMenu()->hide();
        QFile file(chosen);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().toStdString(), ResultGridCsv(results, separator));
    }
    QLocale::setDefault(before);
    EXPECT_EQ(exporter->CsvFile(), chosen);
    EXPECT_TRUE(messages_.Messages.empty());

    // A file that cannot be written gets a message naming it; nothing else changes.
    chosen = QDir(folder_.path()).filePath(QStringLiteral("missing/results.csv"));
    exporter->SaveCsv();
    EXPECT_EQ(preset, QDir(folder_.path()).filePath(QStringLiteral("results.csv")));
    ASSERT_EQ(messages_.Messages.size(), 1u);
    EXPECT_NE(messages_.Messages[0].find(folder_.path().toStdString() + "/missing"),
              std::string::npos);
    EXPECT_NE(messages_.Messages[0].find("nicht gespeichert"), std::string::npos);
    EXPECT_FALSE(QFile::exists(chosen));
    EXPECT_EQ(exporter->CsvFile(), QDir(folder_.path()).filePath(QStringLiteral("results.csv")));

    // Cancelling the dialog writes nothing.
    chosen.clear();
    exporter->SaveCsv();
    EXPECT_EQ(messages_.Messages.size(), 1u);
}

} // namespace corvane
