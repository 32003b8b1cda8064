#include "render/reports/MapPage.h"

#include "model/MapArea.h"
#include "render/diagram/DiagramAxes.h"
#include "render/diagram/TextAlignment.h"
#include "render/reports/PageGeometry.h"
#include "render/reports/TPageCanvas.h"
#include "render/reports/TReportPage.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

const QColor kEfficiencyColour(192, 0, 0);
const QColor kPowerColour(0, 0, 255);
const QColor kSoundColour(0, 128, 0);
const QColor kGridColour(128, 128, 128);

QString Whole(double value) {
    return QString::number(value, 'f', 0);
}

// Power label in kW: as many decimals as small values need.
QString Kilowatts(double watts) {
    const double kw = watts / 1000;
    const int decimals = kw >= 10 ? 0 : kw >= 1 ? 1 : kw >= 0.1 ? 2 : 3;
    return QString::number(kw, 'f', decimals);
}

// Places the line labels of a map: a label that would overlap one placed before is left out,
// so that labels of lines running close together stay readable.
// Labels stay inside `bounds` (right of the y axis' labels, above the x axis' labels).
class TLabels {
public:
    explicit TLabels(const QRect& bounds) : bounds_(bounds) {}

    static QRect Rect(const TDiagram& d, int code, const QString& text, double x, double y) {
        const QFontMetrics metrics(d.Canvas->font(), d.Canvas->device());
        const int w = metrics.horizontalAdvance(text);
        return QRect(AlignedOrigin(code, d.PixelX(x), d.PixelY(y), w, metrics.height()),
                     QSize(w, metrics.height()));
    }

    void Place(TDiagram& d, int code, const QString& text, double x, double y,
               const QColor& colour) {
        const QRect rect = Rect(d, code, text, x, y);
        if (!bounds_.contains(rect)) return;
        for (const QRect& other : used_)
            if (rect.intersects(other)) return;
        used_.push_back(rect);
        const QColor fontColour = d.FontColour;
        d.FontColour = d.MapColour(colour);
        d.DiagText(code, text, x, y);
        d.FontColour = fontColour;
    }
    // Keeps a label-free area (a family title).
    void Reserve(const QRect& rect) { used_.push_back(rect); }

private:
    QRect bounds_;
    std::vector<QRect> used_;
};

struct TLog {
    double X, Y;
};
TLog ToLog(const TMapXY& p) {
    return {std::log10(p.Flow), std::log10(p.Pressure)};
}

void SetPen(TDiagram& d, const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine) {
    d.Canvas->setPen(QPen(d.MapColour(colour), width, style));
}

// Draws the runs of a family's lines and labels each at its first or last kept point.
void DrawFamily(TDiagram& d, TLabels& labels, const TMapArea& area, const TMapLines& map,
                EMapFamily family, const QColor& colour, int pen) {
    std::vector<TWorldPoint> run;
    for (const TMapLine& line : map.Family(family)) {
        const auto runs = area.Runs(family, line);
        if (runs.empty()) continue;
        SetPen(d, colour, line.Operating ? 3 * pen : pen);
        for (const auto& r : runs) {
            run.clear();
            for (const TMapXY& p : r)
                run.push_back({std::log10(p.Flow), std::log10(p.Pressure)});
            d.DiagPolyline(run.data(), static_cast<int>(run.size()));
        }
        if (line.Operating) continue;
        if (family == kMapPower) {
            const TLog at = ToLog(runs.front().front());
            labels.Place(d, 8, Kilowatts(line.Value) + QStringLiteral(" "), at.X, at.Y, colour);
        } else if (family == kMapSpeed) {
            const TLog at = ToLog(runs.back().back());
            labels.Place(d, 2, QStringLiteral(" ") + Whole(line.Value), at.X, at.Y, colour);
        } else {
            // Sound lines run close to the speed lines: labelled in their middle.
            const auto& middle = runs[runs.size() / 2];
            const TLog at = ToLog(middle[middle.size() / 2]);
            labels.Place(d, 4, Whole(line.Value), at.X, at.Y, colour);
        }
    }
}

void DrawEfficiencyLines(TDiagram& d, TLabels& labels, const TMapLines& map, int pen) {
    SetPen(d, kEfficiencyColour, pen);
    for (const TMapLine& line : map.Family(kMapEfficiency)) {
        if (!(line.Low.Flow > 0 && line.High.Flow > 0 && line.Low.Pressure > 0 &&
              line.High.Pressure > 0))
            continue;
        const TLog a = ToLog(line.Low);
        const TLog b = ToLog(line.High);
        d.DiagMoveTo(a.X, a.Y);
        d.DiagLineTo(b.X, b.Y);
        labels.Place(d, 4, Whole(line.Value) + QStringLiteral("%"), b.X, b.Y, kEfficiencyColour);
    }
}

// A family title on a white ground over the lines.
struct TTitle {
    int Code;
    QString Text;
    QColor Colour;
    double X, Y;
};

void FamilyTitle(TDiagram& d, const TTitle& t) {
    if (t.Text.isEmpty()) return;
    d.Canvas->fillRect(TLabels::Rect(d, t.Code, t.Text, t.X, t.Y).adjusted(-2, 0, 2, 0),
                       d.MapColour(Qt::white));
    const QColor fontColour = d.FontColour;
    d.FontColour = d.MapColour(t.Colour);
    d.DiagText(t.Code, t.Text, t.X, t.Y);
    d.FontColour = fontColour;
}

} // namespace

