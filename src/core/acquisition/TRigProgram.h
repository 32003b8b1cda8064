#pragma once

namespace corvane {

struct TRigCommand;

// The running acquisition program of the test rig, as the editor sees it. The window layer
// starts and ends it as a child process; tests use a recording stand-in.
class TRigProgram {
public:
    virtual ~TRigProgram() = default;
    // Starts the program (a running one is closed first).
    virtual void Start(const TRigCommand& command) = 0;
    // Asks the program to close and makes sure it has ended.
    virtual void Close() = 0;
    // Brings the program's window (or output) to the front.
    virtual void Show() = 0;
    virtual bool IsRunning() const = 0;
};

} // namespace corvane
