#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdbMw;
class TMdbRecord;

// The impellers and housings of a catalogue by the series that holds their curve, each in
// key order. Writing the data file calibrates every series; with the index each record is
// visited once instead of scanning both tables for every series. Valid while no impeller or
// housing is added, removed or given another series.
class TCalibrationIndex {
public:
    explicit TCalibrationIndex(TCatalogue& catalogue);
    ~TCalibrationIndex();
    TCalibrationIndex(TCalibrationIndex&&) noexcept;
    TCalibrationIndex& operator=(TCalibrationIndex&&) noexcept;
    // Calibrates the impellers and housings of one series, as CalibrateSeries does, reading
    // the points into a measured-points table kept for all series.
    void Calibrate(TCatalogue& catalogue, std::int32_t seriesNo);

private:
    struct TRecords {
        std::vector<TMdbRecord*> Impellers;
        std::vector<TMdbRecord*> Housings;
    };
    std::unordered_map<std::int32_t, TRecords> bySeries_;
    std::unique_ptr<TMdbMw> table_; // of the catalogue calibrated last
    TCatalogue* tableCatalogue_ = nullptr;
};

} // namespace corvane
