#pragma once

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace corvane::test {

// A FIFO for tests of readers that must refuse it. Should a reader block on it anyway, a
// helper thread opens the writing end now and then and closes it again, so that the reader
// sees an empty file and the test fails instead of hanging.
class TFifoGuard {
public:
    explicit TFifoGuard(std::string path) : path_(std::move(path)) {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
        if (made_) helper_ = std::thread([this] { Release(); });
    }
    ~TFifoGuard() {
        done_ = true;
        if (helper_.joinable()) helper_.join();
        ::unlink(path_.c_str());
    }
    TFifoGuard(const TFifoGuard&) = delete;
    TFifoGuard& operator=(const TFifoGuard&) = delete;

    bool Made() const { return made_; }
    const std::string& Path() const { return path_; }

private:
    void Release() {
        while (!done_) {
            // Succeeds only while a reader has the FIFO open.
            const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    std::string path_;
    bool made_ = false;
    std::atomic<bool> done_{false};
    std::thread helper_;
};

} // namespace corvane::test
