// The table browser on the demo catalogue's impeller and series tables.
#include "BrowserTestSupport.h"
#include "catalogue/TMdbLaufrad.h"
#include "measurements/TMdbMessung.h"
#include "settings/TIniFile.h"
#include "ui/mdb/TMdbTableModel.h"

#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::Grid;
using test::Header;
using test::SearchEdit;
using test::SelectedRow;

constexpr int kBezTypColumn = 4; // "Bez-Typ" (D2NENN) among the impeller's default columns

class MdbForm : public ::testing::Test {
protected:
    void SetUp() override {
        catalogue_ = test::OpenDemoCatalogue();
        if (catalogue_ == nullptr) GTEST_SKIP() << "no demo catalogue in CORVANE_PROGRAM_DIR";
    }

    static void ClickHeader(TMdbForm& form, int column) {
        TMdbHeaderView* header = Header(form);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }

    // The sort triangle as drawn: a pixel inside it near its wide side is black, a pixel
    // beside its tip is not.
    static bool TrianglePointsDown(TMdbForm& form) {
        TMdbHeaderView* header = Header(form);
        const QImage image = header->grab().toImage();
        const int line = header->LineHeight();
        const QRect marker(header->sectionViewportPosition(header->SortSection()), 2 * line,
                           header->sectionSize(header->SortSection()), line);
        const QPolygon t = TMdbHeaderView::SortTriangle(marker, true);
        const QPoint wideSide((t[0].x() + t[2].x()) / 2, t[0].y() + 1);
        const QPoint besideTip(t[0].x() + 1, t[1].y() - 1);
        return image.pixelColor(wideSide) == Qt::black && image.pixelColor(besideTip) != Qt::black;
    }

    std::int32_t DesignationOrder(const TMdb& table, int row) const {
        return table.Key(table.ViewRecord(row));
    }

    test::TScriptedUser user_;
    std::unique_ptr<TCatalogue> catalogue_;
    TIniFile settings_;
};

TEST_F(MdbForm, ImpellerBrowserSortsByHeaderAndSearchesAsYouType) {
    TMdbLaufrad& impellers = catalogue_->Laufrad();
    const std::int32_t chosen = impellers.Key(impellers.KeyRecord(7));
    test::TModelComplaints complaints;
    TMdbForm form(impellers, chosen, settings_);
    QAbstractItemModelTester tester(Grid(form)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    form.show();
    EXPECT_EQ(form.CurrentKey(), chosen);
    EXPECT_EQ(form.SortColumn(), 0);
    EXPECT_EQ(impellers.Key(impellers.ViewRecord(SelectedRow(form))), chosen);
    const auto first = [&] { return impellers.GetFieldText(impellers.ViewRecord(0), 2); };
    const auto last = [&] {
        return impellers.GetFieldText(impellers.ViewRecord(impellers.ViewCount() - 1), 2);
    };
    EXPECT_LT(first(), last());
    EXPECT_FALSE(TrianglePointsDown(form));
    const auto& columns = impellers.Columns();
    const auto beta = std::find(columns.begin(), columns.end(), TMdbLaufrad::F_BETA1);
    ASSERT_NE(beta, columns.end());
    EXPECT_EQ(
        Grid(form)->model()->headerData(static_cast<int>(beta - columns.begin()), Qt::Horizontal),
        QStringLiteral("β1"));
    // Units under the captions: lengths in mm, the dimensionless ratio RB without a unit.
    const auto unitOf = [&](int field) {
        const auto at = std::find(columns.begin(), columns.end(), field);
        return Grid(form)
            ->model()
            ->headerData(static_cast<int>(at - columns.begin()), Qt::Horizontal,
                         TMdbTableModel::kUnitRole)
            .toString()
            .toStdString();
    };
    EXPECT_EQ(unitOf(TMdbLaufrad::F_B2), "mm");
    EXPECT_EQ(unitOf(TMdbLaufrad::F_RB), "");

    ClickHeader(form, 0); // the same header again: descending
    EXPECT_TRUE(form.SortDescending());
    EXPECT_GT(first(), last());
    EXPECT_TRUE(TrianglePointsDown(form));
    EXPECT_EQ(form.CurrentKey(), chosen) << "the current record stays current";
    EXPECT_EQ(impellers.Key(impellers.ViewRecord(SelectedRow(form))), chosen);

    ClickHeader(form, kBezTypColumn);
    EXPECT_EQ(form.SortColumn(), kBezTypColumn);
    EXPECT_FALSE(form.SortDescending());
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("SuchLabel"))->text(),
              QStringLiteral("suchen in Bez-Typ"));

    // Typing into the grid goes to the search box and finds the first 400 impeller.
    Grid(form)->setFocus();
    QTest::keyClicks(Grid(form), QStringLiteral("400"));
    EXPECT_EQ(SearchEdit(form)->text(), QStringLiteral("400"));
    const TMdbRecord* found = impellers.FindByKey(form.CurrentKey());
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(impellers.GetInt(found, TMdbLaufrad::F_D2NENN), 400);
    const int row = SelectedRow(form);
    EXPECT_EQ(impellers.ViewRecord(row), found);
    EXPECT_LT(impellers.GetInt(impellers.ViewRecord(row - 1), TMdbLaufrad::F_D2NENN), 400);

    // Descending, the search walks from the end: the last 400 impeller of the view.
    ClickHeader(form, kBezTypColumn);
    SearchEdit(form)->clear();
    QTest::keyClicks(SearchEdit(form), QStringLiteral("400"));
    const int back = SelectedRow(form);
    EXPECT_EQ(impellers.GetInt(impellers.ViewRecord(back), TMdbLaufrad::F_D2NENN), 400);
    EXPECT_LT(impellers.GetInt(impellers.ViewRecord(back + 1), TMdbLaufrad::F_D2NENN), 400);
    EXPECT_EQ(complaints.Texts(), std::vector<std::string>{});
}

