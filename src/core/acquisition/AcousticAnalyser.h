#pragma once

#include <string>
#include <vector>

namespace corvane {

// What one sound display of the analyser reports for a microphone position: the cursor
// reading "Acoustic Levels" as text (the unweighted level after "L:", the A-weighted one
// after "A:") and the function data, squared sound pressures (Pa²) over frequencies (Hz).
struct TAnalyserDisplay {
    std::string CursorReading;
    bool AcceptedInMultibuffer = false;
    std::vector<double> Frequencies;
    std::vector<double> Values;
};

// The acoustic analyser that takes the sound levels of a point, in the steps of the sound
// measurement: make sure the configured project is open, start a measurement, watch it run
// and finish, read the displays of the three microphone positions. Errors of a driver may be
// thrown as exceptions; the sound measurement treats them as "no progress".
class AcousticAnalyser {
public:
    virtual ~AcousticAnalyser() = default;

    // Brings the analyser up (visible) and answers the full name of its open project.
    virtual std::string OpenProjectName() = 0;
    virtual void OpenProject(const std::string& projectFile) = 0;
    // Activates the measurement template "Working", stops a running measurement and starts a
    // new one; true when the start succeeded.
    virtual bool StartMeasurement() = 0;
    // The measurement organiser allows a start, that is no measurement is running.
    virtual bool StartEnabled() = 0;
    // The display of microphone position 1..3 in the display group "Schall".
    virtual TAnalyserDisplay ReadDisplay(int position) = 0;
};

} // namespace corvane
