// The curve window driven like a user: opening, switching kinds, points and parabolas with
// mouse and keys, the point table, copy, print, settings per window.
#include "CurveWindowFixture.h"
#include "selection/TPointList.h"
#include "ui/curves/TPointTableModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::TCurveWindowFixture;

constexpr int kFlowColumn = 2;

TEST(KennlForm, OpensFromTheSelectionAndComesForwardAgain) {
    TCurveWindowFixture f;
    TKennlForm* form = f.Open(1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->CurveSet().CurveCount, 2);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Druck frei ausblasend"));
    EXPECT_EQ(form->AuswahlBox()->count(), 13);
    EXPECT_EQ(form->AuswahlBox()->currentData().toInt(), 1);
    EXPECT_EQ(form->AuswahlBox()->itemText(7), QStringLiteral("Druckzahl bez. auf Druck frei "
                                                              "ausblasend / Lieferzahl"));
    EXPECT_FALSE(form->AnzeigeGrid()->isVisible());

    form->showMinimized();
    EXPECT_EQ(f.windows->Open(1), form);
    EXPECT_FALSE(form->isMinimized());
    EXPECT_EQ(f.windows->OpenCount(), 1);
    EXPECT_NE(f.windows->Open(5), form);
    EXPECT_EQ(f.windows->OpenCount(), 2);
    EXPECT_EQ(f.windows->Open(0), nullptr);
    EXPECT_EQ(f.windows->Open(29), nullptr);

    // Closing frees the window and its slot.
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.windows->Window(1), nullptr);
    EXPECT_EQ(f.windows->OpenCount(), 1);
}

TEST(KennlForm, AuswahlBoxSwitchesTheKind) {
    TCurveWindowFixture f;
    TKennlForm* form = f.Open(1);
    QComboBox* box = form->AuswahlBox();
    const int item = box->findData(11);
    ASSERT_GE(item, 0);
    box->setCurrentIndex(item);
    Q_EMIT box->activated(item);
    EXPECT_EQ(form->DiagramCode(), 11);
    EXPECT_EQ(form->CurveSet().Kind, 11);
    EXPECT_EQ(form->Index(), 1);
    // Over the flow coefficient: clicks do nothing, no point table.
    form->SetShowMode(1);
    f.RightClick(form, QPoint(300, 300), QStringLiteral("PunktInsMen"));
    EXPECT_TRUE(f.menuOffered.isEmpty());
    EXPECT_TRUE(f.settings.SelectedFlows.Values.empty());
    EXPECT_FALSE(form->AnzeigeGrid()->isVisible());
}

