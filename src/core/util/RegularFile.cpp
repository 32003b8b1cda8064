#include "util/RegularFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

int OpenRegularFile(const std::string& path, std::string& reason) {
    // Without O_NONBLOCK opening a FIFO waits for a writer; the flag is cleared again below.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        reason = std::strerror(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) {
        reason = std::strerror(errno);
        ::close(descriptor);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
        ::close(descriptor);
        return -1;
    }
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        reason = std::strerror(errno);
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

TOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    const auto failed = [&path, &bytes](const std::string& reason) {
        bytes.clear();
        return TOutcome::Failure("Cannot read file \"" + path + "\": " + reason);
    };
    std::string reason;
    const int descriptor = OpenRegularFile(path, reason);
    if (descriptor < 0) return failed(reason);
    const auto tooLarge = [&] {
        return failed("larger than " + std::to_string(maxBytes) + " bytes");
    };
    struct stat info {};
    if (::fstat(descriptor, &info) == 0 && static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        ::close(descriptor);
        return tooLarge();
    }
    // The size may change while the file is read: the limit holds for what is read.
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(descriptor, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(descriptor);
            return failed(std::strerror(error));
        }
        if (n == 0) break;
        if (static_cast<std::size_t>(n) > maxBytes - bytes.size()) {
            ::close(descriptor);
            return tooLarge();
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(descriptor);
    return {};
}

} // namespace corvane
