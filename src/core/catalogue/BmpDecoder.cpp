// Windows bitmap decoding. Every offset and size read from the file is checked against the
// data before it is used, in 64-bit arithmetic so forged sizes cannot wrap around.

#include "catalogue/ImageDecoders.h"
#include "catalogue/TImage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <limits>
#include <new>
#include <vector>

namespace corvane {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::size_t kFileHeaderSize = 14;

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// One colour channel of a bit-field pixel.
struct TChannel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit TChannel(std::uint32_t m = 0) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        bits = std::bit_width(mask >> shift);
    }
    std::uint8_t Value(std::uint32_t pixel, std::uint8_t missing) const {
        if (mask == 0) return missing;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
        const std::uint32_t top = (std::uint32_t{1} << bits) - 1;
        return static_cast<std::uint8_t>((v * 255 + top / 2) / top);
    }
};

struct TBmpHeader {
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows stored top-down
    unsigned bitsPerPixel = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteStart = 0;
    std::size_t paletteEntrySize = 4;
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
};

bool ReadHeader(const std::uint8_t* data, std::size_t size, TBmpHeader& h) {
    if (size < kFileHeaderSize + 4) return false;
    const std::uint64_t infoSize = U32(data + 14);
    if (kFileHeaderSize + infoSize > size) return false;
    const std::uint8_t* info = data + kFileHeaderSize;
    if (infoSize == 12) { // OS/2 core header: 16-bit sizes, 3-byte palette entries
        h.width = U16(info + 4);
        h.height = U16(info + 6);
        h.bitsPerPixel = U16(info + 10);
        h.paletteEntrySize = 3;
    } else if (infoSize >= 40) {
        h.width = static_cast<std::int32_t>(U32(info + 4));
        h.height = static_cast<std::int32_t>(U32(info + 8));
        h.bitsPerPixel = U16(info + 14);
        h.compression = U32(info + 16);
        h.colorsUsed = U32(info + 32);
    } else {
        return false;
    }
    h.paletteStart = kFileHeaderSize + static_cast<std::size_t>(infoSize);
    if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
        const std::size_t maskCount = h.compression == kBiAlphaBitfields ? 4 : 3;
        // Masks are part of newer headers, or follow a 40-byte header.
        std::size_t maskPos = kFileHeaderSize + 40;
        if (infoSize == 40) h.paletteStart += 4 * maskCount;
        const std::size_t inHeader = infoSize >= 56 ? 4 : infoSize >= 52 ? 3 : 0;
        const std::size_t available = infoSize == 40 ? maskCount : inHeader;
        if (available < 3 || maskPos + 4 * available > size) return false;
        for (std::size_t i = 0; i < available && i < 4; ++i)
            h.masks[i] = U32(data + maskPos + 4 * i);
    }
    return true;
}

// Decodes the rows; `channels` is 3 or 4.
void DecodeRows(const std::uint8_t* pixels, std::size_t stride, const TBmpHeader& h, int width,
                int height, const std::vector<std::array<std::uint8_t, 3>>& palette, int channels,
                std::vector<std::uint8_t>& out) {
    const std::array<TChannel, 4> ch{TChannel(h.masks[0]), TChannel(h.masks[1]),
                                     TChannel(h.masks[2]), TChannel(h.masks[3])};
    const unsigned bpp = h.bitsPerPixel;
    const bool topDown = h.height < 0;
    const std::size_t outStride = static_cast<std::size_t>(width) * channels;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* src = pixels + stride * static_cast<std::size_t>(y);
        std::uint8_t* dst =
            out.data() + outStride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x, dst += channels) {
            if (bpp <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bpp;
                const unsigned index = (src[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                // An index beyond the palette shows black.
                const std::array<std::uint8_t, 3> rgb =
                    index < palette.size() ? palette[index] : std::array<std::uint8_t, 3>{};
                dst[0] = rgb[0];
                dst[1] = rgb[1];
                dst[2] = rgb[2];
            } else if (bpp == 24 || (bpp == 32 && h.compression == kBiRgb)) {
                const std::uint8_t* p = src + static_cast<std::size_t>(x) * (bpp / 8);
                dst[0] = p[2];
                dst[1] = p[1];
                dst[2] = p[0];
            } else {
                const std::uint8_t* p = src + static_cast<std::size_t>(x) * (bpp / 8);
                const std::uint32_t value = bpp == 16 ? U16(p) : U32(p);
                for (int c = 0; c < channels; ++c)
                    dst[c] = ch[static_cast<std::size_t>(c)].Value(value, c == 3 ? 255 : 0);
            }
        }
    }
}

} // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, TImage& image) {
    if (data == nullptr || size < 2 || data[0] != 'B' || data[1] != 'M') return false;
    TBmpHeader h;
    if (!ReadHeader(data, size, h)) return false;

    const unsigned bpp = h.bitsPerPixel;
    const bool bitfields = h.compression == kBiBitfields || h.compression == kBiAlphaBitfields;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    if (h.compression != kBiRgb && !(bitfields && (bpp == 16 || bpp == 32))) return false;
    if (h.compression == kBiRgb && bpp == 16) h.masks = {0x7C00, 0x03E0, 0x001F, 0};

    const std::int64_t width = h.width;
    const std::int64_t height = std::llabs(h.height);
    if (width <= 0 || height <= 0 || height > std::numeric_limits<std::int32_t>::max())
        return false;
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > TImage::kMaxPixels)
        return false;

    // Rows are padded to 4 bytes; the last row may lack its padding.
    const std::uint64_t rowBits = static_cast<std::uint64_t>(width) * bpp;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const std::uint64_t offset = U32(data + 10);
    const std::uint64_t needed =
        offset + stride * static_cast<std::uint64_t>(height - 1) + (rowBits + 7) / 8;
    if (offset < h.paletteStart || needed > size) return false;

    std::vector<std::array<std::uint8_t, 3>> palette;
    if (bpp <= 8) {
        std::uint64_t entries = h.colorsUsed != 0 ? h.colorsUsed : (1u << bpp);
        entries = std::min<std::uint64_t>(entries, std::uint64_t{1} << bpp);
        entries = std::min<std::uint64_t>(entries, (offset - h.paletteStart) / h.paletteEntrySize);
        for (std::uint64_t i = 0; i < entries; ++i) {
            const std::uint8_t* p = data + h.paletteStart + i * h.paletteEntrySize;
            palette.push_back({p[2], p[1], p[0]});
        }
    }

    const int channels = bitfields && h.masks[3] != 0 ? 4 : 3;
    std::vector<std::uint8_t> out;
    try {
        out.resize(static_cast<std::size_t>(width * height) * channels);
    } catch (const std::bad_alloc&) {
        return false;
    }
    DecodeRows(data + offset, static_cast<std::size_t>(stride), h, static_cast<int>(width),
               static_cast<int>(height), palette, channels, out);
    image.Assign(static_cast<int>(width), static_cast<int>(height), channels, std::move(out));
    return true;
}

} // namespace corvane
