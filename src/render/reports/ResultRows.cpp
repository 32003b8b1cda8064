#include "render/reports/ResultRows.h"

#include "model/TMessAuswahl.h"
#include "selection/TResultList.h"

namespace corvane {

std::function<const TErgebnisZeile*(const TMessSlot& slot)> ResultRowOf(const TResultList& list) {
    return [&list](const TMessSlot& slot) -> const TErgebnisZeile* {
        if (slot.DisplayNo < 1 || static_cast<std::size_t>(slot.DisplayNo) > list.Count())
            return nullptr;
        const TErgebnisZeile& row = list.Row(static_cast<std::size_t>(slot.DisplayNo - 1));
        return row.Series == slot.SeriesNo ? &row : nullptr;
    };
}

} // namespace corvane
