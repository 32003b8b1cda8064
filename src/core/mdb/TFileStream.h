#pragma once

#include "mdb/TStream.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace corvane {

// A file on disk as a stream. The file stays open for the lifetime of the object and is
// closed by the destructor. Failures to open, short reads and input/output errors raise
// EMdbError naming the file and the system's reason.
class TFileStream : public TStream {
public:
    enum class TMode {
        Read,   // an existing file, read only
        Create, // created or truncated, write and read
    };

    TFileStream(const std::string& path, TMode mode);
    // Takes over an open descriptor (for instance from mkstemp); `path` names it in messages.
    TFileStream(int descriptor, const std::string& path, TMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    void ReadBuffer(void* buffer, std::size_t size) override;
    void WriteBuffer(const void* buffer, std::size_t size) override;
    std::int64_t Position() const override;
    void Seek(std::int64_t position) override;
    std::int64_t Size() const override;
    // A file opened for reading: positioned reads (pread), no seek, the position stays.
    void ReadAt(std::int64_t position, void* buffer, std::size_t size) override;
    // A file opened for reading: positioned reads leave the stream's own position alone.
    bool ReadsConcurrently() const override { return mode_ == TMode::Read; }

    // Writes buffered data through to the disk (fflush and fsync); raises on failure.
    void Flush();
    // Closes the file and reports a failure of the final write-back; further use raises.
    void Close();
    const std::string& Path() const { return path_; }

private:
    struct TCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::FILE* Handle() const;
    [[noreturn]] void Fail(const char* action) const;

    std::unique_ptr<std::FILE, TCloser> file_;
    std::string path_;
    TMode mode_;
    std::int64_t readSize_ = 0; // size of a file opened for reading, fixed while it is open
};

} // namespace corvane
