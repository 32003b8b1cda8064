#pragma once

#include "efficiency/PartLoad.h"
#include "efficiency/TEfficiencyGrade.h"

#include <memory>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdbMw;
class TSeriesPointCache;
struct TErgebnisZeile;

// Grades result rows and builds their part-load curves. Owns a measured-points table and a
// point cache, so grading many rows of the same series reads the data file once.
class TEfficiencyRater {
public:
    explicit TEfficiencyRater(TCatalogue& catalogue);
    ~TEfficiencyRater();
    TEfficiencyRater(const TEfficiencyRater&) = delete;
    TEfficiencyRater& operator=(const TEfficiencyRater&) = delete;

    void SetOptions(const TGradeOptions& options) { options_ = options; }
    const TGradeOptions& Options() const { return options_; }

    // The grade of a row: its series converted to the row's diameter and speed at the
    // requested density; the Fan Energy Index at the row's operating point.
    TEfficiencyGrade Grade(const TErgebnisZeile& row, double density);
    std::vector<TEfficiencyGrade> Grade(const std::vector<TErgebnisZeile>& rows, double density);
    // Only the Fan Energy Index of a row (cheaper than a whole grade).
    TFanEnergyIndex FanEnergyIndexOf(const TErgebnisZeile& row, double density);
    // The row's series at its speed, at the speed halfway to 45 % and at 45 % of it.
    TPartLoadCurves PartLoad(const TErgebnisZeile& row, double density);

    // Fan type of a row's impeller.
    EFanType FanTypeOf(const TErgebnisZeile& row) const;
    // Drops the cached points (after the catalogue read another data file).
    void ForgetPoints();

private:
    // Loads the row's series at `speed`, sorted by flow; false when it does not exist.
    bool Load(const TErgebnisZeile& row, double density, double speed);

    TCatalogue& catalogue_;
    std::unique_ptr<TSeriesPointCache> cache_;
    std::unique_ptr<TMdbMw> mw_;
    TGradeOptions options_;
};

} // namespace corvane
