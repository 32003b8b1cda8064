#pragma once

#include <cstdint>
#include <string>

namespace corvane {

class AcousticAnalyser;
class TClock;
class TMdbMw;
class TMdbRecord;

// The sound measurement of a point taken with the three-microphone instrument:
//   0 idle -> 1 starting -> 2 started -> 3 running -> 4 levels read (the point may be
//   accepted), or back to 1 when the analyser's project had to be opened first;
//   1, 2, 3 -> 5 when a state lasts longer than a minute; 5 -> 1 (repeat) or 4 (no sound).
// Entering 1, 2 or 3 sets the deadline to one minute ahead.
class TSoundMeasurement {
public:
    enum TState { Idle = 0, Starting = 1, Started = 2, Running = 3, Done = 4, TimedOut = 5 };
    static constexpr std::int64_t kDeadlineMs = 60000;

    explicit TSoundMeasurement(const TClock& clock);

    // The analyser (not owned, may be null: then the measurement times out) and the project
    // it must have open.
    void SetAnalyser(AcousticAnalyser* analyser, std::string projectFile);

    int State() const { return state_; }
    std::int64_t Deadline() const { return deadline_; }
    bool ProjectOpened() const { return projectOpened_; }

    void Reset() { SetState(Idle); }
    // 0 -> 1 (a complete point asks for its sound) and 5 -> 1 ("wiederholen").
    void Start() { SetState(Starting); }
    // "keine Schallmessung": the point is accepted without sound.
    void Skip() { SetState(Done); }
    // 1, 2, 3 -> 5 once the deadline has passed.
    void CheckDeadline();
    // One step while the state is 1, 2 or 3; returns true when levels were stored into the
    // point. Analyser errors make no progress.
    bool Step(TMdbMw& table, TMdbRecord* point);

private:
    void SetState(int state);
    bool Advance(TMdbMw& table, TMdbRecord* point);

    const TClock& clock_;
    AcousticAnalyser* analyser_ = nullptr;
    std::string project_;
    int state_ = Idle;
    std::int64_t deadline_ = 0;
    bool projectOpened_ = false;
};

} // namespace corvane
