#include "acquisition/TTdwFile.h"

#include "acquisition/Real48.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

constexpr std::size_t kCountOffset = 4;
constexpr std::size_t kValuesOffset = 6;
constexpr std::size_t kSequenceCopyOffset = 774;
constexpr std::size_t kDescriptorsOffset = 778;
constexpr std::size_t kDescriptorSize = 30;
constexpr std::size_t kRealSize = 6;

std::int32_t GetInt32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
                                     std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24);
}

void PutInt32(std::uint8_t* p, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A length-prefixed text of at most `capacity` characters.
std::string GetShortString(const std::uint8_t* p, std::size_t capacity) {
    const std::size_t length = std::min<std::size_t>(p[0], capacity);
    return std::string(reinterpret_cast<const char*>(p + 1), length);
}

void PutShortString(std::uint8_t* p, const std::string& text, std::size_t capacity) {
    const std::size_t length = std::min(text.size(), capacity);
    std::memset(p, 0, capacity + 1);
    p[0] = static_cast<std::uint8_t>(length);
    std::memcpy(p + 1, text.data(), length);
}

// Reads up to `size` bytes at offset 0, retrying interrupted and partial reads.
ssize_t ReadAtStart(int fd, std::uint8_t* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, buffer + done, size - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

} // namespace

TTdwFile::TTdwFile(int channelCount)
    : channelCount_(std::clamp(channelCount, 0, kMaxChannels)), buffer_(kFullSize, 0) {}

TTdwFile::~TTdwFile() {
    Close();
}

void TTdwFile::OpenForRead(const std::string& path) {
    Close();
    path_ = path;
    writer_ = false;
}

void TTdwFile::OpenForWrite(const std::string& path) {
    Close();
    path_ = path;
    writer_ = true;
}

void TTdwFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    fullDue_ = true;
    seenAny_ = false;
}

bool TTdwFile::OpenFile() {
    if (fd_ >= 0) return true;
    if (path_.empty()) return false;
    fd_ = writer_ ? ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)
                  : ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    fullDue_ = true;
    return fd_ >= 0;
}

bool TTdwFile::FileReplaced() const {
    struct stat atPath {};
    struct stat held {};
    if (::stat(path_.c_str(), &atPath) != 0 || ::fstat(fd_, &held) != 0) return true;
    return atPath.st_dev != held.st_dev || atPath.st_ino != held.st_ino;
}

int TTdwFile::Exchange() {
    return writer_ ? Write() : Read();
}

int TTdwFile::Read() {
    // A writer that deletes or replaces its file is followed to the new one.
    if (fd_ >= 0 && FileReplaced()) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!OpenFile()) return kReadError;
    if (::lseek(fd_, 0, SEEK_SET) != 0) return kSeekError;

    // A full record is asked for; a file holding only the short form still carries values.
    const std::size_t wanted = fullDue_ ? kFullSize : kShortSize;
    const ssize_t got = ReadAtStart(fd_, buffer_.data(), wanted);
    if (got < static_cast<ssize_t>(kShortSize)) return kReadError;

    const std::int32_t sequence = GetInt32(buffer_.data());
    if (sequence != GetInt32(buffer_.data() + kSequenceCopyOffset)) return kTorn;
    // Reads and writes of a file are not atomic against each other: a write that overtakes
    // the read and is overtaken again leaves both sequence fields old around new values.
    // A second read that gives the same bytes shows that no write ran across the first.
    std::vector<std::uint8_t> again(static_cast<std::size_t>(got));
    if (::lseek(fd_, 0, SEEK_SET) != 0) return kSeekError;
    if (ReadAtStart(fd_, again.data(), again.size()) != got ||
        std::memcmp(again.data(), buffer_.data(), again.size()) != 0)
        return kTorn;

    int result = kNothing;
    const bool wasFull = fullDue_;
    if (!seenAny_) {
        // The first record after opening is the starting point.
        fullDue_ = false;
    } else if (sequence > sequence_) {
        result = kNewData;
        fullDue_ = false;
    } else if (sequence < sequence_) {
        fullDue_ = true; // the writer restarted
    }
    seenAny_ = true;
    sequence_ = sequence;

    const auto count =
        static_cast<std::int16_t>(buffer_[kCountOffset] | buffer_[kCountOffset + 1] << 8);
    channelCount_ = std::clamp<int>(count, 0, kMaxChannels);
    for (std::size_t i = 0; i < kMaxChannels; ++i)
        values_[i] = Real48ToDouble(buffer_.data() + kValuesOffset + i * kRealSize);
    if (wasFull && got >= static_cast<ssize_t>(kFullSize)) DecodeDescriptors();
    return result;
}

