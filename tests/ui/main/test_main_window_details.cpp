// Details of the main window: the owner-drawn grid cells, the context menu, the manual speed
// variation with its slider, and the options and density dialogs opened from the window.
#include "MainWindowFixture.h"
#include "render/curves/CurvePalette.h"
#include "selection/TResultList.h"
#include "ui/main/TMainMenus.h"
#include "ui/main/TOptForm.h"
#include "ui/main/TRequestPanel.h"
#include "ui/main/TResultContextMenu.h"
#include "ui/main/TResultGrid.h"
#include "ui/main/TResultModel.h"
#include "ui/main/TResultPanel.h"
#include "ui/main/TRhoForm.h"
#include "ui/main/TSpeedPages.h"
#include "ui/main/TStatusLine.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <functional>

namespace corvane {

namespace {

// Settings of a search at a high given speed: rows with remarks "*1" and "*4".
void WriteHighSpeedRequest(const std::string& path) {
    std::ofstream conf(path);
    conf << "[Auswahl]\nAuswV=5000\nAuswP=2500\nAuswN=4000\nAuswDproz=30\nAuswArt=1\n"
            "AuswFlut=1\nAuswTypNr=21\nAuswDart=1\n";
}

bool HasColour(const QImage& image, const QRect& area, const QColor& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

// Runs `act` on the modal dialog that `open` shows, once it is up.
void WithModal(const std::function<void()>& open, const std::function<void(QWidget&)>& act) {
    QTimer::singleShot(0, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    open();
}

} // namespace

TEST_F(MainWindowTest, OwnerDrawnSymbolsAndRemarkColours) {
    WriteHighSpeedRequest(settings_);
    TCorvaneMainForm& window = Open();
    ClickSearch();
    ASSERT_GT(Rows(), 4);
    const TResultList& results = window.Session().Results();
    int remarkRow = -1;
    for (int r = 0; r < Rows(); ++r)
        if (results.RemarkMarkerOf(static_cast<std::size_t>(r)) == "*1") remarkRow = r;
    ASSERT_GE(remarkRow, 4);
    EXPECT_TRUE(window.ResultPanel()->AnmPanel(0)->isVisibleTo(&window));
    EXPECT_FALSE(window.ResultPanel()->AnmPanel(1)->isVisibleTo(&window));
    EXPECT_EQ(window.ResultPanel()->AnmPanel(0)->text(),
              QStringLiteral(" *1)   Hinweis wegen hoher Drehzahl: Verstärkte Ausführung"));

    TResultGrid& grid = *window.ResultPanel()->Grid();
    grid.clearSelection();
    const QImage image = grid.viewport()->grab().toImage();
    const QRect remark = grid.visualRect(grid.model()->index(remarkRow, 13)).adjusted(2, 2, -2, -2);
    EXPECT_TRUE(HasColour(image, remark, QColor(Qt::yellow)));
    for (int mark = 1; mark <= 4; ++mark) {
        const QRect symbol = grid.visualRect(grid.model()->index(mark - 1, 0));
        EXPECT_TRUE(HasColour(image, symbol, CurveColour(mark))) << "mark " << mark;
        EXPECT_FALSE(HasColour(image, symbol, CurveColour(mark % 4 + 1))) << "mark " << mark;
    }
    const QRect unmarked = grid.visualRect(grid.model()->index(4, 0));
    EXPECT_FALSE(HasColour(image, unmarked, CurveColour(1)));

    // The selected row shows its remark without the colour.
    grid.SelectRow(remarkRow);
    const QImage selected = grid.viewport()->grab().toImage();
    EXPECT_FALSE(HasColour(selected, remark, QColor(Qt::yellow)));
}

TEST_F(MainWindowTest, ContextMenuSheetsPictureAndInformation) {
    WriteHighSpeedRequest(settings_);
    TCorvaneMainForm& window = Open();
    ClickSearch();
    ASSERT_GT(Rows(), 0);
    window.ResultPanel()->Grid()->SelectRow(3);
    OpenContextMenu(0);
    EXPECT_EQ(window.SelectedRow(), 0); // the right button selects the row
    TResultContextMenu& menu = *window.ResultContextMenu();
    ASSERT_TRUE(menu.isVisible());
    EXPECT_TRUE(menu.SelAction()->isChecked());
    EXPECT_TRUE(
        menu.HousingSheetAction()->text().startsWith(QStringLiteral("Gehäuse-Datenblatt ")));
    EXPECT_EQ(menu.InfoAction(0)->text(),
              QStringLiteral("Laufrad:  ") +
                  QString::fromStdString(window.Session().Results().CellText(0, 1)));
    EXPECT_TRUE(menu.InfoAction(2)->text().endsWith(QStringLiteral(" mm")));
    EXPECT_EQ(menu.CartAction()->text(), QStringLiteral("-> VLR zum Warenkorb hinzufügen"));
    ASSERT_TRUE(menu.ImpellerSheetAction()->isEnabled());
    menu.ImpellerSheetAction()->trigger();
    ASSERT_EQ(openedUrls_.size(), 1u);
    EXPECT_EQ(openedUrls_[0].find(folder_.path().toStdString() + "/Pdf/"), 0u) << openedUrls_[0];
    EXPECT_EQ(openedUrls_[0].substr(openedUrls_[0].size() - 4), ".pdf");
    EXPECT_EQ(openedUrls_[0].find('.'), openedUrls_[0].size() - 4); // dots became "_"

    // The chart-mark command un-marks the row the menu belongs to.
    menu.SelAction()->trigger();
    EXPECT_EQ(Marks()[0], 0);
    menu.hide();

    // The menu key opens the menu of the selected row.
    TResultGrid& grid = *window.ResultPanel()->Grid();
    grid.SelectRow(2);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(grid.viewport(), &key);
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.InfoAction(0)->text(),
              QStringLiteral("Laufrad:  ") +
                  QString::fromStdString(window.Session().Results().CellText(2, 1)));
    menu.hide();
}

TEST_F(MainWindowTest, SliderVariesTheSpeedAndKeepsTheMarkedFans) {
    TCorvaneMainForm& window = Open();
    Pages().setCurrentIndex(TSpeedPages::PageFixed);
    QTest::mouseClick(Pages().NvarCheck(), Qt::LeftButton);
    EXPECT_EQ(window.Session().Request().SearchMode, SearchManualSpeed);
    EXPECT_TRUE(Pages().NtrackBar()->isVisibleTo(&window));
    EXPECT_FALSE(Pages().DartCombo()->isVisibleTo(&window));
    ASSERT_GT(Rows(), 5);
    ClickMarkCell(5); // a fifth fan joins the curves
    const std::vector<std::int32_t> marked = window.Session().Results().MarkedIds();

    QSlider& slider = *Pages().NtrackBar();
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_PageDown); // the user moves the slider
    const int speed = slider.value();
    EXPECT_EQ(Pages().Nedit()->text(), QString::number(speed));
    EXPECT_DOUBLE_EQ(window.Session().Request().GivenSpeed, speed);
    ASSERT_GT(Rows(), 0);
    EXPECT_DOUBLE_EQ(window.Session().Results().Row(0).N, speed);
    EXPECT_EQ(window.Session().Results().MarkedIds().size(), marked.size());

