#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

class TImage;

// Decoders behind TImage::LoadFromMemory. Each answers false, leaving `image` untouched, when
// the data is not a complete, readable picture of its kind.

// JPEG through libjpeg: greyscale, YCbCr/RGB and CMYK/YCCK pictures, RGB output.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TImage& image);
// Windows bitmap: uncompressed 1, 4, 8 (palette), 16, 24 and 32 bits per pixel, bit-field
// masks for 16 and 32 bits, bottom-up and top-down rows. RGBA when an alpha mask is given.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, TImage& image);

} // namespace corvane
