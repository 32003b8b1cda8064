#include "mdb/TStream.h"

namespace corvane {

// The data file is little-endian whatever the host is: values are assembled byte by byte.

std::int32_t TStream::ReadInt32() {
    unsigned char b[4];
    ReadBuffer(b, sizeof b);
    const std::uint32_t value =
        static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
        (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    return static_cast<std::int32_t>(value);
}

std::uint16_t TStream::ReadUInt16() {
    unsigned char b[2];
    ReadBuffer(b, sizeof b);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

void TStream::ReadAt(std::int64_t position, void* buffer, std::size_t size) {
    Seek(position);
    ReadBuffer(buffer, size);
}

void TStream::WriteInt32(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 24)};
    WriteBuffer(b, sizeof b);
}

void TStream::WriteUInt16(std::uint16_t value) {
    const unsigned char b[2] = {static_cast<unsigned char>(value),
                                static_cast<unsigned char>(value >> 8)};
    WriteBuffer(b, sizeof b);
}

} // namespace corvane
