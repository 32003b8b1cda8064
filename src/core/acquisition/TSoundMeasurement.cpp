#include "acquisition/TSoundMeasurement.h"

#include "acquisition/AcousticAnalyser.h"
#include "acquisition/MicrophoneLevels.h"
#include "acquisition/TClock.h"
#include "util/Text.h"

#include <utility>

namespace corvane {

TSoundMeasurement::TSoundMeasurement(const TClock& clock) : clock_(clock) {}

void TSoundMeasurement::SetAnalyser(AcousticAnalyser* analyser, std::string projectFile) {
    analyser_ = analyser;
    project_ = std::move(projectFile);
}

void TSoundMeasurement::SetState(int state) {
    state_ = state;
    if (state == Starting || state == Started || state == Running)
        deadline_ = clock_.NowMs() + kDeadlineMs;
}

void TSoundMeasurement::CheckDeadline() {
    if (state_ >= Starting && state_ <= Running && clock_.NowMs() > deadline_) SetState(TimedOut);
}

bool TSoundMeasurement::Step(TMdbMw& table, TMdbRecord* point) {
    if (state_ < Starting || state_ > Running || analyser_ == nullptr) return false;
    try {
        return Advance(table, point);
    } catch (...) {
        return false; // a failing analyser call is retried on the next step
    }
}

bool TSoundMeasurement::Advance(TMdbMw& table, TMdbRecord* point) {
    if (!Trim(project_).empty() && Trim(analyser_->OpenProjectName()) != Trim(project_)) {
        analyser_->OpenProject(project_);
        projectOpened_ = true;
    }
    switch (state_) {
    case Starting:
        if (analyser_->StartMeasurement()) SetState(Started);
        return false;
    case Started:
        if (!analyser_->StartEnabled()) SetState(Running);
        return false;
    default:
        break;
    }
    if (!analyser_->StartEnabled()) return false;
    for (int position = 1; position <= 3; ++position)
        StoreMicrophoneLevels(table, point, position,
                              LevelsOfDisplay(analyser_->ReadDisplay(position)));
    // Levels taken right after the project was opened may stem from the wrong set-up: once
    // more with the project in place.
    if (projectOpened_) {
        projectOpened_ = false;
        SetState(Starting);
    } else {
        SetState(Done);
    }
    return true;
}

} // namespace corvane
