#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// A seekable byte stream: the data file on disk or a buffer in memory. Short reads and
// input/output errors raise EMdbError.
class TStream {
public:
    virtual ~TStream() = default;
    // Reads exactly `size` bytes or raises.
    virtual void ReadBuffer(void* buffer, std::size_t size) = 0;
    virtual void WriteBuffer(const void* buffer, std::size_t size) = 0;
    virtual std::int64_t Position() const = 0;
    virtual void Seek(std::int64_t position) = 0;
    virtual std::int64_t Size() const = 0;
    // Reads exactly `size` bytes starting at `position` or raises. The position afterwards is
    // unspecified: the base seeks and reads, a file reads without seeking.
    virtual void ReadAt(std::int64_t position, void* buffer, std::size_t size);
    // Whether ReadAt may be called from another thread while the owner goes on using the
    // stream (reads only). The base seeks, so it may not.
    virtual bool ReadsConcurrently() const { return false; }

    std::int32_t ReadInt32();
    std::uint16_t ReadUInt16();
    void WriteInt32(std::int32_t value);
    void WriteUInt16(std::uint16_t value);
};

} // namespace corvane
