#include "ReportPdf.h"

#include "render/reports/ReportDocument.h"
#include "render/reports/TReportBuilder.h"
#include "selection/TLayoutSeiteAusw.h"
#include "settings/TCompanyInfo.h"

#include <QGuiApplication>
#include <QPrinter>
#include <stdexcept>

namespace corvane::cli {

std::unique_ptr<QGuiApplication> StartGui() {
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "corvane-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int WriteReportPdf(const TReportSource& source, const TLayout& layout, const std::string& out) {
    const TReportBuilder builder(source);
    const std::vector<TReportPage> pages = builder.Build(layout, 1, layout.Count);
    const TPageFrameData frame = builder.Frame(TCompanyInfo::ReadProgramFolder(), 0);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(out));
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Corvane"));
    const TReportOutput result = PrintReportPages(printer, pages, frame);
    if (!result.Ok) throw std::runtime_error("cannot write \"" + out + "\"");
    return result.Sheets;
}

} // namespace corvane::cli
