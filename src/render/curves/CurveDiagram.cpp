#include "render/curves/CurveDiagram.h"

#include "render/curves/CurvePalette.h"
#include "render/curves/TCurveDiagramData.h"
#include "render/diagram/DiagramAxes.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace corvane {

namespace {

constexpr int kParabolaSteps = 800;

bool IsPrinterDevice(const QPaintDevice& device) {
    return device.devType() == QInternal::Printer;
}

// The base font: the diagram font grown with the width on screens (10 pt at 640 pixels).
QFont BaseFont(const TCurveDiagramData& data, const QRect& area, bool printer) {
    const double k = printer ? 1.0 : area.width() / 640.0;
    QFont font(data.FontName);
    font.setPointSize(std::clamp(static_cast<int>(std::lround(data.FontSize * k)), 4, 64));
    font.setBold(false);
    return font;
}

TCurveLayout Layout(const QPaintDevice& device, const QRect& area, const TCurveDiagramData& data,
                    const QFont& base) {
    TCurveLayout layout;
    const QFontMetrics metrics(base, &device);
    layout.Frame = CurveFrame(data.Set, data.DutyPointShown(), metrics.height(), area.height());
    const TCurveFrame& f = layout.Frame;
    layout.Diagram.InitDiagram(nullptr, area.left(), area.bottom(), area.right(), area.top(),
                               f.WorldXMin, f.WorldYMin, f.WorldXMax, f.WorldYMax);
    layout.Diagram.IsPrinter = IsPrinterDevice(device);
    layout.MarkerSize = layout.Diagram.IsPrinter ? std::max(1, area.width() / 100) : 8;
    return layout;
}

// y = c·x² from xmin to xmax in 800 steps, broken where it rises above ymax.
void DrawParabola(TDiagram& d, const TCurveFrame& f, double c) {
    std::vector<TWorldPoint> run;
    run.reserve(kParabolaSteps + 1);
    for (int i = 0; i <= kParabolaSteps; ++i) {
        const double x = f.X.Lo + f.XSpan() * i / kParabolaSteps;
        const double y = c * x * x;
        if (y <= f.Y.Hi) {
            run.push_back({x, y});
            continue;
        }
        if (run.size() >= 2) d.DiagPolyline(run.data(), static_cast<int>(run.size()));
        run.clear();
    }
    if (run.size() >= 2) d.DiagPolyline(run.data(), static_cast<int>(run.size()));
}

void SetPen(TDiagram& d, const QColor& colour, int width, Qt::PenStyle style = Qt::SolidLine) {
    d.Canvas->setPen(QPen(d.MapColour(colour), width, style));
}

void DrawTitleAndAxes(TDiagram& d, const TCurveDiagramData& data, const TCurveFrame& f,
                      const QFont& base) {
    QPainter& p = *d.Canvas;
    QFont title = base;
    title.setPointSize(static_cast<int>(std::lround(1.5 * base.pointSize())));
    title.setBold(true);
    p.setFont(title);
    d.DiagText(4, data.Title, f.X.Lo + 0.5 * f.XSpan(), f.Y.Hi + 0.02 * f.YSpan());

    p.setFont(base);
    DrawXAxis(d, f.X.StepsPerLabel, QString(), f.Y.Lo, f.X.Lo, f.X.Hi, f.X.MinorStep, 1,
              kCurveWindowDensity);
    QFont bold = base;
    bold.setBold(true);
    p.setFont(bold);
    d.DiagText(6, data.XName, f.X.Lo + 0.5 * f.XSpan(),
               f.Y.Lo - 1.7 * d.TextHeightWorld(QStringLiteral("0")));

    p.setFont(base);
    DrawYAxis(d, f.Y.StepsPerLabel, QString(), f.X.Lo, f.Y.Lo, f.Y.Hi, f.Y.MinorStep,
              kCurveWindowDensity);
    // The y name reads upwards, centred on the visible height less 5 % at each end, and is
    // shrunk when it would not fit.
    const double bottom = d.YAxis.FractionToWorld(0);
    const double top = d.YAxis.FractionToWorld(1);
    const double room = 0.9 * std::fabs(top - bottom);
    const double length =
        QFontMetrics(bold, p.device()).horizontalAdvance(data.YName) / std::fabs(d.YAxis.Scale);
    if (length > room)
        bold.setPointSize(
            std::max(2, static_cast<int>(std::lround(bold.pointSize() * room / length))));
    d.SelectRotatedFont(bold);
    d.DiagText(-6, data.YName, f.X.Lo - 0.18 * f.XSpan(), 0.5 * (bottom + top));
    d.RestoreFont();
    p.setFont(base);
}

// The system parabola through the operating point; drawn under the curves.
void DrawDutyParabola(TDiagram& d, const TCurveDiagramData& data, const TCurveFrame& f,
                      int penWidth) {
    const double vop = data.Set.RequestedFlow;
    SetPen(d, QColor(0, 0, 255), penWidth);
    DrawParabola(d, f, data.Set.RequestedPressure / (vop * vop));
}

// The operating point and its tolerance bar, drawn last so that the curves running through
// the point (they were chosen for it) do not hide them.
void DrawOperatingPoint(TDiagram& d, const TCurveDiagramData& data, const TCurveFrame& f,
                        int penWidth, int markerSize) {
    const TCurveSet& s = data.Set;
    const double vop = s.RequestedFlow;
    const double pop = s.RequestedPressure;
    // Twice the line width, so that point and bar stand out among the curves.
    SetPen(d, QColor(0, 0, 255), 2 * penWidth);
    d.DiagMarker(9, markerSize, vop, pop);

    SetPen(d, QColor(255, 0, 0), 2 * penWidth);
    const double t = s.Tolerance / 100;
    const int half = markerSize / 2;
    if (s.FixedQuantity == 1) {
        // The flow is met, the pressure may deviate: a vertical bar.
        const int x = d.PixelX(vop);
        const int y0 = d.PixelY(std::max((1 - t) * pop, f.Y.Lo));
        const int y1 = d.PixelY(std::min((1 + t) * pop, f.Y.Hi));
        d.Canvas->drawLine(x, y0, x, y1);
        d.Canvas->drawLine(x - half, y0, x + half, y0);
        d.Canvas->drawLine(x - half, y1, x + half, y1);
    } else {
        const int y = d.PixelY(pop);
        const int x0 = d.PixelX(std::max((1 - t) * vop, f.X.Lo));
        const int x1 = d.PixelX(std::min((1 + t) * vop, f.X.Hi));
        d.Canvas->drawLine(x0, y, x1, y);
        d.Canvas->drawLine(x0, y - half, x0, y + half);
        d.Canvas->drawLine(x1, y - half, x1, y + half);
    }
}

void DrawCurves(TDiagram& d, const TCurveDiagramData& data, int penWidth, int markerSize) {
    const TCurveSet& s = data.Set;
    std::vector<TWorldPoint> line;
    for (int i = 0; i < std::min(s.CurveCount, TCurveSet::kMaxCurves); ++i) {
        const TCurve& curve = s.Curves[static_cast<std::size_t>(i)];
        if (!curve.Drawable()) continue;
        SetPen(d, CurveColour(i + 1), penWidth);
        if (data.MarkPoints) {
            for (int p = 0; p < curve.PointCount; ++p) {
                const TCurvePoint& point = curve.Points[static_cast<std::size_t>(p)];
                d.DiagMarker(i + 1, markerSize, point.X, point.Y);
            }
        }
        line.clear();
        for (const TCurvePoint& point : curve.LinePoints(data.CurveStyle))
            line.push_back({point.X, point.Y});
        d.DiagPolyline(line.data(), static_cast<int>(line.size()));
    }
}

void DrawPointLines(TDiagram& d, const TCurveDiagramData& data, const TCurveFrame& f,
                    int penWidth) {
    if (data.ShowMode == 1 && data.OverFlow()) {
        for (std::size_t i = 0; i < data.SelectedFlows.size(); ++i) {
            const double x = data.SelectedFlows[i];
            if (x < f.X.Lo || x > f.X.Hi) continue;
            const bool current = static_cast<int>(i) + 1 == data.CurrentFlow;
            SetPen(d, current ? kCurrentPointColour : kOtherPointColour, penWidth);
            d.DiagMoveTo(x, f.Y.Lo);
            d.DiagLineTo(x, f.Y.Hi);
        }
    }
    if (data.ShowMode == 2 && data.PressureDiagram() && data.OverFlow()) {
        for (std::size_t i = 0; i < data.ParabolaFlows.size(); ++i) {
            const double flow = data.ParabolaFlows[i];
            if (!(flow > 0)) continue;
            const bool current = static_cast<int>(i) + 1 == data.CurrentParabola;
            SetPen(d, current ? kCurrentPointColour : kOtherPointColour, penWidth);
            DrawParabola(d, f, data.ParabolaPressure / (flow * flow));
        }
    }
}

} // namespace

