#pragma once

#include "mdb/TStream.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane {

// A growable byte buffer as a stream. Writing past the end enlarges the buffer (a gap left by
// a seek beyond the end is filled with zero bytes); reading past the end raises EMdbError.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    // Owns a copy of (or takes over) existing bytes; the position starts at 0.
    explicit TMemoryStream(std::vector<std::uint8_t> bytes);
    // Reads bytes owned by the caller, which must outlive the stream and stay unchanged. The
    // first write copies them into a buffer of the stream's own.
    static TMemoryStream Over(const void* data, std::size_t size);
    TMemoryStream(TMemoryStream&&) = default;
    TMemoryStream& operator=(TMemoryStream&&) = default;
    TMemoryStream(const TMemoryStream&) = delete;
    TMemoryStream& operator=(const TMemoryStream&) = delete;

    void ReadBuffer(void* buffer, std::size_t size) override;
    void WriteBuffer(const void* buffer, std::size_t size) override;
    std::int64_t Position() const override { return static_cast<std::int64_t>(position_); }
    void Seek(std::int64_t position) override;
    std::int64_t Size() const override { return static_cast<std::int64_t>(size_); }

    const std::uint8_t* Data() const { return data_; }
    // A copy of the whole contents.
    std::vector<std::uint8_t> Bytes() const;
    void Clear();

private:
    void MakeOwned();
    void SyncView();

    std::vector<std::uint8_t> buffer_;
    const std::uint8_t* data_ = nullptr; // buffer_.data() or the caller's bytes
    std::size_t size_ = 0;
    std::size_t position_ = 0;
    bool external_ = false;
};

} // namespace corvane
