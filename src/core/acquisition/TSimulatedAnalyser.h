#pragma once

#include "acquisition/AcousticAnalyser.h"

#include <cstdint>
#include <string>

namespace corvane {

class TClock;

// Stand-in for the acoustic analyser: a measurement runs for a configurable time and then
// yields plausible fan noise for the three microphone positions: a broadband spectrum that
// falls towards high frequencies, a tone near 250 Hz, a few dB between the positions and a
// little scatter from one measurement to the next.
class TSimulatedAnalyser : public AcousticAnalyser {
public:
    // `durationMs`: how long one measurement runs.
    TSimulatedAnalyser(const TClock& clock, std::int64_t durationMs, double overallLevel = 80);

    std::string OpenProjectName() override { return project_; }
    void OpenProject(const std::string& projectFile) override { project_ = projectFile; }
    bool StartMeasurement() override;
    bool StartEnabled() override;
    TAnalyserDisplay ReadDisplay(int position) override;

    int MeasurementCount() const { return measurements_; }

private:
    const TClock& clock_;
    std::int64_t durationMs_;
    double overallLevel_;
    std::string project_;
    bool running_ = false;
    bool seenRunning_ = false;
    std::int64_t startedMs_ = 0;
    int measurements_ = 0;
};

} // namespace corvane
