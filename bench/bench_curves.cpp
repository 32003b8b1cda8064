// Painting a curve diagram: ten fitted curves with markers, the operating point and selected
// flows at 1920 × 1080 on an offscreen image, as a maximised curve window paints it.
#include "render/curves/CurveDiagram.h"
#include "render/curves/TCurveDiagramData.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace corvane;

// Text drawing needs fonts, fonts need the GUI application (offscreen, no display).
void EnsureGui() {
    static int argc = 1;
    static char name[] = "bench_curves";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

TCurveDiagramData TenCurves() {
    TCurveDiagramData d;
    d.Set = TCurveSet::ForKind(1);
    for (int c = 0; c < TCurveSet::kMaxCurves; ++c) {
        TCurve& curve = d.Set.Curves[static_cast<std::size_t>(c)];
        const double scale = 0.6 + 0.08 * c;
        for (int i = 0; i < 30; ++i) {
            const double x = 400.0 * i * scale;
            const double y = (1000 - 0.0000125 * x * x / (scale * scale)) * scale;
            curve.AddPoint(x, std::max(y, 0.0));
            d.Set.MaxX = std::max(d.Set.MaxX, x);
            d.Set.MaxY = std::max(d.Set.MaxY, y);
            d.Set.MinY = std::min(d.Set.MinY, std::max(y, 0.0));
        }
        curve.FitPolynomial(6);
        ++d.Set.CurveCount;
    }
    d.Set.RequestedFlow = 6000;
    d.Set.RequestedPressure = 800;
    d.Set.Tolerance = 10;
    d.ShowMode = 1;
    d.SelectedFlows = {2000, 4000, 6000, 8000, 10000};
    d.CurrentFlow = 3;
    d.Title = QStringLiteral("Druck frei ausblasend");
    d.XName = QStringLiteral("Volumenstrom V [m³/h]");
    d.YName = QStringLiteral("Druck frei ausblasend \u0394p fa [Pa]");
    d.Operator = QStringLiteral("M. Keller");
    d.FontName = QStringLiteral("DejaVu Sans");
    return d;
}

void PaintTenCurves(benchmark::State& state) {
    EnsureGui();
    const TCurveDiagramData data = TenCurves();
    QImage image(1920, 1080, QImage::Format_RGB32);
    const bool antialiased = state.range(0) != 0;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, antialiased);
        const TCurveLayout layout = PaintCurveDiagram(painter, image.rect(), data);
        benchmark::DoNotOptimize(layout.Diagram.XAxis.Scale);
    }
    state.SetLabel(antialiased ? "antialiased (window, copy)" : "aliased");
}
BENCHMARK(PaintTenCurves)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
