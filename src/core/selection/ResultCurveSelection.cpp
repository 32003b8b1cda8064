#include "model/TMessAuswahl.h"
#include "selection/CurveRequest.h"
#include "selection/TResultList.h"

namespace corvane {

void TResultList::BuildCurveSelection(TMessAuswahl& selection) {
    selection.ClearSelection();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        TErgebnisZeile& row = rows_[i];
        if (row.ChartMark <= 0) continue;
        int position = 0;
        if (selection.Count() < TMessAuswahl::kMaxSeries)
            position = selection.AddSeries(row.Series, static_cast<std::int32_t>(i + 1), 0,
                                           request_.RequestedDensity, row.N, row.D2);
        row.ChartMark = position;
    }
    SetCurveRequest(selection, request_);
}

} // namespace corvane