TCurveLayout CurveDiagramLayout(const QPaintDevice& device, const QRect& area,
                                const TCurveDiagramData& data) {
    return Layout(device, area, data, BaseFont(data, area, IsPrinterDevice(device)));
}

TCurveLayout PaintCurveDiagram(QPainter& painter, const QRect& area,
                               const TCurveDiagramData& data) {
    const bool printer = IsPrinterDevice(*painter.device());
    const QFont base = BaseFont(data, area, printer);
    TCurveLayout layout = Layout(*painter.device(), area, data, base);
    TDiagram& d = layout.Diagram;
    const TCurveFrame& f = layout.Frame;

    painter.save();
    painter.setClipRect(area);
    d.Canvas = &painter;
    d.BeginDiagram(Qt::white);
    painter.fillRect(area, d.MapColour(Qt::white));
    painter.setFont(base);
    const int penWidth = d.IsPrinter ? 3 : 1;

    SetPen(d, QColor(0, 0, 255), 1, Qt::DotLine);
    painter.setBrush(QBrush(d.MapColour(Qt::white)));
    DrawGrid(d, f.X.Lo, f.Y.Lo, f.X.Hi, f.Y.Hi, f.X.LabelStep(), f.Y.LabelStep(),
             kCurveWindowDensity);

    SetPen(d, Qt::black, penWidth);
    DrawTitleAndAxes(d, data, f, base);
    d.DiagMoveTo(f.X.Lo, f.Y.Hi);
    d.DiagLineTo(f.X.Hi, f.Y.Hi);
    d.DiagLineTo(f.X.Hi, f.Y.Lo);
    d.DiagText(7, data.Operator, d.XAxis.FractionToWorld(0.97), d.YAxis.FractionToWorld(0.02));

    const bool operatingPoint = data.OperatingPointDrawn();
    if (operatingPoint) DrawDutyParabola(d, data, f, penWidth);
    DrawCurves(d, data, penWidth, layout.MarkerSize);
    DrawPointLines(d, data, f, penWidth);
    if (operatingPoint) DrawOperatingPoint(d, data, f, penWidth, layout.MarkerSize);
    painter.restore();
    d.Canvas = nullptr;
    return layout;
}

} // namespace corvane
