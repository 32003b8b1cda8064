#include "render/diagram/Markers.h"

#include <QPainter>

namespace corvane {

TMarkerShape MarkerShape(int x, int y, int size, int symbol) {
    const int h = size / 2;
    TMarkerShape s;
    const auto polygon = [&s](std::initializer_list<QPoint> points) {
        s.Kind = TMarkerShape::EKind::Polygon;
        s.Polygon = QPolygon(QList<QPoint>(points));
    };
    const QLine diagonal1(x - h, y - h, x + h, y + h);
    const QLine diagonal2(x - h, y + h, x + h, y - h);
    const QLine vertical(x, y - h, x, y + h);
    const QLine horizontal(x - h, y, x + h, y);
    switch (symbol) {
    case 1:
        polygon({{x - h, y}, {x, y + h}, {x + h, y}, {x, y - h}});
        break;
    case 2:
        polygon({{x - h, y + h}, {x + h, y + h}, {x, y - h}});
        break;
    case 3:
        s.Kind = TMarkerShape::EKind::Strokes;
        s.Strokes = {diagonal1, diagonal2, vertical, horizontal};
        break;
    case 4:
        polygon({{x - h, y - h}, {x + h, y - h}, {x + h, y + h}, {x - h, y + h}});
        break;
    case 5:
        polygon({{x - h, y - h}, {x + h, y - h}, {x, y + h}});
        break;
    case 6:
        polygon({{x - h, y + h}, {x, y + h}, {x + h, y - h}, {x, y - h}});
        break;
    case 7:
        polygon({{x, y + h}, {x + h, y + h}, {x, y - h}, {x - h, y - h}});
        break;
    case 8:
        s.Kind = TMarkerShape::EKind::Strokes;
        s.Strokes = {horizontal, vertical};
        break;
    case 9:
        s.Kind = TMarkerShape::EKind::Strokes;
        s.Strokes = {diagonal1, diagonal2};
        break;
    default:
        s.Kind = TMarkerShape::EKind::Ellipse;
        break;
    }
    s.Bounds = QRect(QPoint(x - h, y - h), QPoint(x + h, y + h));
    return s;
}

void DrawMarker(QPainter& painter, int x, int y, int size, int symbol) {
    const TMarkerShape s = MarkerShape(x, y, size, symbol);
    switch (s.Kind) {
    case TMarkerShape::EKind::Polygon:
        painter.drawPolygon(s.Polygon);
        break;
    case TMarkerShape::EKind::Strokes:
        painter.drawLines(s.Strokes.data(), static_cast<int>(s.Strokes.size()));
        break;
    case TMarkerShape::EKind::Ellipse:
        painter.drawEllipse(s.Bounds);
        break;
    }
}

} // namespace corvane
