#pragma once

#include <cstdint>

namespace corvane {

// Deterministic pseudo-random numbers (xoshiro256** seeded through splitmix64). The demo
// catalogue must come out byte-identical for a seed on every platform and library version,
// so no standard distribution is used: every draw is derived from the raw 64-bit output here.
class TRandom {
public:
    explicit TRandom(std::uint64_t seed);

    std::uint64_t Next();
    // Uniform in [0, 1) with 53 random bits.
    double Unit();
    // Uniform in [lo, hi).
    double Uniform(double lo, double hi);
    // Uniform integer in [lo, hi] (both included); lo when hi < lo.
    std::int32_t Int(std::int32_t lo, std::int32_t hi);
    // True with probability p.
    bool Chance(double p);
    // A generator for a sub-task, independent of how many numbers this one hands out later.
    TRandom Fork(std::uint64_t salt) const;

private:
    std::uint64_t s_[4];
};

} // namespace corvane
