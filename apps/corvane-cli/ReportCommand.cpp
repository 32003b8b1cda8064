// report: the pages of an evaluation layout drawn headless into one PDF file, from a selection
// file or from the user's current settings (the search runs and its marked results become
// the selection).
#include "CliArgs.h"
#include "Commands.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "model/TMessAuswahl.h"
#include "render/reports/ReportDocument.h"
#include "render/reports/TReportBuilder.h"
#include "selection/TLayoutSeiteAusw.h"
#include "session/TSelectionSession.h"
#include "settings/TCompanyInfo.h"
#include "settings/TSettings.h"

#include <QGuiApplication>
#include <QPrinter>
#include <iostream>
#include <memory>
#include <stdexcept>

namespace corvane::cli {

namespace {

const std::vector<std::string> kKnownOptions = {"data",   "home",  "lang",     "units", "selection",
                                                "layout", "pages", "settings", "out",   "help"};

// Fonts, painting and the PDF printer need a GUI application; without a display the
// offscreen platform serves.
std::unique_ptr<QGuiApplication> StartGui() {
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "corvane-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool EndsWithPdf(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".pdf";
}

// The selection of the session: a selection file opened (its search run, its marked results
// kept), or the user's settings file read and its request searched (the first results marked).
// The unit system and language given on the command line win over the file's.
void Select(const CliArgs& args, TSelectionSession& session, TMessAuswahl& selection) {
    TOutcome outcome = args.Has("selection")
                           ? session.OpenSelection(args.Value("selection"))
                           : session.LoadSettings(args.Value("settings", SettingsPath()));
    if (outcome && !args.Has("selection")) outcome = session.Search();
    if (!outcome) throw std::invalid_argument("report: " + outcome.Message());
    if (args.Has("units")) {
        const int units = args.Integer("units", 0, 0, 7);
        SetScreenUnitSystem(units);
        SetPrintUnitSystem(units);
        if (!args.Has("lang")) SetTextLanguage(LanguageOfUnitSystem(units));
    }
    if (args.Has("lang")) SetTextLanguage(args.Integer("lang", 0, 0, 2));
    session.BuildCurveSelection(selection);
}

} // namespace

int RunReport(const CliArgs& args) {
    const std::vector<std::string> unknown = args.Unknown(kKnownOptions);
    if (!unknown.empty()) throw std::invalid_argument("report: unknown option --" + unknown[0]);
    if (args.Positional().size() > 1)
        throw std::invalid_argument("report: unexpected argument \"" + args.Positional()[1] + "\"");
    const std::string out = args.Value("out");
    if (out.empty() || !EndsWithPdf(out)) throw std::invalid_argument("report: --out FILE.pdf");
    if (args.Has("layout") && args.Has("pages"))
        throw std::invalid_argument("report: give either --layout N or --pages CODES");
    const int layoutNo = args.Integer("layout", 1, 1, static_cast<int>(kLayoutCount));

    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TMessAuswahl selection(catalogue);
    TSelectionSession session(catalogue);
    Select(args, session, selection);
    const TSettings& settings = session.Options();

    TLayout layout = settings.Layouts.Layouts[static_cast<std::size_t>(layoutNo - 1)];
    if (args.Has("pages")) ReadLayoutText(args.Value("pages"), layout);
    if (layout.Count == 0)
        throw std::invalid_argument("report: layout " + std::to_string(layoutNo) +
                                    " holds no pages (--pages CODES gives them, e.g. 1|2|5|9|96|)");

    const auto gui = StartGui();
    // Printouts are made in the language of the print unit system.
    if (!args.Has("lang")) SetTextLanguage(LanguageOfUnitSystem(PrintUnitSystem()));
    TReportBuilder builder(TReportSource{catalogue, selection, settings});
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
    if (!result.Ok) throw std::runtime_error("report: cannot write \"" + out + "\"");
    std::cout << result.Sheets << " pages written to " << out << '\n';
    return 0;
}

} // namespace corvane::cli
