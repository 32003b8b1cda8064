#include "util/TAtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace fs = std::filesystem;

namespace {

// Permissions of a new file: 0666 less the process's umask (read without changing it for
// good; the umask is process-wide and only briefly swapped).
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string QuotedReason(const std::string& path, int error) {
    return "\"" + path + "\": " + std::strerror(error);
}

} // namespace

TAtomicFile::TAtomicFile(const std::string& path, bool createFolders) {
    if (path.empty()) {
        error_ = "Cannot write a file without a name";
        return;
    }
    std::error_code ec;
    fs::path target(path);
    // Write through a symbolic link to the file it names instead of replacing the link.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    target_ = target.string();
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (createFolders) fs::create_directories(folder, ec);

    temporary_ = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    descriptor_ = ::mkstemp(temporary_.data());
    if (descriptor_ < 0) {
        const int error = errno;
        error_ = "Cannot create a temporary file in " + QuotedReason(folder.string(), error);
        temporary_.clear();
        return;
    }
    ::fcntl(descriptor_, F_SETFD, FD_CLOEXEC);
    struct stat info {};
    const mode_t mode = ::stat(target_.c_str(), &info) == 0 && S_ISREG(info.st_mode)
                            ? info.st_mode & 07777
                            : NewFileMode();
    ::fchmod(descriptor_, mode);
}

TAtomicFile::~TAtomicFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
}

TOutcome TAtomicFile::Fail(const char* action, int error) {
    return TOutcome::Failure(std::string("Cannot ") + action + " file " +
                             QuotedReason(target_, error));
}

TOutcome TAtomicFile::Write(std::string_view bytes) {
    if (!Ready()) return TOutcome::Failure(error_);
    if (descriptor_ < 0) return TOutcome::Failure("Cannot write file \"" + target_ + "\" twice");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(descriptor_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail("write", errno);
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

int TAtomicFile::ReleaseDescriptor() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return descriptor;
}

TOutcome TAtomicFile::Commit() {
    if (!Ready()) return TOutcome::Failure(error_);
    if (committed_) return {};
    if (descriptor_ >= 0) {
        const bool synced = ::fsync(descriptor_) == 0;
        const int syncError = errno;
        const bool closed = ::close(descriptor_) == 0;
        const int closeError = errno;
        descriptor_ = -1;
        if (!synced) return Fail("write", syncError);
        if (!closed) return Fail("write", closeError);
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail("replace", errno);
    committed_ = true;
    return {};
}

TOutcome WriteFileAtomically(const std::string& path, std::string_view bytes, bool createFolders) {
    TAtomicFile file(path, createFolders);
    if (!file.Ready()) return TOutcome::Failure(file.Error());
    if (TOutcome written = file.Write(bytes); !written) return written;
    return file.Commit();
}

} // namespace corvane
