#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::size_t kMaxListPoints = 10;

// A program-wide list of up to 10 volume flows (m³/h, each >= 1) with a current entry: the
// selected flows, or the system parabolas stored as the flow at which each reaches 1000 Pa.
struct TPointList {
    std::vector<std::int32_t> Values;
    int Current = 0; // 1-based index into Values, 0 = none

    bool operator==(const TPointList&) const = default;
};

// List text: the values in order separated by "|", the current one preceded by "-".
std::string WriteListText(const TPointList& list);
// Reads a list text: every number token rounded to an integer; zeros are skipped, at most 10
// are kept, magnitudes stored; the last negative token marks the current entry (entry 1 when
// none is negative, none when the list is empty).
TPointList ReadListText(std::string_view text);

} // namespace corvane
