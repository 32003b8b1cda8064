#include "ui/common/ImageConversion.h"

#include "catalogue/TImage.h"

namespace corvane {

QImage ToQImage(const TImage& image) {
    if (image.Empty() || image.Width() <= 0 || image.Height() <= 0) return {};
    const QImage::Format format =
        image.Channels() == 4 ? QImage::Format_RGBA8888 : QImage::Format_RGB888;
    const QImage view(image.Data(), image.Width(), image.Height(),
                      static_cast<qsizetype>(image.Stride()), format);
    return view.copy();
}

} // namespace corvane
