#pragma once

#include "selection/SpeedSolver.h"
#include "selection/TErgebnisZeile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace corvane {

// The solution of one candidate before its speed class: the speed solution and the row
// values read at the operating point from the converted series.
struct TCandidateSolution {
    TSpeedResult Speed;
    bool Inside = false; // the operating flow lies on the converted curve
    TErgebnisZeile Row;  // efficiencies, pressures, powers, level and operating flow
};

// Solutions of the computed-speed modes within one search, by what they depend on: the
// series, the impeller diameter and the calibration. Housings that share an impeller (or
// impellers that share a series and diameter) are solved once; only the speed class, which
// depends on the impeller's limits, is decided per candidate.
class TCandidateSolutions {
public:
    void Clear() { solutions_.clear(); }
    const TCandidateSolution* Find(const TSpeedCandidate& candidate) const;
    void Keep(const TSpeedCandidate& candidate, const TCandidateSolution& solution);
    std::size_t Size() const { return solutions_.size(); }

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

    std::unordered_map<TKey, TCandidateSolution, THash> solutions_;
};

} // namespace corvane
