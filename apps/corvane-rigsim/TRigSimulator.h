#pragma once

#include "Random.h"
#include "RigSimOptions.h"
#include "TRigScript.h"
#include "acquisition/TTdwFile.h"
#include "measurements/TMdbMw.h"

#include <memory>
#include <string>

namespace corvane {

// The acquisition program's side of the exchange, one period per Step: it reads the
// editor's file (series, open point number, acknowledgement, series values) and writes its
// own with the readings of the scripted fan. Each point settles for a few periods (channel 3
// = 0), then is reported complete (channel 3 = 1) until the editor has acknowledged it and a
// few periods more; then the rig throttles to the next point. That point starts settling only
// when the editor has withdrawn its acknowledgement, which it does on reading channel 3 = 0:
// with a period shorter than the editor's tick no point is skipped. After the last point it
// goes on reporting, never complete again.
class TRigSimulator {
public:
    static constexpr int kChannels = 89;

    explicit TRigSimulator(const TRigSimOptions& options);

    // One period; returns a line for the log when something happened, else "".
    std::string Step();

    int CompletedPoints() const { return completed_; }
    std::int32_t SeriesNo() const { return series_.SeriesNo; }

private:
    std::string Follow(const TRigSeries& series);
    void WriteReadings(bool settled);

    TRigSimOptions options_;
    TTdwFile writer_{kChannels};
    TTdwFile reader_;
    bool readerValid_ = false;
    TRigSeries series_;
    std::unique_ptr<TRigScript> script_;
    TMdbMw table_;
    TMdbRecord* point_;
    TRandom random_{20240611};
    int index_ = 0;                // point of the script being measured
    int ticks_ = 0;                // periods spent on it
    int heldAfterAck_ = 0;         // complete periods since the editor acknowledged
    bool awaitingRelease_ = false; // the previous point's acknowledgement is still set
    int completed_ = 0;
};

} // namespace corvane
