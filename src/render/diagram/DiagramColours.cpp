#include "render/diagram/DiagramColours.h"

namespace corvane {

bool IsLightColour(const QColor& colour) {
    return colour.red() > 127 || colour.green() > 127 || colour.blue() > 127;
}

QColor MapColour(bool colourDevice, bool lightBackground, const QColor& colour) {
    if (colourDevice) return colour;
    const QRgb rgb = colour.rgb() & 0xFFFFFFu;
    if (lightBackground) return rgb == 0xFFFFFFu ? QColor(Qt::white) : QColor(Qt::black);
    return rgb == 0 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace corvane
