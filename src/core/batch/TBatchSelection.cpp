#include "batch/TBatchSelection.h"

#include "efficiency/GradeFields.h"
#include "efficiency/TEfficiencyRater.h"
#include "selection/TImpellerSearch.h"

#include <algorithm>

namespace corvane {

TBatchSelection::TBatchSelection(TCatalogue& catalogue)
    : search_(std::make_unique<TImpellerSearch>(catalogue)),
      rater_(std::make_unique<TEfficiencyRater>(catalogue)) {
    // A batch reports per duty, not through the window's progress slot.
    search_->SetProgressCallback([](double) {});
}

TBatchSelection::~TBatchSelection() = default;

void TBatchSelection::SetGradeOptions(const TGradeOptions& options) {
    rater_->SetOptions(options);
}

TBatchResult TBatchSelection::Select(const TDuty& duty) {
    TBatchResult result;
    result.Duty = duty;
    search_->Run(duty.Request);
    result.Request = search_->Request();
    const std::vector<TErgebnisZeile>& rows = search_->Rows();
    const double density = result.Request.RequestedDensity;
    if (!byFei_) {
        result.Rows.assign(
            rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(std::min(best_, rows.size())));
        result.Grades = rater_->Grade(result.Rows, density);
        return result;
    }
    // By index: the index of every row, then the grades of the best ones in index order.
    std::vector<TEfficiencyGrade> indexes(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        indexes[i].Fei = rater_->FanEnergyIndexOf(rows[i], density);
    const std::vector<std::size_t> order = OrderByFei(indexes);
    for (std::size_t i = 0; i < order.size() && i < best_; ++i) {
        result.Rows.push_back(rows[order[i]]);
        result.Grades.push_back(rater_->Grade(rows[order[i]], density));
    }
    return result;
}

} // namespace corvane
