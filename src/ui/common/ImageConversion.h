#pragma once

#include <QImage>

namespace corvane {

class TImage;

// A decoded catalogue picture as a QImage (deep copy); a null image for an empty one.
QImage ToQImage(const TImage& image);

} // namespace corvane
