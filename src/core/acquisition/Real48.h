#pragma once

#include <array>
#include <cstdint>

namespace corvane {

// The 6-byte real of the exchange files: byte 0 is the exponent biased by 129 (0 means the
// value 0), bytes 1..5 the 39-bit mantissa below an implicit leading 1, least significant
// byte first, with the sign in the top bit of byte 5.
using TReal48 = std::array<std::uint8_t, 6>;

// Every 6-byte real with a non-zero exponent is a double exactly, so reading is exact and
// writing the result back gives the same six bytes.
double Real48ToDouble(const std::uint8_t* bytes);
// Rounds to the nearest 6-byte real (ties to even). Magnitudes beyond the largest one (and
// infinities) clamp to it with their sign; magnitudes below half the smallest become 0; NaN
// becomes 0.
TReal48 DoubleToReal48(double value);

} // namespace corvane
