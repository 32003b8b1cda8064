// A ten-page evaluation report of the demo catalogue drawn into a PDF file, as
// `corvane-cli report` makes it: the search for 5000 m³/h at 800 Pa, its first four results
// as the selection, then two pages of four diagrams each, cover sheet, measured values, map,
// two sound pages, two point lists and the three-microphone page. The data file comes from
// CORVANE_BENCH_DATA (default: Corvane.mem of the program folder).
#include "catalogue/TCatalogue.h"
#include "model/TMessAuswahl.h"
#include "render/reports/ReportDocument.h"
#include "render/reports/TReportBuilder.h"
#include "selection/TImpellerSearch.h"
#include "selection/TLayoutSeiteAusw.h"
#include "selection/TResultList.h"
#include "settings/TCompanyInfo.h"
#include "settings/TSettings.h"
#include "util/ProgramFolder.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace corvane;

void EnsureGui() {
    static int argc = 1;
    static char name[] = "bench_reports";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

std::string DataFile() {
    if (const char* env = std::getenv("CORVANE_BENCH_DATA")) return env;
    for (const std::string& path : {ProgramFile("Corvane.mem"), ProgramFile("../bin/Corvane.mem")})
        if (std::filesystem::exists(path)) return path;
    return {};
}

void TenPageReport(benchmark::State& state) {
    EnsureGui();
    const std::string data = DataFile();
    if (data.empty()) {
        state.SkipWithError("no demo catalogue (build it, or set CORVANE_BENCH_DATA)");
        return;
    }
    TCatalogue catalogue;
    catalogue.Open(data);
    TSettings settings;
    settings.Request.RequestedFlow = 5000;
    settings.Request.RequestedPressure = 800;
    settings.SelectedFlows.Values = {3000, 5000};
    settings.SelectedFlows.Current = 2;
    settings.ParabolaFlows.Values = {4000, 6000};
    settings.ParabolaFlows.Current = 1;
    TImpellerSearch search(catalogue);
    search.Run(settings.Request, settings.Cart);
    TResultList list(catalogue);
    list.TakeSearch(search.Rows(), search.Request());
    TMessAuswahl selection(catalogue);
    list.BuildCurveSelection(selection);
    TLayout layout;
    ReadLayoutText("1|2|5|9|3|6|10|11|96|98|90|93|94|95|92|91|", layout);
    const TCompanyInfo company = TCompanyInfo::ReadProgramFolder();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    int sheets = 0;
    for (auto _ : state) {
        TReportBuilder builder(TReportSource{catalogue, selection, settings});
        const std::vector<TReportPage> pages = builder.Build(layout, 1, layout.Count);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setFullPage(true);
        sheets = PrintReportPages(printer, pages, builder.Frame(company, 0)).Sheets;
    }
    state.counters["sheets"] = sheets;
    state.counters["curves"] = selection.Count();
}
BENCHMARK(TenPageReport)->Unit(benchmark::kMillisecond);

} // namespace
