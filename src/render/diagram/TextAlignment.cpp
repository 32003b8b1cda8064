#include "render/diagram/TextAlignment.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>

namespace corvane {

QPoint AlignedOrigin(int code, int x, int y, int w, int h) {
    if (code >= 1 && code <= 9) {
        const int column = (code - 1) / 3; // 0 left, 1 centre, 2 right
        const int row = (code - 1) % 3;    // 0 bottom, 1 middle, 2 top
        if (column == 1) x -= w / 2;
        if (column == 2) x -= w;
        if (row == 0) y -= h;
        if (row == 1) y -= h / 2;
        return {x, y};
    }
    if (code <= -1 && code >= -9) {
        const int along = (-code - 1) / 3;  // 0 start, 1 middle, 2 end of the text
        const int across = (-code - 1) % 3; // 0 glyph bottoms, 1 centred, 2 glyph tops
        if (along == 1) y += w / 2;
        if (along == 2) y += w;
        if (across == 0) x -= h;
        if (across == 1) x -= h / 2;
        return {x, y};
    }
    return {x, y};
}

void AlignedTextOut(QPainter& painter, int x, int y, const QString& text, bool rotated, int code) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QPoint origin =
        AlignedOrigin(code, x, y, metrics.horizontalAdvance(text), metrics.height());
    if (!rotated) {
        painter.drawText(origin.x(), origin.y() + metrics.ascent(), text);
        return;
    }
    // Rotating the frame by -90° makes the text run upwards with the glyph tops at the left.
    painter.save();
    painter.translate(origin);
    painter.rotate(-90);
    painter.drawText(0, metrics.ascent(), text);
    painter.restore();
}

void TransparentTextOut(QPainter& painter, int x, int y, const QRect* clip, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    if (clip == nullptr) {
        painter.drawText(x, y + metrics.ascent(), text);
        return;
    }
    painter.save();
    painter.setClipRect(*clip, Qt::IntersectClip);
    painter.drawText(x, y + metrics.ascent(), text);
    painter.restore();
}

void WrappedText(QPainter& painter, const QRect& rect, const QString& text) {
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

} // namespace corvane
