#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane {

// Marked-result memory: the identifiers of the marked rows in mark order, at most 10.
inline constexpr std::size_t kMaxMarkedResults = 10;

struct TMarkedResults {
    std::vector<std::int32_t> Ids;

    void Clear() { Ids.clear(); }
    // Appends an identifier while fewer than 10 are held; false when the memory is full.
    bool Add(std::int32_t id) {
        if (Ids.size() >= kMaxMarkedResults) return false;
        Ids.push_back(id);
        return true;
    }
};

} // namespace corvane
