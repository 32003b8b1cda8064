#include "MainWindowFixture.h"

#include "selection/TResultList.h"
#include "ui/main/TRequestPanel.h"
#include "ui/main/TResultContextMenu.h"
#include "ui/main/TResultGrid.h"
#include "ui/main/TResultModel.h"
#include "ui/main/TResultPanel.h"
#include "ui/main/TSpeedPages.h"
#include "util/ProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <cstdlib>
#include <filesystem>

namespace corvane {

namespace fs = std::filesystem;

void MainWindowTest::SetUp() {
    const char* programDir = std::getenv("CORVANE_PROGRAM_DIR");
    if (programDir == nullptr || !fs::exists(fs::path(programDir) / "Corvane.mem"))
        GTEST_SKIP() << "no demo catalogue in the program folder";
    demoData_ = (fs::path(programDir) / "Corvane.mem").string();
    ASSERT_TRUE(folder_.isValid());
    const fs::path home = folder_.path().toStdString();
    // Pictures and data sheets of the demo catalogue; the quick selection file lands here.
    for (const char* sub : {"Bilder", "Pdf"})
        fs::create_directory_symlink(fs::path(programDir) / sub, home / sub);
    SetProgramFolder(home.string());
    settings_ = (home / "Corvane.conf").string();
    TUserMessage::Install(&messages_);
}

void MainWindowTest::TearDown() {
    window_.reset();
    TUserMessage::Install(nullptr);
    SetProgramFolder({});
}

TCorvaneMainForm& MainWindowTest::Open(const std::string& data, bool show) {
    TMainFormOptions options;
    options.SettingsPath = settings_;
    options.DataFile = data.empty() ? demoData_ : data;
    options.Arguments = arguments_;
    options.OpenUrl = [this](const QUrl& url) {
        openedUrls_.push_back(url.toLocalFile().toStdString());
        return true;
    };
    options.ChooseFile = [this](QWidget*, const QString&, bool) { return chosenFile_; };
    window_ = std::make_unique<TCorvaneMainForm>(std::move(options));
    if (show) {
        window_->show();
        QCoreApplication::processEvents();
    }
    return *window_;
}

void MainWindowTest::Close() {
    window_->close();
    window_.reset();
}

TRequestPanel& MainWindowTest::Panel() const {
    return *window_->RequestPanel();
}

TSpeedPages& MainWindowTest::Pages() const {
    return *window_->RequestPanel()->AuswahlPage();
}

int MainWindowTest::Rows() const {
    return window_->ResultPanel()->Model()->rowCount();
}

void MainWindowTest::Type(QLineEdit* edit, const QString& text) const {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void MainWindowTest::Choose(QComboBox* combo, int index) const {
    while (combo->currentIndex() < index)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index)
        QTest::keyClick(combo, Qt::Key_Up);
}

void MainWindowTest::ClickSearch() const {
    QTest::mouseClick(window_->SearchButton(), Qt::LeftButton);
}

void MainWindowTest::ClickMarkCell(int row) const {
    TResultGrid& grid = *window_->ResultPanel()->Grid();
    const QRect cell = grid.visualRect(grid.model()->index(row, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

void MainWindowTest::OpenContextMenu(int row) const {
    TResultGrid& grid = *window_->ResultPanel()->Grid();
    const QPoint at = grid.visualRect(grid.model()->index(row, 1)).center();
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, grid.viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid.viewport(), &request);
}

void MainWindowTest::CartCommand(int row) const {
    OpenContextMenu(row);
    TResultContextMenu& menu = *window_->ResultContextMenu();
    EXPECT_TRUE(menu.isVisible());
    menu.CartAction()->trigger();
    menu.hide();
}

std::vector<int> MainWindowTest::Marks() const {
    std::vector<int> marks;
    for (const TErgebnisZeile& row : window_->Session().Results().Rows())
        marks.push_back(row.ChartMark);
    return marks;
}

} // namespace corvane
