#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// A key held by more than one record of a table when it was read; the first record read keeps
// it, the others are dropped. `SeriesNo` names the series of a measured point (0 for the other
// tables).
struct TDuplicateKey {
    std::string Table;
    std::int32_t Key = 0;
    std::int32_t SeriesNo = 0;
    bool operator==(const TDuplicateKey&) const = default;
};

// The warning shown once after the data file was opened, in the current text language: the
// explanation and one line per duplicate ("LAUFRAD 17", "MW 4 (series 12)"), at most
// `maxLines` of them and then how many more there are. Empty when there are none.
std::string DuplicateKeysWarning(const std::vector<TDuplicateKey>& duplicates,
                                 std::size_t maxLines = 20);

} // namespace corvane
