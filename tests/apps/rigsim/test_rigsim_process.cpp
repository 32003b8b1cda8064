// corvane-rigsim as a process: it writes the exchange file for the editor while another
// process reads it, and it ends cleanly on SIGTERM, on a close request and when its input
// pipe closes.

#include "../../core/acquisition/AcquisitionTestSupport.h"
#include "acquisition/TTdwFile.h"
#include "util/ProgramFolder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace corvane {
namespace {

std::string RigSimPath() {
    const char* dir = std::getenv("CORVANE_PROGRAM_DIR");
    return (dir ? std::string(dir) : ExecutableFolder() + "/../bin") + "/corvane-rigsim";
}

// The simulator started with a pipe on its standard input.
class TRigSimProcess {
public:
    explicit TRigSimProcess(const std::vector<std::string>& args) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[0], STDIN_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[1]);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<std::string> all{RigSimPath()};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, all[0].c_str(), &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[0]);
        input_ = fds[1];
    }
    ~TRigSimProcess() {
        CloseInput();
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool Started() const { return pid_ > 0; }
    void Send(const std::string& text) { (void)!::write(input_, text.data(), text.size()); }
    void CloseInput() {
        if (input_ >= 0) ::close(input_);
        input_ = -1;
    }
    void Signal(int signal) { ::kill(pid_, signal); }
    // Exit code after the process ended within two seconds, else -1.
    int WaitForExit() {
        for (int i = 0; i < 200; ++i) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int input_ = -1;
};

class RigSimProcess : public ::testing::Test {
protected:
    std::vector<std::string> Args() const {
        // The folder of the file it writes does not exist yet.
        return {"--write", dir.File("run/in.tdw"), "--read", dir.File("out.tdw"), "--period", "20"};
    }
    // Plays the editor: asks for point `point` of series 5 until the simulator reports it.
    bool SeesPoint(int point) {
        TTdwFile editorOut(16);
        editorOut.OpenForWrite(dir.File("out.tdw"));
        editorOut.SetValue(1, 5);
        editorOut.SetValue(2, point);
        editorOut.SetValue(9, 315);
        TTdwFile editorIn;
        editorIn.OpenForRead(dir.File("run/in.tdw"));
        for (int i = 0; i < 300; ++i) {
            editorOut.Exchange();
            if (editorIn.Exchange() == TTdwFile::kNewData && editorIn.Value(1) == 5 &&
                editorIn.Value(2) == point && editorIn.Value(10) > 0) // a measured speed
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    test::TTempFolder dir;
};

TEST_F(RigSimProcess, WritesForTheEditorAndEndsOnSigterm) {
    TRigSimProcess rig(Args());
    ASSERT_TRUE(rig.Started());
    EXPECT_TRUE(SeesPoint(3));
    rig.Signal(SIGTERM);
    EXPECT_EQ(rig.WaitForExit(), 0);
}

TEST_F(RigSimProcess, EndsOnACloseRequestAndWhenItsInputCloses) {
    TRigSimProcess asked(Args());
    ASSERT_TRUE(asked.Started());
    EXPECT_TRUE(SeesPoint(1));
    asked.Send("hello\nclo");
    asked.Send("se\n");
    EXPECT_EQ(asked.WaitForExit(), 0);

    TRigSimProcess orphaned(Args());
    ASSERT_TRUE(orphaned.Started());
    orphaned.CloseInput();
    EXPECT_EQ(orphaned.WaitForExit(), 0);
}

TEST_F(RigSimProcess, RefusesABadCommandLine) {
    TRigSimProcess bad({"--period", "nonsense"});
    ASSERT_TRUE(bad.Started());
    EXPECT_EQ(bad.WaitForExit(), 2);
}

} // namespace
} // namespace corvane
