// corvane-rigsim: stands in for the test rig's acquisition program. It writes the exchange
// file the measured-values editor reads, once per period, with the readings of a scripted
// fan, and follows the series and point the editor asks for. It ends cleanly on SIGTERM,
// SIGINT or SIGHUP, on a line "close" on its standard input, when that input is a pipe that
// closes, and when the program that started it ends.

#include "RigSimOptions.h"
#include "TRigSimulator.h"
#include "settings/TIniFile.h"
#include "settings/TInstallationSettings.h"
#include "settings/TSettings.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
}

void InstallSignals() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: a waiting poll returns at once
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    // Never outlive the editor that started us.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
}

// Watches standard input for a close request.
class TInputWatch {
public:
    TInputWatch() {
        struct stat info {};
        watching_ = fstat(STDIN_FILENO, &info) == 0;
        pipe_ = watching_ && S_ISFIFO(info.st_mode);
    }
    // Waits up to `ms`; true when a close request arrived.
    bool Wait(int ms) {
        pollfd fd{STDIN_FILENO, POLLIN, 0};
        const int ready = poll(&fd, watching_ ? 1 : 0, ms);
        if (ready <= 0 || (fd.revents & (POLLIN | POLLHUP)) == 0) return false;
        char chunk[256];
        const ssize_t n = read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) {
            watching_ = false; // end of input: from a pipe it means the editor let go
            return pipe_;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
        for (std::size_t end; (end = buffer_.find('\n')) != std::string::npos;) {
            std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line == "close" || line == "quit" || line == "exit") return true;
        }
        if (buffer_.size() > 4096) buffer_.clear();
        return false;
    }

private:
    bool watching_ = false;
    bool pipe_ = false;
    std::string buffer_;
};

} // namespace

int main(int argc, char** argv) {
    using namespace corvane;
    using Clock = std::chrono::steady_clock;
    // Without a readable settings file the installation defaults apply.
    TIniFile ini;
    if (!ini.Load(SettingsPath()).Ok()) ini = TIniFile();
    TInstallationSettings installation = TInstallationSettings::Defaults();
    installation.Read(ini);
    const TRigSimOptions options =
        TRigSimOptions::Parse(std::vector<std::string>(argv + 1, argv + argc), installation);
    if (options.Help) {
        std::fputs(TRigSimOptions::Usage(), stdout);
        return 0;
    }
    if (!options.Error.empty()) {
        std::fprintf(stderr, "corvane-rigsim: %s\n%s", options.Error.c_str(),
                     TRigSimOptions::Usage());
        return 2;
    }

    InstallSignals();
    std::printf("corvane-rigsim: schreibt %s, liest %s, alle %d ms\n", options.WritePath.c_str(),
                options.ReadPath.c_str(), options.PeriodMs);
    std::fflush(stdout);
    TRigSimulator simulator(options);
    TInputWatch input;
    auto next = Clock::now();
    while (g_stop == 0) {
        const std::string line = simulator.Step();
        if (!line.empty()) {
            std::printf("%s\n", line.c_str());
            std::fflush(stdout);
        }
        next += std::chrono::milliseconds(options.PeriodMs);
        bool closeRequested = false;
        while (g_stop == 0 && !closeRequested) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(next - Clock::now());
            if (left.count() <= 0) break;
            closeRequested = input.Wait(static_cast<int>(left.count()));
        }
        if (closeRequested) break;
    }
    std::printf("corvane-rigsim: beendet\n");
    return 0;
}
