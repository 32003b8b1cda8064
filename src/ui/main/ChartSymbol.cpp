#include "ui/main/ChartSymbol.h"

#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <array>

namespace corvane {

QColor CurveColour(int curve) {
    static constexpr std::array<QRgb, 10> kPalette = {
        qRgb(0, 0, 128), qRgb(0, 128, 0), qRgb(128, 0, 0),   qRgb(255, 0, 255), qRgb(128, 0, 128),
        qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(0, 128, 128), qRgb(0, 255, 0),   qRgb(0, 0, 0)};
    if (curve < 1 || curve > static_cast<int>(kPalette.size())) return Qt::black;
    return QColor(kPalette[static_cast<std::size_t>(curve - 1)]);
}

void PaintMarkerSymbol(QPainter& p, int x, int y, int size, int symbol) {
    const int h = size / 2;
    auto polygon = [&p](std::initializer_list<QPoint> points) {
        p.drawPolygon(QPolygon(QList<QPoint>(points)));
    };
    switch (symbol) {
    case 1:
        polygon({{x - h, y}, {x, y + h}, {x + h, y}, {x, y - h}});
        break;
    case 2:
        polygon({{x - h, y + h}, {x + h, y + h}, {x, y - h}});
        break;
    case 3:
        p.drawLine(x - h, y - h, x + h, y + h);
        p.drawLine(x - h, y + h, x + h, y - h);
        p.drawLine(x, y - h, x, y + h);
        p.drawLine(x - h, y, x + h, y);
        break;
    case 4:
        p.drawRect(x - h, y - h, 2 * h, 2 * h);
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
        p.drawLine(x - h, y, x + h, y);
        p.drawLine(x, y - h, x, y + h);
        break;
    case 9:
        p.drawLine(x - h, y - h, x + h, y + h);
        p.drawLine(x - h, y + h, x + h, y - h);
        break;
    default:
        p.drawEllipse(x - h, y - h, 2 * h, 2 * h);
        break;
    }
}

} // namespace corvane
