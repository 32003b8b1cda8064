#include "setup/UninstallStages.h"

#include "setup/TUserFolders.h"
#include "setup/Uninstall.h"
#include "util/Files.h"
#include "util/XdgFolders.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <ostream>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

extern char** environ;

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr int kReadyTimeoutMs = 10000;
// How long the second stage waits for the first one to end before it gives up.
constexpr int kFirstStageTimeoutMs = 60000;

// Closes a descriptor when it goes out of scope.
class TFd {
public:
    explicit TFd(int fd = -1) : m_fd(fd) {}
    ~TFd() { Reset(); }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd = -1) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// Waits until `fd` is readable (data or end of file); false on timeout or error.
bool WaitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    int r;
    do {
        r = ::poll(&p, 1, timeoutMs);
    } while (r < 0 && errno == EINTR);
    return r == 1 && (p.revents & (POLLIN | POLLHUP)) != 0;
}

// A descriptor number passed on the command line: an open pipe end above the standard ones.
int InheritedPipe(const std::string& text) {
    int fd = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), fd);
    if (ec != std::errc() || end != text.data() + text.size() || fd < 3) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISFIFO(st.st_mode)) return -1;
    return fd;
}

// A copy of the program in the temporary folder, executable by its owner; empty on failure.
std::string TemporaryCopy(const std::string& executable) {
    std::string name = (fs::temp_directory_path() / "DelXXXXXX").string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return {};
    ::close(fd);
    if (CopyFile(executable, name) != 0 || ::chmod(name.c_str(), S_IRWXU) != 0) {
        ::unlink(name.c_str());
        return {};
    }
    return name;
}

// The environment of the second stage: a bundle's own libraries stay reachable from the
// temporary copy.
std::vector<std::string> SecondStageEnvironment(const fs::path& folder) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, "LD_LIBRARY_PATH=", 16) != 0) env.emplace_back(*e);
    std::error_code ec;
    std::string libraries = fs::is_directory(folder / "lib", ec) ? (folder / "lib").string() : "";
    if (const char* old = std::getenv("LD_LIBRARY_PATH"); old != nullptr && *old != '\0')
        libraries += (libraries.empty() ? "" : ":") + std::string(old);
    if (!libraries.empty()) env.push_back("LD_LIBRARY_PATH=" + libraries);
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (std::string& s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

} // namespace

int RunUninstallFirstStage(const std::string& executable, std::ostream& out) {
    const fs::path program(executable);
    const std::string folder = program.parent_path().string();
    const std::string name = program.filename().string();
    if (const std::string refusal = UninstallRefusal(folder, name, HomeFolder());
        !refusal.empty()) {
        out << "uninstall refused for " << folder << ": " << refusal << '\n';
        return 1;
    }
    const std::string copy = TemporaryCopy(executable);
    if (copy.empty()) {
        out << "uninstall failed: no temporary copy of the program: " << std::strerror(errno)
            << '\n';
        return 1;
    }
    int ready[2];
    int life[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) {
        ::unlink(copy.c_str());
        out << "uninstall failed: " << std::strerror(errno) << '\n';
        return 1;
    }
    TFd readyRead(ready[0]), readyWrite(ready[1]);
    if (::pipe2(life, O_CLOEXEC) != 0) {
        ::unlink(copy.c_str());
        out << "uninstall failed: " << std::strerror(errno) << '\n';
        return 1;
    }
    TFd lifeRead(life[0]), lifeWrite(life[1]);
    // Only the second stage's ends are passed on; the writing end of the life line stays
    // with this process alone, so its end is the second stage's signal.
    ::fcntl(readyWrite.Get(), F_SETFD, 0);
    ::fcntl(lifeRead.Get(), F_SETFD, 0);

    std::vector<std::string> args{
        copy,   "uninstall", "2", std::to_string(lifeRead.Get()), std::to_string(readyWrite.Get()),
        folder, name};
    std::vector<std::string> env = SecondStageEnvironment(program.parent_path());
    const std::vector<char*> argv = Pointers(args);
    const std::vector<char*> envp = Pointers(env);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, copy.c_str(), nullptr, &attr, argv.data(), envp.data());
    posix_spawnattr_destroy(&attr);
    readyWrite.Reset();
    lifeRead.Reset();
    char signal = 0;
    const bool started = rc == 0 && WaitReadable(readyRead.Get(), kReadyTimeoutMs) &&
                         ::read(readyRead.Get(), &signal, 1) == 1;
    ::unlink(copy.c_str()); // a running copy keeps its file until it ends
    if (!started) {
        out << "uninstall failed: the second stage did not start"
            << (rc != 0 ? std::string(": ") + std::strerror(rc) : std::string()) << '\n';
        return 1;
    }
    out << "uninstalling " << folder << '\n';
    return 0;
}

int RunUninstallSecondStage(const std::vector<std::string>& arguments, std::ostream& out) {
    if (arguments.size() != 4) {
        out << "usage: uninstall 2 <wait-fd> <ready-fd> <folder> <program name>\n";
        return 2;
    }
    const int waitFd = InheritedPipe(arguments[0]);
    const int readyFd = InheritedPipe(arguments[1]);
    if (waitFd < 0 || readyFd < 0 || waitFd == readyFd) {
        out << "uninstall refused: the second stage runs only when started by the first\n";
        return 2;
    }
    TFd wait(waitFd);
    {
        TFd ready(readyFd);
        const char signal = 1;
        if (::write(ready.Get(), &signal, 1) != 1) return 1;
    }
    if (!WaitReadable(wait.Get(), kFirstStageTimeoutMs)) {
        out << "uninstall stopped: the first stage did not end\n";
        return 1;
    }
    const std::string& folder = arguments[2];
    if (const std::string refusal = UninstallRefusal(folder, arguments[3], HomeFolder());
        !refusal.empty()) {
        out << "uninstall refused for " << folder << ": " << refusal << '\n';
        return 1;
    }
    std::vector<std::string> lines;
    const bool removed = RemoveInstallation(folder, TUserFolders::Current(), lines);
    for (const std::string& line : lines)
        out << line << '\n';
    out.flush();
    return removed ? 0 : 1;
}

} // namespace corvane
