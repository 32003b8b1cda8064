#include "catalogue/TImage.h"

#include "catalogue/ImageDecoders.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace corvane {

TImage::TImage(int width, int height, int channels) {
    if (width <= 0 || height <= 0 || (channels != 3 && channels != 4))
        throw std::invalid_argument("TImage: bad size");
    width_ = width;
    height_ = height;
    channels_ = channels;
    pixels_.assign(Stride() * static_cast<std::size_t>(height), 0);
}

void TImage::Clear() {
    width_ = 0;
    height_ = 0;
    channels_ = 3;
    pixels_ = {};
}

void TImage::Assign(int width, int height, int channels, std::vector<std::uint8_t> pixels) {
    if (width <= 0 || height <= 0 || (channels != 3 && channels != 4) ||
        pixels.size() != static_cast<std::size_t>(width) * channels * height)
        throw std::invalid_argument("TImage: pixel buffer does not match its size");
    width_ = width;
    height_ = height;
    channels_ = channels;
    pixels_ = std::move(pixels);
}

bool TImage::LoadFromMemory(const std::uint8_t* data, std::size_t size) {
    Clear();
    if (data == nullptr || size < 2) return false;
    bool loaded = false;
    if (data[0] == 0xFF && data[1] == 0xD8)
        loaded = DecodeJpeg(data, size, *this);
    else if (data[0] == 'B' && data[1] == 'M')
        loaded = DecodeBmp(data, size, *this);
    if (!loaded) Clear();
    return loaded;
}

bool TImage::LoadFromFile(const std::string& path) {
    Clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileBytes) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // The file may have shrunk since its size was taken: decode only what was read.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return LoadFromMemory(bytes.data(), bytes.size());
}

} // namespace corvane
