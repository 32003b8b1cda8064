#pragma once

// Loading one series block of the data file's measured-points section from memory, shared by
// the catalogue's on-demand read and its read-ahead thread.

#include <cstdint>
#include <vector>

namespace corvane {

class TMdbMw;
class TStream;

// A series block larger than a full series could be (a damaged file) is read from the file
// record by record, not taken into memory in one piece: a series at the table's record
// limit (65000 points of 166 words) takes about 44 MB.
constexpr std::int64_t kMaxSeriesBlockInMemory = std::int64_t{64} << 20;

// Loads `table` from the block [begin, end) of `file`, read with one positioned read into
// `buffer` (grown to the largest block and reused). False when the block is too large to
// take into memory, the read or the load fails, or the load does not end at `end`: the
// caller then reads the block from the file, which gives a damaged block its usual messages.
bool LoadSeriesBlock(TStream& file, std::int64_t begin, std::int64_t end,
                     std::vector<unsigned char>& buffer, TMdbMw& table);

// Whether every point of `table` carries series number `seriesNo`.
bool HoldsOnlyPointsOf(const TMdbMw& table, std::int32_t seriesNo);

} // namespace corvane
