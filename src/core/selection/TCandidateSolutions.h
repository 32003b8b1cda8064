#pragma once

#include "selection/SpeedSolver.h"
#include "selection/TErgebnisZeile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane {

class TMdbMw;
struct TAuswahlParam;

// The solution of one candidate before its speed class: the speed solution and the row
// values read at the operating point from the converted series.
struct TCandidateSolution {
    TSpeedResult Speed;
    bool Inside = false; // the operating flow lies on the converted curve
    TErgebnisZeile Row;  // efficiencies, pressures, powers, level and operating flow
};

// Solutions within one search (computed, given and manual speed), by what they depend on:
// the series, the impeller diameter and the calibration. Housings that share an impeller (or
// impellers that share a series and diameter) are solved once; only the speed class, which
// depends on the impeller's limits, is decided per candidate.
//
// Solving leaves the measured-points table converted and sorted, and a later candidate of the
// same series starts from that point order. A solution taken from here leaves the table as it
// is, and the table is brought to the state solving would have left only when it matters:
// before the next candidate is solved on the same series, and when the search ends.
class TCandidateSolutions {
public:
    void Clear();
    // The kept solution of an equal candidate, or nullptr; a solution found is the table's
    // pending state.
    const TCandidateSolution* Take(const TSpeedCandidate& candidate);
    // Keeps the solution of a candidate just solved on `mw` (a Repeatable one), or notes that
    // the table's state belongs to no kept solution.
    void Solved(const TSpeedCandidate& candidate, const TCandidateSolution& solution);
    // Before solving a candidate of `seriesNo` on `mw`: brings the table to the pending state
    // when the solution depends on it.
    void BeforeSolving(const TAuswahlParam& request, std::int32_t seriesNo, TMdbMw& mw);
    // Brings the table to the pending state (at the end of a search).
    void Settle(const TAuswahlParam& request, TMdbMw& mw);
    std::size_t Size() const { return entries_.size(); }

private:
    struct TKey {
        std::int32_t Series = 0;
        std::uint32_t D2 = 0;                       // bits of the single-precision diameter
        std::array<std::uint64_t, 5> Calibration{}; // bits of the five calibration values
        bool operator==(const TKey&) const = default;
    };
    struct THash {
        std::size_t operator()(const TKey& key) const;
    };
    static TKey KeyOf(const TSpeedCandidate& candidate);
    // The entry of `key`, or nullptr.
    TCandidateSolution* Find(const TKey& key);
    // Adds an entry; the slot table grows to stay at most half full.
    void Add(const TKey& key, const TCandidateSolution& solution);
    // Enters entry `entry` into a free slot.
    void Place(std::size_t entry);

    // What the table was last left by: a kept solution, or none.
    struct TTableState {
        bool Known = false;
        TKey Key;
        float D2 = 0;
        TSpeedResult Speed;
    };
    static TTableState StateOf(const TKey& key, const TSpeedCandidate& candidate,
                               const TSpeedResult& speed);

    // The solutions with their keys, and an open-addressing table over them (a power of two
    // long; 0 free). A slot holds the entry index + 1 in its low 32 bits and the high 32 bits
    // of the key's hash in its high bits. Both keep their storage from search to search.
    struct TEntry {
        TKey Key;
        TCandidateSolution Solution;
    };
    static constexpr std::uint64_t kEntryBits = 0xFFFF'FFFFu;
    static std::uint64_t Tag(std::size_t hash);
    std::vector<TEntry> entries_;
    std::vector<std::uint64_t> slots_;
    TTableState table_;   // the state the table is in (Known: of a kept solution)
    TTableState pending_; // the state solving would have left (Known: differs from table_)
};

} // namespace corvane
