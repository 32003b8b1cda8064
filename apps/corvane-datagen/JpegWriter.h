#pragma once

#include <string>

class QImage;

namespace corvane {

// Encodes an image as a baseline JPEG with libjpeg at a fixed quality; the encoder is
// deterministic, so the same image gives the same bytes. Returns false when the file cannot
// be written.
bool WriteJpeg(const QImage& image, const std::string& path, int quality = 85);

} // namespace corvane
