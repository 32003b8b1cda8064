#include "render/curves/CurvePalette.h"

namespace corvane {

QColor CurveColour(int curve) {
    static const std::array<QColor, 10> palette{
        QColor(0, 0, 128),   QColor(0, 128, 0), QColor(128, 0, 0), QColor(255, 0, 255),
        QColor(128, 0, 128), QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 128, 128),
        QColor(0, 255, 0),   QColor(0, 0, 0)};
    if (curve < 1 || curve > 10) return QColor(0, 0, 0);
    return palette[static_cast<std::size_t>(curve - 1)];
}

} // namespace corvane
