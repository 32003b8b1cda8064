#pragma once

#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace corvane {

// Quicksort with the middle element as pivot and two indexes moving towards each other, over
// items[low..high]. It is not stable: the partition steps decide where equal keys end up, and
// tables and result lists rely on exactly this order. Only the order in which the two parts
// are processed is free (smaller part by recursion, larger part in the loop), which bounds
// the recursion depth without changing the result.
//
// With `end`, only items[low..end-1] are wanted in their sorted places: parts that start at
// `end` or later are left as they are. Parts are sorted independently of each other, so the
// wanted places get exactly what the whole sort puts there.
template <class Item, class Less>
void MiddlePivotSort(std::vector<Item>& items, std::ptrdiff_t low, std::ptrdiff_t high, Less less,
                     std::ptrdiff_t end = std::numeric_limits<std::ptrdiff_t>::max()) {
    while (low < high && low < end) {
        std::ptrdiff_t i = low;
        std::ptrdiff_t j = high;
        const Item pivot = items[static_cast<std::size_t>((low + high) / 2)];
        while (i <= j) {
            while (less(items[static_cast<std::size_t>(i)], pivot))
                ++i;
            while (less(pivot, items[static_cast<std::size_t>(j)]))
                --j;
            if (i <= j) {
                std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        }
        if (j - low < high - i) {
            if (low < j) MiddlePivotSort(items, low, j, less, end);
            low = i;
        } else {
            if (i < high) MiddlePivotSort(items, i, high, less, end);
            high = j;
        }
    }
}

} // namespace corvane
