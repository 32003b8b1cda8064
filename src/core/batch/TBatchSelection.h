#pragma once

#include "batch/DutyFile.h"
#include "efficiency/TEfficiencyGrade.h"
#include "selection/TErgebnisZeile.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace corvane {

class TCatalogue;
class TEfficiencyRater;
class TImpellerSearch;

// The best rows of one duty with their grades.
struct TBatchResult {
    TDuty Duty;
    TAuswahlParam Request; // as the search ran it (DensityNonStd set)
    std::vector<TErgebnisZeile> Rows;
    std::vector<TEfficiencyGrade> Grades; // one per row
};

// Runs the impeller search for one duty after the other and keeps the best rows of each:
// the first ones of the search's order, or those of the highest Fan Energy Index. One search
// object and one rater live across the duties, so each series is read from the data file
// once.
class TBatchSelection {
public:
    explicit TBatchSelection(TCatalogue& catalogue);
    ~TBatchSelection();
    TBatchSelection(const TBatchSelection&) = delete;
    TBatchSelection& operator=(const TBatchSelection&) = delete;

    void SetBest(std::size_t count) { best_ = count; }
    std::size_t Best() const { return best_; }
    void SetOrderByFei(bool byFei) { byFei_ = byFei; }
    void SetGradeOptions(const TGradeOptions& options);

    TBatchResult Select(const TDuty& duty);

private:
    std::unique_ptr<TImpellerSearch> search_;
    std::unique_ptr<TEfficiencyRater> rater_;
    std::size_t best_ = 3;
    bool byFei_ = false;
};

} // namespace corvane
