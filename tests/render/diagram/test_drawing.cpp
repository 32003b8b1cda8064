// Text placement, markers, colour mapping and axes drawn on offscreen images.
#include "render/diagram/DiagramAxes.h"
#include "render/diagram/DiagramColours.h"
#include "render/diagram/DiagramText.h"
#include "render/diagram/Markers.h"
#include "render/diagram/TDiagram.h"
#include "render/diagram/TextAlignment.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace corvane {
namespace {

// Bounding box of every pixel that is not white.
QRect InkBox(const QImage& image, const QRect& within = QRect()) {
    const QRect area = within.isNull() ? image.rect() : within;
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
    return box;
}

QImage WhiteImage(int w, int h, QImage::Format format = QImage::Format_RGB32) {
    QImage image(w, h, format);
    image.fill(Qt::white);
    return image;
}

// DejaVu Sans of the given pixel size on the painter.
void SetFont(QPainter& p, int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    p.setFont(font);
}

TEST(TextAlignment, KeypadCodesAndRotatedCodes) {
    const int x = 100, y = 100, w = 41, h = 11; // odd sizes: halves truncate
    const QPoint expected[] = {{100, 89}, {100, 95}, {100, 100}, {80, 89}, {80, 95},
                               {80, 100}, {59, 89},  {59, 95},   {59, 100}};
    for (int code = 1; code <= 9; ++code)
        EXPECT_EQ(AlignedOrigin(code, x, y, w, h), expected[code - 1]) << code;
    const QPoint rotated[] = {{89, 100},  {95, 100}, {100, 100}, {89, 120}, {95, 120},
                              {100, 120}, {89, 141}, {95, 141},  {100, 141}};
    for (int code = -1; code >= -9; --code)
        EXPECT_EQ(AlignedOrigin(code, x, y, w, h), rotated[-code - 1]) << code;
    EXPECT_EQ(AlignedOrigin(0, x, y, w, h), QPoint(x, y));
    EXPECT_EQ(AlignedOrigin(10, x, y, w, h), QPoint(x, y));
    EXPECT_EQ(AlignedOrigin(-10, x, y, w, h), QPoint(x, y));
}

TEST(TextAlignment, CentredAndRotatedTextLandWhereTheCodesSay) {
    QImage image = WhiteImage(400, 400);
    QPainter p(&image);
    SetFont(p, 20);
    p.setPen(Qt::black);
    AlignedTextOut(p, 200, 100, QStringLiteral("HHHHHHHH"), false, 5);
    AlignedTextOut(p, 200, 300, QStringLiteral("HHHHHHHH"), true, -6);
    p.end();

    const QRect horizontal = InkBox(image, QRect(0, 0, 400, 200));
    EXPECT_GT(horizontal.width(), 3 * horizontal.height());
    EXPECT_NEAR(horizontal.center().x(), 200, 2);
    EXPECT_NEAR(horizontal.center().y(), 100, 4);

    // Reading upwards, centred along its length on y, glyph tops at x (the text lies right of it).
    const QRect upright = InkBox(image, QRect(0, 200, 400, 200));
    EXPECT_GT(upright.height(), 3 * upright.width());
    EXPECT_NEAR(upright.center().y(), 300, 2);
    EXPECT_GE(upright.left(), 200);
    EXPECT_LE(upright.left(), 206);
}

TEST(Markers, ShapesOfTheSymbols) {
    using K = TMarkerShape::EKind;
    const TMarkerShape diamond = MarkerShape(50, 50, 9, 1);
    EXPECT_EQ(diamond.Kind, K::Polygon);
    EXPECT_EQ(diamond.Polygon, QPolygon({{46, 50}, {50, 54}, {54, 50}, {50, 46}}));
    EXPECT_EQ(MarkerShape(50, 50, 8, 2).Polygon, QPolygon({{46, 54}, {54, 54}, {50, 46}}));
    EXPECT_EQ(MarkerShape(50, 50, 8, 5).Polygon, QPolygon({{46, 46}, {54, 46}, {50, 54}}));
    EXPECT_EQ(MarkerShape(50, 50, 8, 6).Polygon,
              QPolygon({{46, 54}, {50, 54}, {54, 46}, {50, 46}}));
    EXPECT_EQ(MarkerShape(50, 50, 8, 7).Polygon,
              QPolygon({{50, 54}, {54, 54}, {50, 46}, {46, 46}}));
    EXPECT_EQ(MarkerShape(50, 50, 8, 4).Polygon.boundingRect(), QRect(46, 46, 9, 9));
    EXPECT_EQ(MarkerShape(50, 50, 8, 3).Strokes.size(), 4u);
    const TMarkerShape plus = MarkerShape(50, 50, 8, 8);
    ASSERT_EQ(plus.Strokes.size(), 2u);
    EXPECT_EQ(plus.Strokes[0], QLine(46, 50, 54, 50));
    EXPECT_EQ(plus.Strokes[1], QLine(50, 46, 50, 54));
    const TMarkerShape cross = MarkerShape(50, 50, 8, 9);
    ASSERT_EQ(cross.Strokes.size(), 2u);
    EXPECT_EQ(cross.Strokes[0], QLine(46, 46, 54, 54));
    for (int other : {0, 10, -3})
        EXPECT_EQ(MarkerShape(50, 50, 8, other).Kind, K::Ellipse) << other;
}

TEST(Colours, MonochromeSurfacesDrawColoursBlack) {
    EXPECT_TRUE(IsLightColour(QColor(128, 0, 0)));
    EXPECT_FALSE(IsLightColour(QColor(127, 127, 127)));
    EXPECT_EQ(MapColour(true, true, QColor(255, 0, 0)), QColor(255, 0, 0));
    EXPECT_EQ(MapColour(false, true, QColor(255, 0, 0)), QColor(Qt::black));
    EXPECT_EQ(MapColour(false, true, QColor(Qt::white)), QColor(Qt::white));
    EXPECT_EQ(MapColour(false, false, QColor(Qt::black)), QColor(Qt::white));
    EXPECT_EQ(MapColour(false, false, QColor(0, 0, 255)), QColor(Qt::black));

    QImage mono(60, 60, QImage::Format_Mono);
    mono.fill(1);
    QPainter p(&mono);
    TDiagram d;
    d.InitDiagram(&p, 0, 59, 59, 0, 0, 0, 1, 1);
    d.BeginDiagram(Qt::white);
    EXPECT_FALSE(d.IsColourDevice);
    p.setPen(QPen(d.MapColour(QColor(255, 255, 0)), 3));
    d.DiagMoveTo(0, 0.5);
    d.DiagLineTo(1, 0.5);
    p.end();
    EXPECT_EQ(QColor(mono.pixel(30, 30)), QColor(Qt::black));

    QImage colour = WhiteImage(10, 10);
    QPainter pc(&colour);
    TDiagram dc;
    dc.InitDiagram(&pc, 0, 9, 9, 0, 0, 0, 1, 1);
    dc.BeginDiagram(Qt::white);
    EXPECT_TRUE(dc.IsColourDevice);
    EXPECT_FALSE(dc.IsPrinter);
    EXPECT_EQ(dc.FontColour, QColor(Qt::black));
    dc.BeginDiagram(Qt::black);
    EXPECT_EQ(pc.pen().color(), QColor(Qt::white));
}

TEST(Diagram, TextSizesInWorldUnitsAndRotatedFont) {
    QImage image = WhiteImage(200, 100);
    QPainter p(&image);
    SetFont(p, 10);
    TDiagram d;
    d.InitDiagram(&p, 0, 99, 199, 0, 0, 0, 2, 1); // 99.5 px per x unit, 99 per y unit
    const double width = d.TextWidthWorld(QStringLiteral("000"));
    EXPECT_NEAR(width, p.fontMetrics().horizontalAdvance(QStringLiteral("000")) / 99.5, 1e-9);
    EXPECT_NEAR(d.TextHeightWorld(QStringLiteral("0")), p.fontMetrics().height() / 99.0, 1e-9);

    QFont big = p.font();
    big.setPixelSize(30);
    d.SelectRotatedFont(big);
    EXPECT_TRUE(d.HasRotatedFont());
    EXPECT_GT(d.TextWidthWorld(QStringLiteral("000")), 2.5 * width);
    d.SelectRotatedFont(big); // a second selection keeps the first saved font
    d.RestoreFont();
    EXPECT_FALSE(d.HasRotatedFont());
    EXPECT_EQ(p.font().pixelSize(), 10);
}

TEST(Diagram, GreekLettersInTexts) {
    EXPECT_EQ(DiagramText("´psi´ fa / ´phi´"), QStringLiteral("\u03C8 fa / \u03C6"));
    EXPECT_EQ(DiagramText("´eta´ [%]"), QStringLiteral("\u03B7 [%]"));
}

TEST(Axes, LabelsUnderEveryMajorTickAndTitles) {
    QImage image = WhiteImage(640, 480);
    QPainter p(&image);
    SetFont(p, 12);
    TDiagram d;
    d.InitDiagram(&p, 0, 479, 639, 0, -25, -25, 105, 105);
    d.BeginDiagram(Qt::white);
    DrawXAxis(d, 4, QString(), 0, 0, 100, 5, 1);
    DrawYAxis(d, 4, QStringLiteral("TITLE"), 0, 0, 100, 5);
    p.end();

    const int axisY = d.PixelY(0);
    for (int label = 0; label <= 100; label += 20) {
        const int x = d.PixelX(label);
        // Label ink hangs below the long tick, centred on it.
        const QRect box = InkBox(image, QRect(x - 12, axisY + 6, 25, 20));
        EXPECT_FALSE(box.isNull()) << label;
        if (!box.isNull()) {
            EXPECT_NEAR(box.center().x(), x, 3) << label;
        }
    }
    // No label between two label positions.
    EXPECT_TRUE(InkBox(image, QRect(d.PixelX(10) - 3, axisY + 6, 7, 20)).isNull());
    // Y labels right-aligned left of the ticks; the title above the axis.
    const QRect yLabel = InkBox(image, QRect(0, d.PixelY(60) - 8, d.PixelX(0) - 2, 17));
    EXPECT_FALSE(yLabel.isNull());
    EXPECT_LT(yLabel.right(), d.PixelX(0));
    EXPECT_FALSE(InkBox(image, QRect(0, 0, d.PixelX(0), d.PixelY(100) - 2)).isNull());
}

TEST(Axes, GridLinesAtLabelSteps) {
    QImage image = WhiteImage(101, 101);
    QPainter p(&image);
    TDiagram d;
    d.InitDiagram(&p, 0, 100, 100, 0, 0, 0, 100, 100);
    d.BeginDiagram(Qt::white);
    DrawGrid(d, 0, 0, 100, 100, 25, 50);
    p.end();
    for (int x : {25, 50, 75, 100})
        EXPECT_EQ(QColor(image.pixel(x, 10)), QColor(Qt::black)) << x;
    EXPECT_EQ(QColor(image.pixel(0, 10)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(10, 50)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(10, 25)), QColor(Qt::white));
}

} // namespace
} // namespace corvane