    // Typing the speed moves the slider; a new slider end takes the speed along.
    Type(Pages().Nedit(), QStringLiteral("1234"));
    EXPECT_EQ(slider.value(), 1234);
    EXPECT_DOUBLE_EQ(window.Session().Results().Row(0).N, 1234);
    QComboBox& end = *Pages().SliderMaxCombo();
    end.lineEdit()->selectAll();
    QTest::keyClicks(end.lineEdit(), QStringLiteral("1000"));
    EXPECT_EQ(slider.maximum(), 3000); // not before the end is typed completely
    QTest::keyClick(end.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(slider.maximum(), 1000);
    EXPECT_EQ(Pages().Nedit()->text(), QStringLiteral("1000"));
    EXPECT_DOUBLE_EQ(window.Session().Results().Row(0).N, 1000);

    // Switched off: the deviation controls return and a normal search runs.
    QTest::mouseClick(Pages().NvarCheck(), Qt::LeftButton);
    EXPECT_EQ(window.Session().Request().SearchMode, SearchFixedSpeed);
    EXPECT_TRUE(Pages().DartCombo()->isVisibleTo(&window));
}

TEST_F(MainWindowTest, OptionsAndDensityDialogsFromTheWindow) {
    TCorvaneMainForm& window = Open();
    ClickSearch();
    // Options: another language and a sound distance; the window follows and searches.
    WithModal([&] { window.Menus()->OptionsAction()->trigger(); },
              [](QWidget& dialog) {
                  auto& form = dynamic_cast<TOptForm&>(dialog);
                  form.UnitCombo()->setCurrentIndex(2);
                  form.LpAbstandBox()->setChecked(true);
                  form.LpAbstandEdit()->setText(QStringLiteral("2"));
                  QTest::mouseClick(form.OkButton(), Qt::LeftButton);
              });
    EXPECT_EQ(window.SearchButton()->text(), QStringLiteral("search matching wheels"));
    EXPECT_TRUE(window.Menus()->LanguageAction(2)->isChecked());
    EXPECT_TRUE(window.Session().SearchDone());
    EXPECT_EQ(window.ResultPanel()->Model()->headerData(6, Qt::Horizontal).toString(),
              QStringLiteral("Lp(A): 2.0 m\ndB(A)"));

    // Density from pressure and temperature: shown with three decimals, then a search.
    WithModal([&] { QTest::mouseClick(Panel().RhoButton(), Qt::LeftButton); },
              [](QWidget& dialog) {
                  auto& form = dynamic_cast<TRhoForm&>(dialog);
                  form.PressureEdit()->setText(QStringLiteral("100000"));
                  Q_EMIT form.PressureEdit()->textEdited(form.PressureEdit()->text());
                  QTest::mouseClick(form.OkButton(), Qt::LeftButton);
              });
    EXPECT_DOUBLE_EQ(window.Session().Request().RequestedDensity, 1.276);
    EXPECT_EQ(Panel().RhoEdit()->text(), QStringLiteral("1.276"));
    EXPECT_TRUE(window.Session().SearchDone());

    // Cancelled dialogs change nothing.
    const TAuswahlParam before = window.Session().Request();
    WithModal([&] { QTest::mouseClick(Panel().RhoButton(), Qt::LeftButton); },
              [](QWidget& dialog) { dynamic_cast<QDialog&>(dialog).reject(); });
    EXPECT_EQ(window.Session().Request(), before);
}

} // namespace corvane

namespace corvane {

namespace {

// What the status line showed each time it was painted.
class TPaintLog : public QObject {
public:
    TPaintLog(TStatusLine& line, QPushButton& button) : line_(line), button_(button) {
        line.installEventFilter(this);
    }
    struct TShown {
        QString Text;
        bool Warning;
        int Progress;
        bool ButtonEnabled;
    };
    std::vector<TShown> Shown;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            Shown.push_back(
                {line_.Text(), line_.Warning(), line_.ProgressPixels(), button_.isEnabled()});
        return false;
    }

private:
    TStatusLine& line_;
    QPushButton& button_;
};

} // namespace

TEST_F(MainWindowTest, StatusLinePaintedDuringTheSearch) {
    TCorvaneMainForm& window = Open();
    Choose(Panel().FlutCombo(), 1); // a search that found nothing leaves a yellow line
    Type(Panel().Vedit(), QStringLiteral("1"));
    Type(Panel().Pedit(), QStringLiteral("99999"));
    ClickSearch();
    ASSERT_EQ(Rows(), 0);
    EXPECT_TRUE(window.StatusLine()->Warning());
    EXPECT_EQ(window.StatusLine()->Text(),
              QStringLiteral("keine passenden Laufräder gefunden, bitte Eingaben ändern oder die "
                             "zul. Abweichung prüfen!"));

    Type(Panel().Vedit(), QStringLiteral("5000"));
    Type(Panel().Pedit(), QStringLiteral("800"));
    TPaintLog log(*window.StatusLine(), *window.SearchButton());
    ClickSearch();
    ASSERT_GT(Rows(), 0);
    ASSERT_GE(log.Shown.size(), 2u);
    // First "suchen ..." on the normal colour with the button disabled, then the progress.
    EXPECT_EQ(log.Shown.front().Text, QStringLiteral("suchen ..."));
    EXPECT_FALSE(log.Shown.front().Warning);
    EXPECT_FALSE(log.Shown.front().ButtonEnabled);
    bool progressed = false;
    for (const auto& shown : log.Shown)
        progressed = progressed || (shown.Progress > 0 && shown.Text == log.Shown.front().Text);
    EXPECT_TRUE(progressed);
    // Afterwards: no text, no bar.
    EXPECT_TRUE(window.StatusLine()->Text().isEmpty());
    EXPECT_EQ(window.StatusLine()->ProgressPixels(), 0);
}

TEST_F(MainWindowTest, CheckInstOffersTheInstallationOnTheFirstStartOnly) {
    arguments_ = {QStringLiteral("CHECKINST")};
    int dialogs = 0;
    // The installation window comes up once the main window is shown; it is cancelled.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&dialogs] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++dialogs;
            dialog->reject();
        }
    });
    watcher.start(5);
    TCorvaneMainForm& window = Open();
    for (int wait = 0; wait < 500 && dialogs == 0; ++wait)
        QTest::qWait(10);
    watcher.stop();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(window.Menus()->InstallAction()->isVisible());
    EXPECT_TRUE(window.InstallOffer().AutoInstall);
    EXPECT_TRUE(window.isVisible()); // cancelled: the program goes on
    Close();

    // The second start (run counter 1) offers the menu item but does not install by itself.
    TCorvaneMainForm& again = Open();
    EXPECT_TRUE(again.Menus()->InstallAction()->isVisible());
    EXPECT_FALSE(again.InstallOffer().AutoInstall);
    Close();
    arguments_.clear();
    TCorvaneMainForm& plain = Open();
    EXPECT_FALSE(plain.Menus()->InstallAction()->isVisible());

    // Without a manual in the program folder the help button says where it looked.
    QTest::mouseClick(plain.HelpButton(), Qt::LeftButton);
    ASSERT_EQ(messages_.Messages.size(), 1u);
    EXPECT_EQ(messages_.Messages[0].rfind("Die Anleitung wurde nicht gefunden:\n", 0), 0u);
    EXPECT_NE(messages_.Messages[0].find("help_d.htm"), std::string::npos);
}

} // namespace corvane
