#pragma once

// Constants and errors of the data file's measured-points section, shared by the catalogue's
// reading and writing.

#include "mdb/EMdbError.h"

#include <cstddef>
#include <cstdint>

namespace corvane::points_section {

constexpr std::uint16_t kPointsMdbNo = 1009;
constexpr std::uint16_t kStreamVersion = 24;
constexpr std::int32_t kMaxTitleWords = 251;
constexpr std::size_t kMaxTitleBytes = 999;

[[noreturn]] inline void IllegalByteCount() {
    throw EMdbError("Illegal byte count from stream!");
}

// A series block claimed by another series, or points of another series in a block.
[[noreturn]] inline void IllegalSeriesNo() {
    throw EMdbError("Illegal series no from stream!");
}

} // namespace corvane::points_section
