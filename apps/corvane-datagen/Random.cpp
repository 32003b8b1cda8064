#include "Random.h"

namespace corvane {

namespace {

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

TRandom::TRandom(std::uint64_t seed) {
    std::uint64_t state = seed;
    for (std::uint64_t& s : s_)
        s = SplitMix(state);
}

std::uint64_t TRandom::Next() {
    const std::uint64_t result = RotateLeft(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = RotateLeft(s_[3], 45);
    return result;
}

double TRandom::Unit() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

double TRandom::Uniform(double lo, double hi) {
    return lo + (hi - lo) * Unit();
}

// 128-bit products are a GCC extension; marked so, strict ISO warnings let them pass.
__extension__ typedef unsigned __int128 TUInt128;

std::int32_t TRandom::Int(std::int32_t lo, std::int32_t hi) {
    if (hi <= lo) return lo;
    const std::uint64_t span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
    // Multiply-shift keeps the draw unbiased enough for demo data and needs no loop.
    const auto offset = static_cast<std::uint64_t>((static_cast<TUInt128>(Next()) * span) >> 64);
    return static_cast<std::int32_t>(lo + static_cast<std::int64_t>(offset));
}

bool TRandom::Chance(double p) {
    return Unit() < p;
}

TRandom TRandom::Fork(std::uint64_t salt) const {
    return TRandom(s_[0] ^ RotateLeft(s_[2], 13) ^ (salt * 0xD1B54A32D192ED03ULL));
}

} // namespace corvane
