#include "Sketches.h"

#include "DemoContent.h"
#include "SketchGeometry.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

namespace corvane {

QImage DrawSketch(const TSketchPlan& plan, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double scale = 0.45 * std::min(width, height) / SketchExtent(plan);
    // Unit coordinates with y up, centred in the image.
    painter.translate(width / 2.0, height / 2.0);
    painter.scale(scale, -scale);

    const QColor shades[4] = {Qt::white, QColor(176, 196, 222), QColor(112, 128, 144),
                              QColor(60, 60, 70)};
    QPen pen(plan.Filled ? QColor(40, 40, 40) : Qt::black);
    pen.setWidthF(1.5 / scale);
    painter.setPen(pen);
    for (const TSketchPath& path : SketchPaths(plan)) {
        QPolygonF polygon;
        for (const auto& [x, y] : path.Points)
            polygon << QPointF(x, y);
        if (path.Closed) {
            painter.setBrush(plan.Filled && path.Fill > 0 ? QBrush(shades[path.Fill])
                                                          : QBrush(Qt::NoBrush));
            painter.drawPolygon(polygon);
        } else {
            painter.drawPolyline(polygon);
        }
    }
    painter.end();
    return image;
}

} // namespace corvane
