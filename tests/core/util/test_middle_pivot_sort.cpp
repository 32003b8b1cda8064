#include "util/MiddlePivotSort.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

using namespace corvane;

namespace {

struct TItem {
    int Key = 0;
    int Id = 0; // tells equal keys apart
    bool operator==(const TItem&) const = default;
};

} // namespace

// Sorting only the first places gives them exactly what the whole sort gives, equal keys in
// the same order, for every number of wanted places.
TEST(MiddlePivotSort, FirstPlacesAsTheWholeSort) {
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>(state >> 28); // 16 keys: many equal
    };
    const auto less = [](const TItem& a, const TItem& b) { return a.Key < b.Key; };
    for (int round = 0; round < 20; ++round) {
        std::vector<TItem> items(static_cast<std::size_t>(1 + round * 7));
        for (std::size_t k = 0; k < items.size(); ++k)
            items[k] = {next(), static_cast<int>(k)};
        std::vector<TItem> whole = items;
        const auto high = static_cast<std::ptrdiff_t>(items.size()) - 1;
        MiddlePivotSort(whole, 0, high, less);
        for (std::ptrdiff_t end = 0; end <= high + 1; ++end) {
            std::vector<TItem> first = items;
            MiddlePivotSort(first, 0, high, less, end);
            for (std::ptrdiff_t k = 0; k < end; ++k)
                ASSERT_EQ(first[static_cast<std::size_t>(k)], whole[static_cast<std::size_t>(k)])
                    << "round " << round << ", end " << end << ", place " << k;
        }
    }
}
