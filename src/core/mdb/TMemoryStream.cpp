#include "mdb/TMemoryStream.h"

#include "mdb/EMdbError.h"

#include <algorithm>
#include <cstring>

namespace corvane {

TMemoryStream::TMemoryStream(std::vector<std::uint8_t> bytes) : buffer_(std::move(bytes)) {
    SyncView();
}

TMemoryStream TMemoryStream::Over(const void* data, std::size_t size) {
    TMemoryStream stream;
    stream.data_ = static_cast<const std::uint8_t*>(data);
    stream.size_ = size;
    stream.external_ = true;
    return stream;
}

void TMemoryStream::SyncView() {
    data_ = buffer_.data();
    size_ = buffer_.size();
}

void TMemoryStream::MakeOwned() {
    if (!external_) return;
    buffer_.assign(data_, data_ + size_);
    external_ = false;
    SyncView();
}

void TMemoryStream::ReadBuffer(void* buffer, std::size_t size) {
    if (size == 0) return;
    if (position_ > size_ || size > size_ - position_)
        throw EMdbError("Unexpected end of stream data");
    std::memcpy(buffer, data_ + position_, size);
    position_ += size;
}

void TMemoryStream::WriteBuffer(const void* buffer, std::size_t size) {
    if (size == 0) return;
    MakeOwned();
    const std::size_t end = position_ + size;
    if (end > buffer_.size()) {
        // Grow geometrically so that many small writes stay linear overall.
        if (end > buffer_.capacity()) buffer_.reserve(std::max(end, buffer_.capacity() * 2));
        buffer_.resize(end);
    }
    std::memcpy(buffer_.data() + position_, buffer, size);
    position_ = end;
    SyncView();
}

void TMemoryStream::Seek(std::int64_t position) {
    if (position < 0) throw EMdbError("Cannot seek before the start of stream data");
    position_ = static_cast<std::size_t>(position);
}

std::vector<std::uint8_t> TMemoryStream::Bytes() const {
    return std::vector<std::uint8_t>(data_, data_ + size_);
}

void TMemoryStream::Clear() {
    buffer_.clear();
    external_ = false;
    position_ = 0;
    SyncView();
}

} // namespace corvane
