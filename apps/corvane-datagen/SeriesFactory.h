#pragma once

#include "SeriesPoints.h"

#include <cstdint>

namespace corvane {

class TCatalogue;
class TMdbRecord;
class TRandom;
class TReferenceTables;
struct TFamily;

// Creates the measurement-series records of the demo catalogue: picks the rig, the drive,
// the metering and the sound set-up for a model impeller (with or without its housing) and
// keeps the plan from which the series' points are generated.
class TSeriesFactory {
public:
    TSeriesFactory(TCatalogue& catalogue, TReferenceTables& refs, TRandom& random);

    // A new series of `impeller` (and `housing`, or nullptr for a free-running impeller).
    TSeriesPlan Add(std::int32_t seriesNo, const TFamily& family, const TMdbRecord* impeller,
                    const TMdbRecord* housing);

private:
    // Rig speed and motor for the model; returns the motor's number.
    std::int32_t ChooseDrive(TSeriesPlan& plan, const TFamily& family);

    TCatalogue& catalogue_;
    TReferenceTables& refs_;
    TRandom& random_;
};

} // namespace corvane
