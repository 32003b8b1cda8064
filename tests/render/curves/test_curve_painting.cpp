// The curve diagram painted on offscreen images: what must be visible where.
#include "CurveSetSamples.h"
#include "render/curves/CurveDiagram.h"
#include "render/curves/CurvePalette.h"
#include "render/curves/TCurveDiagramData.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TCurveDiagramData PressureData() {
    TCurveDiagramData d;
    d.Set = test::PressureSet();
    d.FontName = QStringLiteral("DejaVu Sans");
    d.Title = QStringLiteral("Druck frei ausblasend");
    d.XName = QStringLiteral("Volumenstrom V [m³/h]");
    d.YName = QStringLiteral("Druck frei ausblasend \u0394p fa [Pa]");
    d.Operator = QStringLiteral("M. Keller");
    return d;
}

struct TPainted {
    QImage Image;
    TCurveLayout Layout;
};

TPainted Paint(const TCurveDiagramData& data, QSize size = {640, 480},
               QImage::Format format = QImage::Format_RGB32) {
    TPainted p{QImage(size, format), {}};
    p.Image.fill(Qt::gray);
    QPainter painter(&p.Image);
    p.Layout = PaintCurveDiagram(painter, p.Image.rect(), data);
    return p;
}

int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor(image.pixel(x, y)) == colour) ++n;
    return n;
}

QRect Around(QPoint p, int r) {
    return QRect(p.x() - r, p.y() - r, 2 * r + 1, 2 * r + 1);
}

TEST(CurvePainting, OperatingPointToleranceBarAndCurves) {
    const TCurveDiagramData data = PressureData();
    const TPainted p = Paint(data);
    const TDiagram& d = p.Layout.Diagram;
    // White background everywhere (nothing of the grey fill left).
    EXPECT_EQ(CountColour(p.Image, p.Image.rect(), Qt::gray), 0);
    // The red tolerance bar spans ±10 % of the flow at the requested pressure.
    const int y = d.PixelY(800);
    EXPECT_GT(CountColour(p.Image, QRect(d.PixelX(4550), y - 1, d.PixelX(5450) - d.PixelX(4550), 3),
                          QColor(255, 0, 0)),
              20);
    EXPECT_EQ(CountColour(p.Image, QRect(d.PixelX(3000), y - 1, d.PixelX(4000) - d.PixelX(3000), 3),
                          QColor(255, 0, 0)),
              0);
    // The blue system parabola passes through the origin region and the operating point.
    EXPECT_GT(CountColour(p.Image, Around(d.Pixel(2500, 200), 3), QColor(0, 0, 255)), 0);
    // Both curves in their palette colours.
    EXPECT_GT(CountColour(p.Image, p.Image.rect(), CurveColour(1)), 100);
    EXPECT_GT(CountColour(p.Image, p.Image.rect(), CurveColour(2)), 100);
    // Layout without painting gives the same maps.
    const TCurveLayout layout = CurveDiagramLayout(p.Image, p.Image.rect(), data);
    EXPECT_EQ(layout.Diagram.XAxis.Scale, d.XAxis.Scale);
    EXPECT_EQ(layout.Diagram.YAxis.Offset, d.YAxis.Offset);
}

TEST(CurvePainting, VerticalToleranceBarWhenThePressureMayDeviate) {
    TCurveDiagramData data = PressureData();
    data.Set.FixedQuantity = 1;
    const TPainted p = Paint(data);
    const TDiagram& d = p.Layout.Diagram;
    const int x = d.PixelX(5000);
    EXPECT_GT(CountColour(p.Image, QRect(x - 1, d.PixelY(870), 3, d.PixelY(730) - d.PixelY(870)),
                          QColor(255, 0, 0)),
              20);
}

TEST(CurvePainting, SelectedFlowsAndParabolas) {
    TCurveDiagramData data = PressureData();
    data.ShowMode = 1;
    data.SelectedFlows = {3000, 7000, 20000}; // the last lies outside the axis
    data.CurrentFlow = 2;
    TPainted p = Paint(data);
    const TDiagram& d = p.Layout.Diagram;
    const QRect column3000(d.PixelX(3000), d.PixelY(500), 1, 20);
    const QRect column7000(d.PixelX(7000), d.PixelY(500), 1, 20);
    EXPECT_GT(CountColour(p.Image, column3000, kOtherPointColour), 10);
    EXPECT_GT(CountColour(p.Image, column7000, kCurrentPointColour), 10);
    EXPECT_EQ(CountColour(p.Image, p.Image.rect().adjusted(d.PixelX(12000) + 2, 0, 0, 0),
                          kOtherPointColour),
              0);

    data.ShowMode = 2;
    data.ParabolaFlows = {4000, 8000};
    data.CurrentParabola = 1;
    p = Paint(data);
    // 1000 Pa at 4000 m³/h: 250 Pa at 2000 m³/h; the other one 250 Pa at 4000 m³/h.
    EXPECT_GT(
        CountColour(p.Image, Around(p.Layout.Diagram.Pixel(2000, 250), 2), kCurrentPointColour), 0);
    EXPECT_GT(CountColour(p.Image, Around(p.Layout.Diagram.Pixel(4000, 250), 2), kOtherPointColour),
              0);
    // Parabolas belong to pressure diagrams only.
    data.Set.Kind = 3;
    data.Set.YField = TMdbMwFieldNo::F_PWE;
    p = Paint(data);
    EXPECT_EQ(CountColour(p.Image, p.Image.rect(), kCurrentPointColour), 0);
}

TEST(CurvePainting, MonochromeSurfaceAndAnySize) {
    const TCurveDiagramData data = PressureData();
    QImage mono(640, 480, QImage::Format_Mono);
    mono.fill(0);
    {
        QPainter painter(&mono);
        PaintCurveDiagram(painter, mono.rect(), data);
    }
    const QImage rgb = mono.convertToFormat(QImage::Format_RGB32);
    const int black = CountColour(rgb, rgb.rect(), Qt::black);
    EXPECT_GT(black, 2000); // curves, texts and axes all drawn black
    EXPECT_LT(black, 640 * 480 / 4);

    // A tiny or huge area still paints without failing and fills it.
    for (QSize size : {QSize(40, 30), QSize(3000, 2000)}) {
        const TPainted p = Paint(data, size);
        EXPECT_EQ(CountColour(p.Image, p.Image.rect(), Qt::gray), 0) << size.width();
    }
}

TEST(CurvePainting, EmptySetStillDrawsTheAxes) {
    TCurveDiagramData data = PressureData();
    data.Set = TCurveSet::ForKind(10);
    const TPainted p = Paint(data);
    EXPECT_GT(CountColour(p.Image, p.Image.rect(), Qt::black), 500);
}

} // namespace
} // namespace corvane
