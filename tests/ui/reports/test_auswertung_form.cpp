#include "../../render/reports/ReportTestSelection.h"
#include "model/TMapLines.h"
#include "model/TMapSettings.h"
#include "render/reports/ReportDocument.h"
#include "selection/TLayoutSeiteAusw.h"
#include "settings/TCompanyInfo.h"
#include "ui/reports/ReportOutput.h"
#include "ui/reports/TAuswertungForm.h"
#include "ui/reports/TEvaluationCommands.h"
#include "ui/reports/TKfeldForm.h"
#include "ui/reports/TPagePreview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::TReportTestSelection;

// A4 in points, portrait and landscape.
const QSize kPortrait(595, 842);
const QSize kLandscape(842, 595);

std::vector<QSize> PdfPageSizes(const QString& file) {
    QPdfDocument document;
    EXPECT_EQ(document.load(file), QPdfDocument::Error::None);
    std::vector<QSize> sizes;
    for (int i = 0; i < document.pageCount(); ++i)
        sizes.push_back(document.pagePointSize(i).toSize());
    return sizes;
}

void PdfPrinter(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(300);
    printer.setFullPage(true);
}

struct TFormFixture : TReportTestSelection {
    QTemporaryDir dir;
    std::unique_ptr<TAuswertungForm> form;
    QString menuChoice;
    QStringList offered;

