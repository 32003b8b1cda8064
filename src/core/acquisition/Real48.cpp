#include "acquisition/Real48.h"

#include <cmath>

namespace corvane {

namespace {

constexpr int kBias = 129;
constexpr int kMantissaBits = 39;
constexpr std::uint64_t kMantissaMask = (std::uint64_t{1} << kMantissaBits) - 1;

TReal48 Pack(bool negative, int exponent, std::uint64_t mantissa) {
    TReal48 r{};
    r[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 1; i <= 5; ++i)
        r[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(mantissa >> (8 * (i - 1)));
    r[5] = static_cast<std::uint8_t>((r[5] & 0x7F) | (negative ? 0x80 : 0));
    return r;
}

} // namespace

double Real48ToDouble(const std::uint8_t* bytes) {
    if (bytes[0] == 0) return 0.0;
    std::uint64_t mantissa = 0;
    for (int i = 5; i >= 1; --i)
        mantissa = (mantissa << 8) | bytes[i];
    mantissa &= kMantissaMask;
    const double fraction =
        1.0 + std::ldexp(static_cast<double>(mantissa), -kMantissaBits); // exact: 40 bits
    const double value = std::ldexp(fraction, bytes[0] - kBias);
    return (bytes[5] & 0x80) != 0 ? -value : value;
}

TReal48 DoubleToReal48(double value) {
    if (std::isnan(value) || value == 0.0) return TReal48{};
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    const TReal48 largest = Pack(negative, 255, kMantissaMask);
    if (std::isinf(magnitude)) return largest;

    int exp2 = 0;
    const double fraction = std::frexp(magnitude, &exp2); // magnitude = fraction * 2^exp2
    int exponent = exp2 - 1 + kBias;                      // 1.m * 2^(exponent - bias)
    // (2 fraction - 1) has at most 52 significant bits: the scaling is exact, the rounding
    // is the only inexact step.
    double scaled = std::nearbyint(std::ldexp(2.0 * fraction - 1.0, kMantissaBits));
    auto mantissa = static_cast<std::uint64_t>(scaled);
    if (mantissa > kMantissaMask) { // rounded up to the next power of two
        mantissa = 0;
        ++exponent;
    }
    if (exponent > 255) return largest;
    if (exponent < 1) {
        // Below the smallest value 2^-128: the nearer of 0 and 2^-128.
        return magnitude >= std::ldexp(1.0, -kBias) ? Pack(negative, 1, 0) : TReal48{};
    }
    return Pack(negative, exponent, mantissa);
}

} // namespace corvane
