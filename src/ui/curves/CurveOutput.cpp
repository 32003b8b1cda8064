#include "ui/curves/CurveOutput.h"

#include "render/curves/CurveDiagram.h"
#include "render/curves/TCurveDiagramData.h"
#include "render/diagram/TextAlignment.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace corvane {

QImage CurveImage(const TCurveDiagramData& data, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCurveDiagram(painter, image.rect(), data);
    return image;
}

bool PrintCurveDiagram(QPrinter& printer, const TCurveDiagramData& data, const QString& remark) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page(0, 0, printer.width(), printer.height());
    int top = 0;
    if (!remark.isEmpty()) {
        QFont font(data.FontName);
        font.setPointSize(data.FontSize);
        painter.setFont(font);
        const QFontMetrics metrics(font, &printer);
        const QRect box = metrics.boundingRect(page, Qt::TextWordWrap, remark);
        WrappedText(painter, QRect(0, 0, page.width(), box.height()), remark);
        top = box.height() + metrics.height();
    }
    const int height = std::min(page.height() - top, page.width() * 3 / 4);
    PaintCurveDiagram(painter, QRect(0, top, page.width(), height), data);
    return painter.end();
}

} // namespace corvane
