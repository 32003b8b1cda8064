#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdbRecord;

// The impellers and housings of a catalogue by the series that holds their curve, each in
// key order. Writing the data file calibrates every series; with the index each record is
// visited once instead of scanning both tables for every series. Valid while no impeller or
// housing is added, removed or given another series.
class TCalibrationIndex {
public:
    explicit TCalibrationIndex(TCatalogue& catalogue);
    // Calibrates the impellers and housings of one series, as CalibrateSeries does.
    void Calibrate(TCatalogue& catalogue, std::int32_t seriesNo) const;

private:
    struct TRecords {
        std::vector<TMdbRecord*> Impellers;
        std::vector<TMdbRecord*> Housings;
    };
    std::unordered_map<std::int32_t, TRecords> bySeries_;
};

} // namespace corvane