int TTdwFile::Write() {
    const bool opened = fd_ < 0;
    if (!OpenFile()) return kNothing;
    sequence_ = opened ? 0 : sequence_ + 1;
    PutInt32(buffer_.data(), sequence_);
    PutInt32(buffer_.data() + kSequenceCopyOffset, sequence_);
    buffer_[kCountOffset] = static_cast<std::uint8_t>(channelCount_);
    buffer_[kCountOffset + 1] = static_cast<std::uint8_t>(channelCount_ >> 8);
    EncodeValues();
    std::size_t size = kShortSize;
    if (fullDue_) {
        for (std::size_t i = 0; i < kMaxChannels; ++i) {
            std::uint8_t* d = buffer_.data() + kDescriptorsOffset + i * kDescriptorSize;
            PutShortString(d, names_[i], kNameLength);
            PutShortString(d + kNameLength + 1, units_[i], kUnitLength);
        }
        size = kFullSize;
    }
    // One write call per record, so that a reader sees either sequence field change with it.
    const ssize_t written = ::pwrite(fd_, buffer_.data(), size, 0);
    if (written != static_cast<ssize_t>(size)) {
        Close(); // the next write starts over with a full record
        return kNothing;
    }
    fullDue_ = false;
    return kNewData;
}

void TTdwFile::EncodeValues() {
    for (std::size_t i = 0; i < kMaxChannels; ++i) {
        const TReal48 r = DoubleToReal48(values_[i]);
        std::memcpy(buffer_.data() + kValuesOffset + i * kRealSize, r.data(), kRealSize);
    }
}

void TTdwFile::DecodeDescriptors() {
    for (std::size_t i = 0; i < kMaxChannels; ++i) {
        const std::uint8_t* d = buffer_.data() + kDescriptorsOffset + i * kDescriptorSize;
        names_[i] = GetShortString(d, kNameLength);
        units_[i] = GetShortString(d + kNameLength + 1, kUnitLength);
    }
}

double TTdwFile::Value(int channel) const {
    if (channel < 1 || channel > channelCount_) return 0.0;
    return values_[static_cast<std::size_t>(channel - 1)];
}

void TTdwFile::SetValue(int channel, double value) {
    if (channel < 1 || channel > channelCount_) return;
    values_[static_cast<std::size_t>(channel - 1)] = value;
}

void TTdwFile::SetChannelName(int channel, const std::string& name, const std::string& unit) {
    if (channel < 1 || channel > kMaxChannels) return;
    names_[static_cast<std::size_t>(channel - 1)] = name.substr(0, kNameLength);
    units_[static_cast<std::size_t>(channel - 1)] = unit.substr(0, kUnitLength);
}

std::string TTdwFile::ChannelName(int channel) const {
    if (channel < 1 || channel > kMaxChannels) return {};
    return names_[static_cast<std::size_t>(channel - 1)];
}

std::string TTdwFile::ChannelUnit(int channel) const {
    if (channel < 1 || channel > kMaxChannels) return {};
    return units_[static_cast<std::size_t>(channel - 1)];
}

} // namespace corvane
