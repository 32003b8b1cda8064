#include "render/diagram/TDiagram.h"

#include "render/diagram/DiagramColours.h"
#include "render/diagram/Markers.h"
#include "render/diagram/TextAlignment.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace corvane {

void TDiagram::InitDiagram(QPainter* canvas, int left, int bottom, int right, int top, double xmin,
                           double ymin, double xmax, double ymax) {
    Canvas = canvas;
    SetDiagramRange(left, bottom, right, top, xmin, ymin, xmax, ymax);
    IsColourDevice = true;
    IsPrinter = false;
    rotated_ = false;
    Decimals = -1;
}

void TDiagram::SetDiagramRange(int left, int bottom, int right, int top, double xmin, double ymin,
                               double xmax, double ymax) {
    XAxis.SetAxisMap(left, right, xmin, xmax);
    YAxis.SetAxisMap(bottom, top, ymin, ymax);
}

void TDiagram::BeginDiagram(const QColor& background) {
    const QPaintDevice* device = Canvas != nullptr ? Canvas->device() : nullptr;
    if (device != nullptr) {
        IsPrinter = device->devType() == QInternal::Printer;
        IsColourDevice = device->depth() > 1;
    }
    Background = background;
    LightBackground = IsLightColour(background);
    const QColor pen = MapColour(LightBackground ? QColor(Qt::black) : QColor(Qt::white));
    FontColour = MapColour(pen);
    if (Canvas == nullptr) return;
    Canvas->setPen(QPen(pen, 1, Qt::SolidLine));
    Canvas->setBrush(QBrush(MapColour(background), Qt::SolidPattern));
    Canvas->setBackground(QBrush(background));
    Canvas->setBackgroundMode(Qt::TransparentMode);
}

QColor TDiagram::MapColour(const QColor& colour) const {
    return corvane::MapColour(IsColourDevice, LightBackground, colour);
}

void TDiagram::DiagMoveTo(double x, double y) {
    penPosition_ = Pixel(x, y);
}

void TDiagram::DiagLineTo(double x, double y) {
    const QPoint to = Pixel(x, y);
    if (Canvas != nullptr) Canvas->drawLine(penPosition_, to);
    penPosition_ = to;
}

void TDiagram::DiagPolyline(const TWorldPoint* points, int count) {
    if (count <= 0) return;
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i)
        polygon[i] = Pixel(points[i].X, points[i].Y);
    if (Canvas != nullptr) Canvas->drawPolyline(polygon);
    penPosition_ = polygon.back();
}

void TDiagram::DiagText(int code, const QString& text, double x, double y) {
    if (Canvas == nullptr) return;
    const QPen pen = Canvas->pen();
    Canvas->setPen(FontColour);
    AlignedTextOut(*Canvas, PixelX(x), PixelY(y), text, rotated_, code);
    Canvas->setPen(pen);
}

void TDiagram::DiagMarker(int symbol, int size, double x, double y) {
    if (Canvas != nullptr) DrawMarker(*Canvas, PixelX(x), PixelY(y), size, symbol);
}

double TDiagram::TextWidthWorld(const QString& text) const {
    if (Canvas == nullptr) return 0;
    return std::fabs(Canvas->fontMetrics().horizontalAdvance(text) / XAxis.Scale);
}

double TDiagram::TextHeightWorld(const QString& text) const {
    // The height of a text is the line height of its font, whatever the characters.
    Q_UNUSED(text);
    if (Canvas == nullptr) return 0;
    return -Canvas->fontMetrics().height() / YAxis.Scale;
}

void TDiagram::SelectRotatedFont(const QFont& font) {
    if (Canvas == nullptr) return;
    if (!rotated_) savedFont_ = Canvas->font();
    Canvas->setFont(font);
    rotated_ = true;
}

void TDiagram::RestoreFont() {
    if (Canvas == nullptr || !rotated_) return;
    Canvas->setFont(savedFont_);
    rotated_ = false;
}

} // namespace corvane
