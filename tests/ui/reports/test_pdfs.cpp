#include "ProcessStateGuard.h"
#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "setup/SetupNames.h"
#include "ui/reports/DataSheets.h"
#include "ui/reports/TPdfs.h"
#include "ui/setup/SetupActions.h"
#include "util/ProgramFolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace corvane;
using corvane::test::TProcessStateGuard;

namespace {

// A generated data sheet of the demo catalogue in the build's program folder.
QString DemoSheet() {
    const QDir pdf(qEnvironmentVariable("CORVANE_PROGRAM_DIR") + QStringLiteral("/Pdf"));
    const QStringList sheets = pdf.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    return sheets.isEmpty() ? QString() : pdf.filePath(sheets.first());
}

// Receives what would go to the desktop's viewer.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;
public Q_SLOTS:
    void Open(const QUrl& url) { opened.append(url); }
};

} // namespace

TEST(Pdfs, LoadsAndPrintsADataSheet) {
    const QString sheet = DemoSheet();
    ASSERT_FALSE(sheet.isEmpty()) << "no demo data sheets in CORVANE_PROGRAM_DIR";
    TPdfs pdfs;
    ASSERT_TRUE(pdfs.LoadFile(sheet)) << pdfs.LastError().toStdString();
    EXPECT_GE(pdfs.PageCount(), 1);
    EXPECT_TRUE(pdfs.LastError().isEmpty());

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    ASSERT_TRUE(pdfs.Print(printer));
    QPdfDocument printed;
    ASSERT_EQ(printed.load(dir.filePath(QStringLiteral("printed.pdf"))), QPdfDocument::Error::None);
    EXPECT_EQ(printed.pageCount(), pdfs.PageCount());
}

TEST(Pdfs, AFileThatCannotBeLoadedGivesTheViewerMessage) {
    TProcessStateGuard guard;
    SetTextLanguage(0);
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.pdf"));
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("%PDF-1.4 this is not a document");
    f.close();
    TPdfs pdfs;
    EXPECT_FALSE(pdfs.LoadFile(damaged));
    EXPECT_TRUE(pdfs.LastError().startsWith(QString::fromUtf8(Txt(TextId::PdfLoadFailed))));
    EXPECT_TRUE(pdfs.LastError().contains(damaged));
    EXPECT_EQ(pdfs.PageCount(), 0);
    QPrinter printer;
    EXPECT_FALSE(pdfs.Print(printer)); // nothing loaded, nothing printed

    EXPECT_FALSE(pdfs.LoadFile(dir.filePath(QStringLiteral("missing.pdf"))));
    EXPECT_TRUE(pdfs.LastError().contains(QStringLiteral("file not found")));
}

TEST(Pdfs, DataSheetsAndTheManualGoToTheDesktopViewer) {
    UrlRecorder recorder;
    const QString sheet = DemoSheet();
    EXPECT_TRUE(OpenDataSheet(sheet.toStdString()));
    EXPECT_FALSE(OpenDataSheet(""));
    EXPECT_FALSE(OpenDataSheet("/nonexistent/sheet.pdf"));
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened.first(), QUrl::fromLocalFile(sheet));

    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("Help"));
    QFile manual(home.filePath(QStringLiteral("Help/help_e.htm")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.close();
    TProcessStateGuard guard;
    SetProgramFolder(home.path().toStdString());
    QStringList messages;
    const TShowMessage show = [&](const QString& m) { messages.append(m); };
    SetTextLanguage(1);
    EXPECT_TRUE(OpenManual(show));
    ASSERT_EQ(recorder.opened.size(), 2);
    EXPECT_EQ(recorder.opened.last(), QUrl::fromLocalFile(manual.fileName()));
    SetTextLanguage(2); // no Russian manual in this folder
    EXPECT_FALSE(OpenManual(show));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(QStringLiteral("help_r.htm")));
    EXPECT_TRUE(messages.first().startsWith(QString::fromUtf8(Txt(TextId::ManualMissing, 2))));
}

#include "test_pdfs.moc"
