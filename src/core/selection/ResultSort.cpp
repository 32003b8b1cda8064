#include "selection/ResultSort.h"

#include "selection/TAuswahlParam.h"
#include "selection/TErgebnisZeile.h"
#include "util/MiddlePivotSort.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>
#include <utility>

namespace corvane {

namespace {

// Sort key of one row: a number, or for the housing angle a text.
struct TRowKey {
    double Number = 0;
    std::string_view Text;
    std::size_t Row = 0;
};

double NumberKey(const TErgebnisZeile& row, const TAuswahlParam& request) {
    switch (request.SortKey) {
    case 0:
        // Quietest first; a fan without a sound level (-1) is not quiet, it is unknown: such
        // rows go after every row with a level.
        return row.Lp < 0 ? std::numeric_limits<double>::infinity() : row.Lp;
    case 1:
        return row.Eff2;
    case 2:
        if (request.SearchMode == SearchFixedSpeed && request.FixedQuantity == 0)
            return std::fabs(row.Vop - request.RequestedFlow);
        return std::fabs(row.P - request.RequestedPressure);
    case 3:
        return row.D2;
    case 4:
        return row.N;
    case 5:
        return row.Width;
    default:
        return 0;
    }
}

} // namespace

void SortResultRows(std::vector<TErgebnisZeile>& rows, const TAuswahlParam& request) {
    std::vector<TErgebnisZeile> scratch;
    SortResultRows(rows, request, rows.size(), scratch);
}

void SortResultRows(std::vector<TErgebnisZeile>& rows, const TAuswahlParam& request,
                    std::size_t keep, std::vector<TErgebnisZeile>& scratch) {
    if (rows.size() < 2) {
        if (rows.size() > keep) rows.resize(keep);
        return;
    }
    std::vector<TRowKey> items;
    items.reserve(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        TRowKey key;
        key.Row = k;
        if (request.SortKey == 6)
            key.Text = rows[k].Angle;
        else
            key.Number = NumberKey(rows[k], request);
        items.push_back(key);
    }
    const auto high = static_cast<std::ptrdiff_t>(items.size()) - 1;
    // Only the kept rows need their places.
    const auto end = static_cast<std::ptrdiff_t>(std::min(keep, items.size()));
    if (request.SortKey == 6)
        MiddlePivotSort(
            items, 0, high,
            [](const TRowKey& a, const TRowKey& b) {
                return a.Text < b.Text; // char_traits<char> compares as unsigned bytes
            },
            end);
    else if (request.SortKey == 1)
        MiddlePivotSort(
            items, 0, high, [](const TRowKey& a, const TRowKey& b) { return b.Number < a.Number; },
            end);
    else
        MiddlePivotSort(
            items, 0, high, [](const TRowKey& a, const TRowKey& b) { return a.Number < b.Number; },
            end);

    // The kept rows move into the scratch storage, which then becomes the rows.
    scratch.clear();
    scratch.reserve(rows.capacity());
    for (std::size_t k = 0; k < items.size() && k < keep; ++k)
        scratch.push_back(std::move(rows[items[k].Row]));
    rows.swap(scratch);
}

} // namespace corvane