TEST_F(MdbForm, ColumnsAreMovedRemovedRestoredAndKeptPerTable) {
    TMdbMessung& series = catalogue_->Messung();
    const std::vector<int> defaults = series.Columns();
    ASSERT_GE(defaults.size(), 4u);
    {
        TMdbForm form(series, 0, settings_);
        form.show();
        auto* ok = form.findChild<QPushButton*>(QStringLiteral("OkBtn"));
        ClickHeader(form, 1); // sort by the second column
        form.SetColumnEditing(true);
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_TRUE(test::Action(form, "SpaltenMen")->isChecked());
        ClickHeader(form, 2); // no sorting while columns are edited
        EXPECT_EQ(form.SortColumn(), 1);

        Header(form)->moveSection(1, 3); // dragged by the user
        QCoreApplication::processEvents();
        EXPECT_EQ(series.Columns()[3], defaults[1]);
        EXPECT_EQ(series.Columns()[1], defaults[2]);
        EXPECT_EQ(form.SortColumn(), 3) << "the sort follows its field";
        EXPECT_EQ(Header(form)->visualIndex(3), 3) << "sections stay in column order";
        form.MoveColumn(0, 3); // over the sorted column: it moves one place left
        EXPECT_EQ(form.SortColumn(), 2);
        form.MoveColumn(3, 2); // onto its place from the right: it moves one place right
        EXPECT_EQ(form.SortColumn(), 3);
        form.MoveColumn(0, series.ColumnCount()); // no such place
        form.MoveColumn(2, 0);                    // the first column back in front
        EXPECT_EQ(series.Columns()[0], defaults[0]);
        EXPECT_EQ(series.Columns()[3], defaults[1]);
        EXPECT_EQ(form.SortColumn(), 3);

        // Right click on a header in column-editing mode, "Spalte aus der Anzeige entfernen".
        TMdbHeaderView* header = Header(form);
        const QPoint at(header->sectionViewportPosition(0) + 5, 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, header->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(header->viewport(), &click);
        auto* pop = form.findChild<QMenu*>(QStringLiteral("SpaltePop"));
        ASSERT_TRUE(pop->isVisible());
        pop->actions().front()->trigger();
        pop->hide();
        EXPECT_EQ(series.ColumnCount(), static_cast<int>(defaults.size()) - 1);
        EXPECT_EQ(series.Columns()[0], defaults[2]);

        header->resizeSection(1, 1400); // wider than the old layout text could keep
        form.SetColumnEditing(false);
        EXPECT_TRUE(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    const std::vector<int> saved = series.Columns();
    const std::string layout = settings_.ReadString("WinSize", "TMdbForm1006_A", "");
    EXPECT_EQ(layout.rfind(std::to_string(saved[0]) + ":", 0), 0u) << layout;

    series.SetColumns(defaults); // another run of the program
    TMdbForm again(series, 0, settings_);
    again.show();
    EXPECT_EQ(series.Columns(), saved);
    EXPECT_EQ(Header(again)->sectionSize(1), 1400);
    EXPECT_EQ(again.LayoutText(), layout);

    again.RestoreDefaultColumns();
    EXPECT_EQ(series.Columns(), defaults);
    for (std::size_t removed = 1; removed < defaults.size(); ++removed)
        again.RemoveColumn(0);
    EXPECT_EQ(series.ColumnCount(), 1);
    again.RemoveColumn(0); // the last column stays
    EXPECT_EQ(series.ColumnCount(), 1);
    again.reject(); // Cancel keeps the saved layout
    EXPECT_EQ(settings_.ReadString("WinSize", "TMdbForm1006_A", ""), layout);
}

// The long caption shows over the caption and unit rows, not over the sort-marker row.
TEST_F(MdbForm, HeaderHintsShowTheLongCaption) {
    TMdbLaufrad& impellers = catalogue_->Laufrad();
    TMdbForm form(impellers, 0, settings_);
    form.show();
    TMdbHeaderView* header = Header(form);
    const auto at = [&](int line) {
        return QPoint(header->sectionViewportPosition(kBezTypColumn) + 5,
                      line * header->LineHeight() + 3);
    };
    EXPECT_EQ(header->HintAt(at(0)), QStringLiteral("Nenndurchmesser"));
    EXPECT_EQ(header->HintAt(at(1)), QStringLiteral("Nenndurchmesser"));
    EXPECT_EQ(header->HintAt(at(2)), QString());
    QHelpEvent help(QEvent::ToolTip, at(1), header->viewport()->mapToGlobal(at(1)));
    QCoreApplication::sendEvent(header->viewport(), &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Nenndurchmesser"));
    QToolTip::hideText();
}

TEST_F(MdbForm, SeriesBrowserCaptionAndMeasuredValuesGroup) {
    TMdbMessung& series = catalogue_->Messung();
    {
        TMdbForm form(series, 0, settings_);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Messungen"));
        EXPECT_FALSE(test::Action(form, "ShowPointsMen")->isVisible());
    }
    series.SetMeasuredValuesMenu(true);
    TMdbForm form(series, 0, settings_);
    EXPECT_TRUE(test::Action(form, "ShowPointsMen")->isVisible());
    EXPECT_FALSE(test::Action(form, "MeasureMen")->isVisible()) << "read-only";
    EXPECT_FALSE(test::Action(form, "InsertMen")->isVisible());
}

} // namespace
} // namespace corvane
