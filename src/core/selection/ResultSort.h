#pragma once

#include <cstddef>
#include <vector>

namespace corvane {

struct TAuswahlParam;
struct TErgebnisZeile;

// Sorts result rows by the request's sort key: 0 sound level (rows without a level after
// all rows with one), 1 static efficiency
// (descending), 2 deviation from the operating point (flow in fixed-speed mode with the flow
// allowed to deviate, else pressure), 3 D2, 4 speed, 5 installed width, 6 housing angle
// (byte-wise). A quicksort around the middle row: rows with equal keys do not keep their
// order, but always end up in the same order for the same input.
void SortResultRows(std::vector<TErgebnisZeile>& rows, const TAuswahlParam& request);
// The same, keeping the first `keep` rows only; `scratch` is storage that a caller sorting
// often keeps from call to call (what it holds has no meaning).
void SortResultRows(std::vector<TErgebnisZeile>& rows, const TAuswahlParam& request,
                    std::size_t keep, std::vector<TErgebnisZeile>& scratch);

} // namespace corvane