    TAuswertungForm& Open() {
        form = std::make_unique<TAuswertungForm>(TCurveWindowContext{tc.cat, selection, settings});
        form->resize(900, 900);
        form->SetPopupRunner([this](QMenu& menu, QPoint) { Run(menu); });
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return *form;
    }
    // Records the visible items and triggers the chosen one, also in submenus.
    void Run(QMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->isSeparator() || !action->isVisible()) continue;
            if (QMenu* sub = action->menu()) {
                Run(*sub);
                continue;
            }
            offered << action->objectName();
            if (action->objectName() == menuChoice) action->trigger();
        }
    }
    void Choose(const QString& item, QPoint at = QPoint(100, 400)) {
        offered.clear();
        menuChoice = item;
        form->ShowPageMenu(at);
        menuChoice.clear();
    }
    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST(AuswertungForm, PrintingEveryPageKindGivesItsSheetsAndWritesTheLayoutsBack) {
    TFormFixture t;
    ReadLayoutText("1|2|5|9|90|91|92|93|94|95|96|97|98|", t.settings.Layouts.Layouts[0]);
    const TLayoutSeiteAusw before = t.settings.Layouts;
    TAuswertungForm& form = t.Open();
    form.AddEvaluation(11); // a fifth diagram: a new page 1
    EXPECT_EQ(form.Layout().Count, 11);
    EXPECT_EQ(t.settings.Layouts, before); // not yet written back

    QPrinter printer(QPrinter::HighResolution);
    PdfPrinter(printer, t.File("all.pdf"));
    form.SetPrinter(&printer);
    form.SetPrintPrompt([](QPrinter&, int count, int, QWidget*) {
        return std::optional<TPrintRequest>(TPrintRequest{1, count, 1, false});
    });
    QTest::mouseClick(form.DruckBtn(), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(t.settings.Layouts.Layouts[0].Count, 11);

    // Two diagram pages, map, three sound pages, two point lists, cover sheet, the data-sheet
    // page (none found) and the landscape measured values.
    const std::vector<QSize> sizes = PdfPageSizes(t.File("all.pdf"));
    ASSERT_EQ(sizes.size(), 11u);
    for (std::size_t i = 0; i + 1 < sizes.size(); ++i)
        EXPECT_EQ(sizes[i], kPortrait) << "sheet " << i + 1;
    EXPECT_EQ(sizes.back(), kLandscape);
}

TEST(AuswertungForm, DataSheetsBecomePagesOfTheirOwnOrientation) {
    TReportTestSelection t;
    QTemporaryDir dir;
    const QString sheet = dir.filePath(QStringLiteral("sheet.pdf"));
    {
        QPdfWriter writer(sheet);
        writer.setPageSize(QPageSize(QPageSize::A5));
        QPainter painter(&writer);
        painter.drawText(100, 100, QStringLiteral("page one"));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.newPage();
        painter.drawText(100, 100, QStringLiteral("page two"));
    }
    std::vector<TReportPage> pages = t.Builder().Build(test::Page({97, 0, 0, 0}));
    ASSERT_EQ(pages.size(), 1u);
    pages[0].DataSheets = {sheet, dir.filePath(QStringLiteral("damaged.pdf"))};
    pages.push_back(t.Builder().Build(test::Page({96, 0, 0, 0})).front());
    QPrinter printer(QPrinter::HighResolution);
    PdfPrinter(printer, dir.filePath(QStringLiteral("sheets.pdf")));
    const TReportOutput out = PrintReportPages(printer, pages, t.Builder().Frame({}, 0));
    EXPECT_TRUE(out.Ok);
    EXPECT_EQ(out.Sheets, 3); // the damaged file is left out
    EXPECT_EQ(PdfPageSizes(dir.filePath(QStringLiteral("sheets.pdf"))),
              (std::vector<QSize>{kPortrait, kLandscape, kPortrait}));
}

TEST(AuswertungForm, CopiesCollatedRepeatTheRangeUncollatedEachPage) {
    TReportTestSelection t;
    TLayout layout;
    ReadLayoutText("96|98|", layout);
    QTemporaryDir dir;
    const auto print = [&](bool collate) {
        QPrinter printer(QPrinter::HighResolution);
        const QString file =
            dir.filePath(collate ? QStringLiteral("c.pdf") : QStringLiteral("u.pdf"));
        PdfPrinter(printer, file);
        EXPECT_TRUE(PrintLayout(printer, t.Builder(), layout, {1, 2, 2, collate}).Ok);
        return PdfPageSizes(file);
    };
    EXPECT_EQ(print(true), (std::vector<QSize>{kPortrait, kLandscape, kPortrait, kLandscape}));
    EXPECT_EQ(print(false), (std::vector<QSize>{kPortrait, kPortrait, kLandscape, kLandscape}));
    // The current page only.
    QPrinter printer(QPrinter::HighResolution);
    PdfPrinter(printer, dir.filePath(QStringLiteral("one.pdf")));
    EXPECT_TRUE(PrintLayout(printer, t.Builder(), layout, {2, 2, 1, false}).Ok);
    EXPECT_EQ(PdfPageSizes(dir.filePath(QStringLiteral("one.pdf"))),
              (std::vector<QSize>{kLandscape}));
}

TEST(AuswertungForm, PageMenuAddsDeletesAndNavigates) {
    TFormFixture t;
    TAuswertungForm& form = t.Open();
    EXPECT_EQ(form.SeitePanel()->text(), QStringLiteral("Seite 1"));
    t.Choose(QStringLiteral("Diagram1"));
    t.Choose(QStringLiteral("Diagram2"));
    EXPECT_EQ(form.Layout().Count, 1);
    EXPECT_EQ(form.Layout().Pages[0].Slots, (std::array<std::int32_t, 4>{1, 2, 99, 99}));
    EXPECT_TRUE(t.offered.contains(QStringLiteral("BemerkungMen")));
    EXPECT_FALSE(t.offered.contains(QStringLiteral("KfeldMen")));
    EXPECT_TRUE(t.offered.contains(QStringLiteral("Diagram13"))); // over phi
    // The second diagram band is deleted when clicked in it.
    const QRect page = form.Preview()->PageRect();
    // Four bands, the last two empty slots.
    QPoint lower(page.center().x(), page.top());
    while (lower.y() < page.bottom() && form.Preview()->BandAt(lower) != 2)
        lower.ry() += 1;
    lower.ry() += 10;
    EXPECT_EQ(form.Preview()->BandAt(lower), 2);
    EXPECT_EQ(form.Preview()->BandAt(QPoint(page.center().x(), page.bottom() - 2)), 0);
    t.Choose(QStringLiteral("DelAuswMen"), lower);
    EXPECT_EQ(form.Layout().Pages[0].Slots, (std::array<std::int32_t, 4>{1, 99, 99, 99}));

    QTest::mouseClick(form.PlusBtn(), Qt::LeftButton);
    EXPECT_EQ(form.CurrentPage(), 2);
    QTest::mouseClick(form.PlusBtn(), Qt::LeftButton); // not beyond the empty new page
    EXPECT_EQ(form.CurrentPage(), 2);
    t.Choose(QStringLiteral("FeldMen"));
    EXPECT_EQ(form.Layout().Count, 2);
    EXPECT_EQ(form.Preview()->Page().Code, 90);
    bool mapAsked = false;
    form.SetMapPrompt([&](TMapSettings&, const TMapLines* last, QWidget*) {
        mapAsked = last != nullptr && !last->Empty();
        return true;
    });
    t.Choose(QStringLiteral("KfeldMen"));
    EXPECT_TRUE(mapAsked);
    form.SetRemarkPrompt(
        [](const QString&, QWidget*) { return std::optional<QString>(QStringLiteral("Notiz")); });
    t.Choose(QStringLiteral("BemerkungMen"));
    EXPECT_EQ(form.Layout().Pages[1].Remark, "Notiz");
    t.Choose(QStringLiteral("DelSeiteMen"));
    EXPECT_EQ(form.Layout().Count, 1);
    QTest::mouseClick(form.MinusBtn(), Qt::LeftButton);
    QTest::mouseClick(form.MinusBtn(), Qt::LeftButton);
    EXPECT_EQ(form.CurrentPage(), 1);
    form.SpeedButton(3)->click();
    EXPECT_EQ(form.CurrentLayout(), 3);
    EXPECT_EQ(form.Layout().Count, 0);
    // Cancel keeps the settings' layouts.
    QTest::mouseClick(form.CancelBtn(), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(t.settings.Layouts.Layouts[0].Count, 0);
}

TEST(AuswertungForm, CopyGivesAPageSizedPictureOrClearsTheClipboard) {
    TFormFixture t;
    ReadLayoutText("96|98|97|", t.settings.Layouts.Layouts[0]);
    TAuswertungForm& form = t.Open();
    QClipboard* clipboard = QApplication::clipboard();
    form.CopyToClipboard();
    EXPECT_EQ(clipboard->image().size(), QSize(1200, 1600));
    form.NextPage();
    form.CopyToClipboard();
    EXPECT_EQ(clipboard->image().size(), QSize(1600, 1200));
    form.NextPage(); // data sheets: nothing to copy
    form.CopyToClipboard();
    EXPECT_TRUE(clipboard->image().isNull());
    EXPECT_EQ(CopySize(false), QSize(1200, 1600));
}

TEST(EvaluationCommands, ButtonAndMenuItemsInTheLanguage) {
    TReportTestSelection t;
    QWidget window;
    int prepared = 0;
    TEvaluationCommands commands(
        TCurveWindowContext{t.tc.cat, t.selection, t.settings}, [&] { ++prepared; }, &window);
    EXPECT_EQ(commands.PrintBtn()->text(), QStringLiteral("Druckvorschau anzeigen"));
    EXPECT_EQ(commands.PrintSetupMen()->text(), QStringLiteral("Drucker &einrichten"));
    EXPECT_FALSE(commands.PrintMen()->isVisible());
    SetTextLanguage(1);
    commands.ApplyTexts();
    EXPECT_EQ(commands.PrintBtn()->text(), QStringLiteral("print preview"));
    SetTextLanguage(0);
    // The preview window opens modally on the program's printer; closed at once here.
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TAuswertungForm*>(w)) form->Finish();
    });
    EXPECT_TRUE(commands.ShowPreview());
    EXPECT_EQ(prepared, 1);
}

