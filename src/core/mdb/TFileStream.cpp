#include "mdb/TFileStream.h"

#include "mdb/EMdbError.h"
#include "util/RegularFile.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

// The system's text for `error`; safe from any thread (series blocks are read ahead).
std::string Reason(int error) {
    std::array<char, 256> text{};
    return ::strerror_r(error, text.data(), text.size());
}

} // namespace

TFileStream::TFileStream(const std::string& path, TMode mode) : path_(path), mode_(mode) {
    if (mode == TMode::Read) {
        // Only a regular file: a FIFO or a device would block the open or the reads for good.
        std::string reason;
        const int descriptor = OpenRegularFile(path, reason);
        if (descriptor < 0) throw EMdbError("Cannot open file \"" + path + "\": " + reason);
        file_.reset(::fdopen(descriptor, "rb"));
        if (!file_) {
            const int error = errno;
            ::close(descriptor);
            errno = error;
            Fail("open");
        }
        readSize_ = Size();
        return;
    }
    file_.reset(std::fopen(path.c_str(), "w+b"));
    if (!file_) Fail("open");
}

TFileStream::TFileStream(int descriptor, const std::string& path, TMode mode)
    : path_(path), mode_(mode) {
    file_.reset(::fdopen(descriptor, mode == TMode::Read ? "rb" : "w+b"));
    if (!file_) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        Fail("open");
    }
    if (mode_ == TMode::Read) readSize_ = Size();
}

TFileStream::~TFileStream() = default;

std::FILE* TFileStream::Handle() const {
    if (!file_) throw EMdbError("Cannot use file \"" + path_ + "\": it has been closed");
    return file_.get();
}

void TFileStream::Fail(const char* action) const {
    const int error = errno;
    std::string message = std::string("Cannot ") + action + " file \"" + path_ + "\"";
    if (error != 0) message += ": " + Reason(error);
    throw EMdbError(message);
}

void TFileStream::ReadBuffer(void* buffer, std::size_t size) {
    if (size == 0) return;
    std::FILE* file = Handle();
    errno = 0;
    if (std::fread(buffer, 1, size, file) == size) return;
    if (std::ferror(file)) {
        std::clearerr(file);
        Fail("read");
    }
    std::clearerr(file);
    throw EMdbError("Unexpected end of file \"" + path_ + "\"");
}

void TFileStream::ReadAt(std::int64_t position, void* buffer, std::size_t size) {
    // Written data may still sit in the stdio buffer: a file being written seeks and reads.
    if (mode_ != TMode::Read) {
        TStream::ReadAt(position, buffer, size);
        return;
    }
    if (position < 0) throw EMdbError("Cannot seek before the start of file \"" + path_ + "\"");
    const int descriptor = ::fileno(Handle());
    auto* bytes = static_cast<unsigned char*>(buffer);
    while (size > 0) {
        errno = 0;
        const ssize_t count = ::pread(descriptor, bytes, size, static_cast<off_t>(position));
        if (count < 0) {
            if (errno == EINTR) continue;
            Fail("read");
        }
        if (count == 0) throw EMdbError("Unexpected end of file \"" + path_ + "\"");
        bytes += count;
        size -= static_cast<std::size_t>(count);
        position += count;
    }
}

void TFileStream::WriteBuffer(const void* buffer, std::size_t size) {
    if (size == 0) return;
    if (mode_ == TMode::Read)
        throw EMdbError("Cannot write file \"" + path_ + "\": it is open for reading only");
    errno = 0;
    if (std::fwrite(buffer, 1, size, Handle()) != size) Fail("write");
}

std::int64_t TFileStream::Position() const {
    errno = 0;
    const off_t position = ::ftello(Handle());
    if (position < 0) Fail("read the position of");
    return position;
}

void TFileStream::Seek(std::int64_t position) {
    if (position < 0) throw EMdbError("Cannot seek before the start of file \"" + path_ + "\"");
    errno = 0;
    if (::fseeko(Handle(), static_cast<off_t>(position), SEEK_SET) != 0) Fail("seek in");
}

std::int64_t TFileStream::Size() const {
    if (mode_ == TMode::Read && readSize_ > 0) return readSize_;
    std::FILE* file = Handle();
    errno = 0;
    // Written data may still sit in the stdio buffer.
    if (mode_ != TMode::Read && std::fflush(file) != 0) Fail("write");
    struct stat info {};
    if (::fstat(::fileno(file), &info) != 0) Fail("query the size of");
    return info.st_size;
}

void TFileStream::Flush() {
    std::FILE* file = Handle();
    errno = 0;
    if (std::fflush(file) != 0) Fail("write");
    if (mode_ != TMode::Read && ::fsync(::fileno(file)) != 0) Fail("write");
}

void TFileStream::Close() {
    if (!file_) return;
    errno = 0;
    const int result = std::fclose(file_.release());
    if (result != 0) Fail("close");
}

} // namespace corvane
