#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// A decoded picture: Width x Height pixels of 3 (RGB) or 4 (RGBA) bytes each, rows top-down
// without padding. An empty image has no pixels.
class TImage {
public:
    // Largest picture accepted from a file (pixels); guards memory against forged sizes.
    static constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;
    // Largest picture file read.
    static constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;

    TImage() = default;
    // A black (transparent for RGBA) image; channels must be 3 or 4.
    TImage(int width, int height, int channels);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Channels() const { return channels_; }
    bool Empty() const { return pixels_.empty(); }
    std::size_t Stride() const { return static_cast<std::size_t>(width_) * channels_; }
    const std::uint8_t* Data() const { return pixels_.data(); }
    std::uint8_t* Data() { return pixels_.data(); }
    // The first byte of pixel (x, y); no bounds check.
    const std::uint8_t* Pixel(int x, int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * Stride() +
               static_cast<std::size_t>(x) * channels_;
    }
    std::uint8_t* Pixel(int x, int y) {
        return pixels_.data() + static_cast<std::size_t>(y) * Stride() +
               static_cast<std::size_t>(x) * channels_;
    }

    void Clear();
    // Decodes a JPEG or BMP file (recognised by its first bytes). On failure the image is
    // empty and false is returned; a damaged file never crashes or reads out of bounds.
    bool LoadFromFile(const std::string& path);
    bool LoadFromMemory(const std::uint8_t* data, std::size_t size);

    // Takes over a decoded pixel buffer (decoders); the size must match.
    void Assign(int width, int height, int channels, std::vector<std::uint8_t> pixels);

private:
    int width_ = 0;
    int height_ = 0;
    int channels_ = 3;
    std::vector<std::uint8_t> pixels_;
};

} // namespace corvane
