// plot: a curve diagram drawn headless into a PNG, PDF or SVG file, from a selection file (the
// search runs and its marked results become the curves) or from series given by number.
#include "CliArgs.h"
#include "Commands.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "measurements/TMdbMw.h"
#include "model/TCurveSet.h"
#include "model/TMessAuswahl.h"
#include "physics/ListeningDistance.h"
#include "render/curves/CurveDiagram.h"
#include "render/curves/TCurveDiagramData.h"
#include "selection/TImpellerSearch.h"
#include "selection/TResultList.h"
#include "settings/TSettings.h"
#include "units/Units.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <iostream>
#include <memory>
#include <stdexcept>

namespace corvane::cli {

namespace {

const std::vector<std::string> kKnownOptions = {
    "data",      "home",   "lang",     "units",     "selection", "series",
    "variation", "flow",   "pressure", "tolerance", "deviation", "out",
    "width",     "height", "show",     "style",     "help"};

enum class EFormat { Png, Pdf, Svg };

EFormat FormatOf(const std::string& path) {
    const auto endsWith = [&path](const char* ext) {
        const std::string e(ext);
        if (path.size() < e.size()) return false;
        std::string tail = path.substr(path.size() - e.size());
        for (char& c : tail)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return tail == e;
    };
    if (endsWith(".png")) return EFormat::Png;
    if (endsWith(".pdf")) return EFormat::Pdf;
    if (endsWith(".svg")) return EFormat::Svg;
    throw std::invalid_argument("--out: the file name must end in .png, .pdf or .svg");
}

// Fonts and painting need a GUI application; without a display the offscreen platform serves.
std::unique_ptr<QGuiApplication> StartGui() {
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "corvane-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The selection of a selection file: its request searched, its marked results as curves.
void SelectFromFile(const std::string& path, bool unitsGiven, bool languageGiven,
                    TCatalogue& catalogue, TSettings& settings, TMessAuswahl& selection) {
    if (!settings.ReadSelectionFile(path))
        throw std::invalid_argument("--selection: cannot read \"" + path + "\"");
    SetListeningDistance(settings.LpAbstand);
    if (!unitsGiven) {
        const int units = ClampUnitSystem(settings.PrintUnit);
        SetScreenUnitSystem(units);
        SetPrintUnitSystem(units);
        if (!languageGiven) SetTextLanguage(LanguageOfUnitSystem(units));
    }
    TImpellerSearch search(catalogue);
    search.Run(settings.Request, settings.Cart);
    TResultList list(catalogue);
    list.SetCart(settings.Cart);
    list.TakeSearch(search.Rows(), search.Request());
    list.ApplyMarkIds(ReadSelectionMarks(path));
    list.BuildCurveSelection(selection);
}

bool Paint(QPaintDevice& device, const QRect& area, const TCurveDiagramData& data) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintCurveDiagram(painter, area, data);
    return painter.end();
}

bool Write(EFormat format, const std::string& path, int width, int height,
           const TCurveDiagramData& data) {
    const QString file = QString::fromStdString(path);
    const QRect area(0, 0, width, height);
    switch (format) {
    case EFormat::Png: {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        return Paint(image, area, data) && image.save(file, "PNG");
    }
    case EFormat::Svg: {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(QSize(width, height));
        svg.setViewBox(area);
        svg.setResolution(96);
        svg.setTitle(data.Title);
        return Paint(svg, area, data);
    }
    case EFormat::Pdf: {
        // A page of the picture's size at 96 dots per inch, so it looks like the PNG.
        QPdfWriter pdf(file);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(width * 72.0 / 96, height * 72.0 / 96), QPageSize::Point,
                                  QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(data.Title);
        return Paint(pdf, QRect(0, 0, pdf.width(), pdf.height()), data);
    }
    }
    return false;
}

} // namespace

int RunPlot(const CliArgs& args) {
    const std::vector<std::string> unknown = args.Unknown(kKnownOptions);
    if (!unknown.empty()) throw std::invalid_argument("plot: unknown option --" + unknown[0]);
    const auto& words = args.Positional();
    if (words.size() < 2) throw std::invalid_argument("plot: which curve kind (1..28)?");
    if (words.size() > 2)
        throw std::invalid_argument("plot: unexpected argument \"" + words[2] + "\"");
    const int kind = ParseKind(words[1]);
    if (args.Has("selection") == args.Has("series"))
        throw std::invalid_argument("plot: give either --selection FILE.cva or --series N ...");
    const std::string out = args.Value("out");
    if (out.empty()) throw std::invalid_argument("plot: --out FILE.png|FILE.pdf|FILE.svg");
    const EFormat format = FormatOf(out);
    const int width = args.Integer("width", 800, 64, 20000);
    const int height = args.Integer("height", 600, 64, 20000);
    const int showMode = args.Integer("show", 0, 0, 2);

    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TMessAuswahl selection(catalogue);
    TSettings settings;
    const bool fromFile = args.Has("selection");
    if (fromFile)
        SelectFromFile(args.Value("selection"), args.Has("units"), args.Has("lang"), catalogue,
                       settings, selection);
    else
        SelectSeries(args, catalogue, selection);
    settings.PolynomGrad = args.Integer("style", settings.PolynomGrad, 0, 11);

    TCurveSet set = TCurveSet::ForKind(kind);
    BuildCurveSet(set, selection, settings.PolynomGrad);
    const auto gui = StartGui();
    const bool selectionMode = fromFile || args.Has("flow");
    const TCurveDiagramData data =
        TCurveDiagramData::Make(set, catalogue.Mw(), settings, selectionMode, showMode);
    if (!Write(format, out, width, height, data))
        throw std::runtime_error("plot: cannot write \"" + out + "\"");
    return 0;
}

} // namespace corvane::cli