TMapFrame MapFrame(const TMapLines& map, double lineLog) {
    TMapFrame f;
    f.X = LogScale(map.FlowMin, map.FlowMax);
    f.Y = LogScale(map.PressureMin, map.PressureMax);
    const double xs = f.X.LogHi - f.X.LogLo;
    const double ys = f.Y.LogHi - f.Y.LogLo;
    f.WorldXMin = f.X.LogLo - 0.15 * xs;
    f.WorldXMax = f.X.LogHi + 0.20 * xs;
    f.WorldYMin = f.Y.LogLo - 0.17 * ys;
    f.WorldYMax = f.Y.LogHi + 0.15 * ys + 2 * lineLog;
    return f;
}

void PaintMapPage(TPageCanvas& canvas, const TPageGeometry& g, const TMapPageData& data,
                  int fontSize) {
    canvas.SetFont(g.TextHeight, true);
    canvas.TextIn(3, data.Title, g.Left, g.ContentTop, g.ContentWidth());
    const QRect plot(g.Left, g.ContentTop + 2 * g.Unit, g.ContentWidth(),
                     g.Bottom - g.Unit - (g.ContentTop + 2 * g.Unit));
    if (data.Map.Empty() || plot.height() < 10) return;

    QPainter& p = canvas.Painter();
    const bool printer = p.device()->devType() == QInternal::Printer;
    const double k = printer ? 1.0 : plot.width() / 640.0;
    QFont font(canvas.Font().family());
    font.setPointSize(std::clamp(static_cast<int>(std::lround(fontSize * k)), 4, 64));
    const int pen = printer ? 2 : 1;
    const double linePixels = QFontMetrics(font, p.device()).height();

    // The log span of one text line follows from the pressure range before the two lines.
    const TLogRange yRange = LogScale(data.Map.PressureMin, data.Map.PressureMax);
    const double ySpan = 1.32 * (yRange.LogHi - yRange.LogLo);
    const double lineLog =
        linePixels / plot.height() * ySpan / (1 - 2 * linePixels / plot.height());
    const TMapFrame f = MapFrame(data.Map, lineLog);

    p.save();
    p.setClipRect(plot);
    p.setFont(font);
    TDiagram d;
    d.InitDiagram(&p, plot.left(), plot.bottom(), plot.right(), plot.top(), f.WorldXMin,
                  f.WorldYMin, f.WorldXMax, f.WorldYMax);
    d.BeginDiagram(Qt::white);
    d.IsPrinter = printer;
    p.setBackgroundMode(Qt::TransparentMode);

    SetPen(d, kGridColour, 1, Qt::DotLine);
    DrawGrid(d, f.X.LogLo, f.Y.LogLo, f.X.LogHi, f.Y.LogHi, f.X.Step, f.Y.Step,
             kCurveWindowDensity);
    SetPen(d, Qt::black, pen);
    d.DiagMoveTo(f.X.LogLo, f.Y.LogHi);
    d.DiagLineTo(f.X.LogHi, f.Y.LogHi);
    d.DiagLineTo(f.X.LogHi, f.Y.LogLo);
    DrawXAxis(d, 1, QString(), f.Y.LogLo, f.X.LogLo, f.X.LogHi, f.X.Step, 1, kCurveWindowDensity);
    DrawYAxis(d, 1, QString(), f.X.LogLo, f.Y.LogLo, f.Y.LogHi, f.Y.Step, kCurveWindowDensity);

    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    const double xs = f.X.LogHi - f.X.LogLo;
    const double ys = f.Y.LogHi - f.Y.LogLo;
    const double th = d.TextHeightWorld(QStringLiteral("0"));
    d.DiagText(6, data.XName, f.X.LogLo + 0.5 * xs, f.Y.LogLo - 1.7 * th);
    d.SelectRotatedFont(bold);
    d.DiagText(-6, data.YName, f.X.LogLo - 0.13 * xs, f.Y.LogLo + 0.5 * ys);
    d.RestoreFont();

    const double inset = 0.01 * xs;
    std::vector<TTitle> titles{
        {3, data.EfficiencyTitle, kEfficiencyColour, f.X.LogLo + inset, f.Y.LogHi - 0.3 * th},
        {3, data.PowerTitle, kPowerColour, f.X.LogLo + inset, f.Y.LogHi - 1.4 * th},
        {7, data.SpeedTitle, Qt::black, f.X.LogHi - inset, f.Y.LogLo + 0.3 * th}};
    if (!data.Map.Family(kMapSound).empty())
        titles.push_back(
            {7, data.SoundTitle, kSoundColour, f.X.LogHi - inset, f.Y.LogLo + 1.4 * th});
    TLabels labels(QRect(QPoint(d.PixelX(f.X.LogLo) + 1, plot.top()),
                         QPoint(plot.right(), d.PixelY(f.Y.LogLo) - 1)));
    for (const TTitle& title : titles)
        labels.Reserve(TLabels::Rect(d, title.Code, title.Text, title.X, title.Y));

    p.setFont(font);
    const TMapArea area(data.Map);
    DrawEfficiencyLines(d, labels, data.Map, pen);
    DrawFamily(d, labels, area, data.Map, kMapSpeed, Qt::black, pen);
    DrawFamily(d, labels, area, data.Map, kMapPower, kPowerColour, pen);
    DrawFamily(d, labels, area, data.Map, kMapSound, kSoundColour, pen);

    p.setFont(bold);
    for (const TTitle& title : titles)
        FamilyTitle(d, title);
    p.restore();
}

} // namespace corvane