TEST(KfeldForm, OkParsesAndClampsTheFields) {
    TMapSettings settings;
    settings.SpeedSeries = 2;
    TKfeldForm form(settings, nullptr);
    EXPECT_EQ(form.NMinCombo()->currentText(), QStringLiteral("min"));
    EXPECT_EQ(form.NMinCombo()->count(), 7); // "min" and the six R5 speeds
    form.NReiheCombo()->setCurrentIndex(0);
    EXPECT_EQ(form.NMinCombo()->count(), 25);
    form.EtaStepCombo()->setEditText(QStringLiteral("1"));
    form.EtaMin0Combo()->setEditText(QStringLiteral("120"));
    form.NMaxCombo()->setEditText(QStringLiteral("2500"));
    form.NBetrCombo()->setEditText(QStringLiteral("1450,5"));
    form.DbStepCombo()->setEditText(QStringLiteral("12"));
    form.accept();
    EXPECT_EQ(settings.EtaStep, 2);
    EXPECT_EQ(settings.EtaMin0, 100);
    EXPECT_EQ(settings.SpeedSeries, 0);
    EXPECT_EQ(settings.MinSpeed, 0);
    EXPECT_EQ(settings.MaxSpeed, 2500);
    EXPECT_EQ(settings.OpSpeed, 1450.5);
    EXPECT_EQ(settings.SoundStep, 10);
}

} // namespace
} // namespace corvane
