// The 6-byte real of the exchange files: exact both ways, rounding to nearest, clamping.

#include "acquisition/Real48.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace corvane {
namespace {

TReal48 Bytes(std::uint8_t e, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4,
              std::uint8_t b5) {
    return {e, b1, b2, b3, b4, b5};
}

TEST(Real48, KnownEncodings) {
    EXPECT_EQ(DoubleToReal48(1.0), Bytes(0x81, 0, 0, 0, 0, 0));
    EXPECT_EQ(DoubleToReal48(0.5), Bytes(0x80, 0, 0, 0, 0, 0));
    EXPECT_EQ(DoubleToReal48(-2.0), Bytes(0x82, 0, 0, 0, 0, 0x80));
    EXPECT_EQ(DoubleToReal48(3.0), Bytes(0x82, 0, 0, 0, 0, 0x40));
    // 1 + 2^-39: the least significant mantissa bit sits in byte 1.
    EXPECT_EQ(DoubleToReal48(1.0 + std::ldexp(1.0, -39)), Bytes(0x81, 1, 0, 0, 0, 0));
    EXPECT_EQ(DoubleToReal48(1013.25), Bytes(0x8A, 0, 0, 0, 0x50, 0x7D));
    EXPECT_EQ(DoubleToReal48(0.0), TReal48{});
    EXPECT_EQ(DoubleToReal48(-0.0), TReal48{});

    EXPECT_EQ(Real48ToDouble(Bytes(0x8A, 0, 0, 0, 0x50, 0x7D).data()), 1013.25);
    EXPECT_EQ(Real48ToDouble(Bytes(0x82, 0, 0, 0, 0, 0xC0).data()), -3.0);
    // Exponent 0 is zero whatever the mantissa and sign bytes hold.
    EXPECT_EQ(Real48ToDouble(Bytes(0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF).data()), 0.0);
}

// Every 6-byte real is a double exactly and comes back as the same bytes.
TEST(Real48, EveryRealRoundTripsExactly) {
    std::mt19937_64 random(42);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        TReal48 r{};
        for (std::size_t b = 0; b < r.size(); ++b)
            r[b] = static_cast<std::uint8_t>(bits >> (8 * b));
        if (r[0] == 0) continue;
        const double value = Real48ToDouble(r.data());
        ASSERT_EQ(DoubleToReal48(value), r) << value;
    }
    // The extremes of the exponent and the mantissa.
    for (const TReal48& r : {Bytes(1, 0, 0, 0, 0, 0), Bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F),
                             Bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF), Bytes(1, 1, 0, 0, 0, 0x80)})
        EXPECT_EQ(DoubleToReal48(Real48ToDouble(r.data())), r);
}

TEST(Real48, DoublesRoundToTheNearestReal) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    std::uniform_int_distribution<int> exponent(-120, 120);
    const double ulp = std::ldexp(1.0, -39);
    for (int i = 0; i < 100000; ++i) {
        const double x = std::ldexp(mantissa(random), exponent(random)) * (i % 2 ? -1 : 1);
        const double back = Real48ToDouble(DoubleToReal48(x).data());
        int e = 0;
        std::frexp(x, &e);
        ASSERT_LE(std::fabs(back - x), std::ldexp(ulp, e - 1) / 2) << x;
    }
    // Halfway between two reals: to the even mantissa.
    EXPECT_EQ(DoubleToReal48(1.0 + ulp / 2), Bytes(0x81, 0, 0, 0, 0, 0));
    EXPECT_EQ(DoubleToReal48(1.0 + 3 * ulp / 2), Bytes(0x81, 2, 0, 0, 0, 0));
    // Rounding up across a power of two carries into the exponent.
    EXPECT_EQ(DoubleToReal48(2.0 - ulp / 4), Bytes(0x82, 0, 0, 0, 0, 0));
    EXPECT_NEAR(Real48ToDouble(DoubleToReal48(0.1).data()), 0.1, 1e-12);
}

TEST(Real48, OutOfRangeClampsNeverOverflows) {
    const TReal48 largest = Bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F);
    const TReal48 mostNegative = Bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF);
    const double max = Real48ToDouble(largest.data());
    EXPECT_NEAR(max, 1.7014118346e38, 1e28);
    EXPECT_EQ(DoubleToReal48(1e300), largest);
    EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::infinity()), largest);
    EXPECT_EQ(DoubleToReal48(-std::numeric_limits<double>::infinity()), mostNegative);
    EXPECT_EQ(DoubleToReal48(-1e39), mostNegative);
    // Just above the largest real: rounding would carry past exponent 255.
    EXPECT_EQ(DoubleToReal48(std::nextafter(max, 1e300)), largest);
    EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::quiet_NaN()), TReal48{});

    const TReal48 smallest = Bytes(1, 0, 0, 0, 0, 0); // 2^-128
    EXPECT_EQ(Real48ToDouble(smallest.data()), std::ldexp(1.0, -128));
    EXPECT_EQ(DoubleToReal48(std::ldexp(1.0, -140)), TReal48{});
    EXPECT_EQ(DoubleToReal48(std::ldexp(1.5, -129)), smallest);
    EXPECT_EQ(DoubleToReal48(-std::ldexp(1.5, -129)), Bytes(1, 0, 0, 0, 0, 0x80));
    EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::denorm_min()), TReal48{});
}

} // namespace
} // namespace corvane