TEST(KennlForm, SelectedPointsWithMouseKeysAndTable) {
    TCurveWindowFixture f;
    TKennlForm* form = f.Open(1);
    // The right click offers both modes and copying; "anzeigen" switches the points on.
    f.RightClick(form, TCurveWindowFixture::At(form, 2500, 500), QStringLiteral("PunkteMen"));
    EXPECT_EQ(form->ShowMode(), 1);
    EXPECT_TRUE(f.menuOffered.contains(QStringLiteral("CopyMen")));
    EXPECT_TRUE(form->AnzeigeGrid()->isVisible());

    f.RightClick(form, TCurveWindowFixture::At(form, 2500, 500), QStringLiteral("PunktInsMen"));
    ASSERT_EQ(f.settings.SelectedFlows.Values.size(), 1u);
    const std::int32_t placed = f.settings.SelectedFlows.Values[0];
    EXPECT_NEAR(placed, 2500, 20);
    EXPECT_EQ(f.settings.SelectedFlows.Current, 1);
    f.RightClick(form, TCurveWindowFixture::At(form, 5000, 500), QStringLiteral("PunktInsMen"));
    EXPECT_EQ(f.settings.SelectedFlows.Values.size(), 2u);
    EXPECT_EQ(f.settings.SelectedFlows.Current, 2);

    // The table: two points × two curves, each row at its point's flow.
    QTableView* grid = form->AnzeigeGrid();
    ASSERT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(grid->model()->index(0, kFlowColumn).data().toString(), QString::number(placed));
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(grid->currentIndex().row(), 2); // the current point's first row
    EXPECT_TRUE(grid->model()
                    ->headerData(kFlowColumn, Qt::Horizontal)
                    .toString()
                    .contains(QStringLiteral("m³/h")));

    // Choosing a row makes its point current.
    grid->selectRow(1);
    EXPECT_EQ(f.settings.SelectedFlows.Current, 1);

    // "+" and "-" move the current point by 1 m³/h.
    QTest::keyClick(form->Panel(), Qt::Key_Plus, Qt::NoModifier);
    EXPECT_EQ(f.settings.SelectedFlows.Values[0], placed + 1);
    QTest::keyClick(grid, Qt::Key_Minus, Qt::NoModifier);
    QTest::keyClick(grid, Qt::Key_Minus, Qt::NoModifier);
    EXPECT_EQ(f.settings.SelectedFlows.Values[0], placed - 1);

    // Dragging: 4 pixels do nothing, more moves the line; released, the list is sorted.
    const QPoint start = TCurveWindowFixture::At(form, f.settings.SelectedFlows.Values[0], 400);
    QTest::mousePress(form->Panel(), Qt::LeftButton, {}, start);
    QTest::mouseMove(form->Panel(), start + QPoint(4, 4));
    EXPECT_EQ(f.settings.SelectedFlows.Values[0], placed - 1);
    const QPoint beyond = TCurveWindowFixture::At(form, 6000, 400);
    QTest::mouseMove(form->Panel(), beyond);
    QTest::mouseRelease(form->Panel(), Qt::LeftButton, {}, beyond);
    EXPECT_EQ(f.settings.SelectedFlows.Current, 2);
    EXPECT_NEAR(f.settings.SelectedFlows.Values[1], 6000, 20);
    EXPECT_NEAR(f.settings.SelectedFlows.Values[0], 5000, 20);

    // Delete through the menu of a table row: no insert there.
    f.menuChoice = QStringLiteral("PunktDelMen");
    grid->selectRow(0);
    grid->scrollTo(grid->model()->index(0, 3));
    const QRect row0 = grid->visualRect(grid->model()->index(0, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row0.center());
    EXPECT_FALSE(f.menuOffered.contains(QStringLiteral("PunktInsMen")));
    ASSERT_EQ(f.settings.SelectedFlows.Values.size(), 1u);
    EXPECT_NEAR(f.settings.SelectedFlows.Values[0], 6000, 20);

    // The program-wide list reaches the settings file text.
    EXPECT_EQ(WriteListText(f.settings.SelectedFlows),
              "-" + std::to_string(f.settings.SelectedFlows.Values[0]));
}

TEST(KennlForm, ParabolasAndTheirIntersections) {
    TCurveWindowFixture f;
    TKennlForm* form = f.Open(1);
    f.RightClick(form, TCurveWindowFixture::At(form, 2000, 500), QStringLiteral("ParabelMen"));
    EXPECT_EQ(form->ShowMode(), 2);
    // Only the duty point's parabola so far: one point × two curves.
    EXPECT_EQ(form->AnzeigeGrid()->model()->rowCount(), 2);
    // A click at 2000 m³/h and 250 Pa lies on the parabola of 4000 m³/h.
    f.RightClick(form, TCurveWindowFixture::At(form, 2000, 250), QStringLiteral("PunktInsMen"));
    ASSERT_EQ(f.settings.ParabolaFlows.Values.size(), 1u);
    EXPECT_NEAR(f.settings.ParabolaFlows.Values[0], 4000, 100);
    EXPECT_EQ(form->AnzeigeGrid()->model()->rowCount(), 4);
    EXPECT_FALSE(form->AnzeigeGrid()->model()->index(0, kFlowColumn).data().toString().isEmpty());

    // Both modes are exclusive; choosing the ticked one again switches off.
    f.RightClick(form, QPoint(200, 200), QStringLiteral("PunkteMen"));
    EXPECT_EQ(form->ShowMode(), 1);
    f.RightClick(form, QPoint(200, 200), QStringLiteral("PunkteMen"));
    EXPECT_EQ(form->ShowMode(), 0);
    EXPECT_FALSE(form->AnzeigeGrid()->isVisible());
}

TEST(KennlForm, CopyGivesAnImageOfFixedSize) {
    TCurveWindowFixture f;
    TKennlForm* form = f.Open(1);
    form->resize(500, 350);
    QApplication::clipboard()->clear();
    QTest::keyClick(form->Panel(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(800, 600));
    QApplication::clipboard()->clear();
    form->CopyBtn()->click();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(800, 600));
    EXPECT_FALSE(form->Busy());
    // In the print language (English here), the screen language stays German.
    SetPrintUnitSystem(2);
    form->CopyToClipboard();
    EXPECT_EQ(TextLanguage(), 0);
    SetPrintUnitSystem(0);
}

TEST(KennlForm, PrintsToPdfWithRemarkAndCannotCloseMeanwhile) {
    TCurveWindowFixture f;
    TKennlForm* form = f.Open(1);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("diagram.pdf"));
    bool stayedOpen = false;
    form->SetRemarkPrompt([](QWidget*) { return std::optional<QString>(QStringLiteral("Probe")); });
    form->SetPrinterSetup([&](QPrinter& printer, QWidget*) {
        EXPECT_TRUE(form->Busy());
        form->close();
        stayedOpen = form->isVisible();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    });
    EXPECT_TRUE(form->PrintDiagram());
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(form->Busy());
    EXPECT_EQ(form->Remark(), QStringLiteral("Probe"));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);

    // Cancelled remark: nothing printed.
    form->SetRemarkPrompt([](QWidget*) { return std::optional<QString>(); });
    EXPECT_FALSE(form->PrintDiagram());
    EXPECT_FALSE(form->Busy());
    // Closing works again.
    EXPECT_TRUE(form->close());
}

