#pragma once

#include "util/Outcome.h"

#include <string>
#include <string_view>

namespace corvane {

// Replaces a file so that readers see either its old or its complete new content: the new
// content goes to a temporary file in the target's folder, which is flushed to the disk and
// then renamed over the target. The new file keeps the permissions of the file it replaces
// (a new file gets the usual ones, 0666 less the umask); a symbolic link is written through,
// so the file it names is replaced and the link stays. Without Commit the temporary file is
// removed again and the target is untouched. Failures carry the file name and the system's
// reason.
class TAtomicFile {
public:
    // Creates the temporary file; with `createFolders` missing folders of the target are made
    // first. Check Ready() before writing.
    explicit TAtomicFile(const std::string& path, bool createFolders = false);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Whether the temporary file was created (else Error() says why).
    bool Ready() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    // The file that will be replaced (a link resolved) and the temporary file.
    const std::string& TargetPath() const { return target_; }
    const std::string& TemporaryPath() const { return temporary_; }

    // Appends bytes to the temporary file.
    TOutcome Write(std::string_view bytes);
    // Hands the open temporary file over to another writer, which then closes it; Commit
    // afterwards only renames. -1 when the file is not ready or was handed over before.
    int ReleaseDescriptor();
    // Flushes and closes the temporary file (unless it was handed over) and renames it over
    // the target.
    TOutcome Commit();

private:
    TOutcome Fail(const char* action, int error);

    std::string target_;
    std::string temporary_;
    int descriptor_ = -1;
    bool committed_ = false;
    std::string error_;
};

// Writes `bytes` as the new content of `path` through a TAtomicFile.
TOutcome WriteFileAtomically(const std::string& path, std::string_view bytes,
                             bool createFolders = false);

} // namespace corvane