TEST(KennlForm, WindowSettingPerIndex) {
    TCurveWindowFixture f;
    TKennlForm* form = f.Open(2);
    form->SetShowMode(2);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const std::string stored = f.settings.Store.ReadString("WinSize", "TKennlForm2_A", "");
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(std::stoi(stored) / 1000000, 2);
    EXPECT_GE(std::stoi(stored) % 1000000, 64);
    EXPECT_EQ(f.Open(2)->ShowMode(), 2);
    EXPECT_EQ(f.Open(3)->ShowMode(), 0); // other indexes keep their own
    // A damaged value does not break the window.
    f.settings.Store.WriteString("WinSize", "TKennlForm4_A", "-77x");
    EXPECT_EQ(f.Open(4)->ShowMode(), 0);
}

TEST(KennlForm, ProgramWideRefreshAndLanguage) {
    TCurveWindowFixture f;
    TKennlForm* a = f.Open(1);
    TKennlForm* b = f.Open(3);
    f.selection.RemoveSeries(2);
    f.windows->RefreshAll();
    EXPECT_EQ(a->CurveSet().CurveCount, 1);
    EXPECT_EQ(b->CurveSet().CurveCount, 1);
    SetTextLanguage(1);
    f.windows->ApplyLanguageAll();
    EXPECT_EQ(a->windowTitle(), QStringLiteral("static pressure"));
    EXPECT_EQ(b->CopyBtn()->text(), QStringLiteral("&copy"));
    SetTextLanguage(0);
    f.windows->CloseAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.windows->OpenCount(), 0);
}

TEST(PointTableModel, PassesTheModelTester) {
    TCurveWindowFixture f;
    TKennlForm* form = f.Open(1);
    QAbstractItemModelTester tester(form->AnzeigeGrid()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    f.settings.SelectedFlows = {{1500, 3500}, 1};
    form->SetShowMode(1);
    EXPECT_EQ(form->AnzeigeGrid()->model()->rowCount(), 4);
    f.settings.SelectedFlows = {};
    form->SetShowMode(1);
    EXPECT_EQ(form->AnzeigeGrid()->model()->rowCount(), 1); // the empty row
}

} // namespace
} // namespace corvane
