#include "util/Numbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace corvane;

TEST(Numbers, ParseAcceptsTypedNumbers) {
    EXPECT_DOUBLE_EQ(ParseNumber("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(ParseNumber("- 7"), -7.0);
    EXPECT_DOUBLE_EQ(ParseNumber("  42"), 42.0);
    EXPECT_DOUBLE_EQ(ParseNumber("120 mm"), 120.0);
    EXPECT_DOUBLE_EQ(ParseNumber("3e"), 3.0);
    EXPECT_DOUBLE_EQ(ParseNumber("1.5E+3"), 1500.0);
    EXPECT_DOUBLE_EQ(ParseNumber("1,5e"), 1.5);
    EXPECT_DOUBLE_EQ(ParseNumber("1.5e-"), 1.5);
    EXPECT_DOUBLE_EQ(ParseNumber("1e- 2"), 0.01);
    EXPECT_DOUBLE_EQ(ParseNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseNumber("12-"), 12.0);
}

TEST(Numbers, ParseNonsenseAndSentinel) {
    EXPECT_EQ(ParseNumber(""), 0.0);
    EXPECT_EQ(ParseNumber("abc"), 0.0);
    EXPECT_EQ(ParseNumber("-"), 0.0);
    EXPECT_EQ(ParseNumber("--5"), 0.0);
    EXPECT_EQ(ParseNumber("inf"), 0.0);
    EXPECT_EQ(ParseNumber("1e999"), 0.0); // no infinity from typed text
    EXPECT_EQ(ParseNumber("1e-999"), 0.0);
    EXPECT_EQ(ParseNumber("\xEC"), 1e30);
    EXPECT_EQ(ParseNumber("5\xC3\xAC"), 1e30);    // U+00EC in UTF-8
    EXPECT_EQ(ParseNumber("\xE2\x88\x9E"), 1e30); // infinity sign
    // Only the first 255 characters count.
    EXPECT_DOUBLE_EQ(ParseNumber(std::string(255, '1') + "\xEC"),
                     ParseNumber(std::string(255, '1')));
}

TEST(Numbers, Tokenizers) {
    const std::string text = "a12b-3|4";
    std::size_t pos = 0;
    EXPECT_DOUBLE_EQ(NextSignedNumber(text, pos), 12.0);
    EXPECT_EQ(pos, 3u);
    EXPECT_DOUBLE_EQ(NextSignedNumber(text, pos), -3.0);
    EXPECT_DOUBLE_EQ(NextSignedNumber(text, pos), 4.0);
    EXPECT_EQ(pos, text.size());
    EXPECT_DOUBLE_EQ(NextSignedNumber(text, pos), 0.0);

    pos = 0;
    EXPECT_DOUBLE_EQ(NextDigitsNumber("x-1.5e3", pos), 1.0);
    EXPECT_DOUBLE_EQ(NextDigitsNumber("x-1.5e3", pos), 5.0);
    EXPECT_DOUBLE_EQ(NextDigitsNumber("x-1.5e3", pos), 3.0);

    pos = 0;
    EXPECT_DOUBLE_EQ(NextSignedNumberLong("x 2.5e2;", pos), 250.0);

    // The short variants see the first 255 characters only, the long ones everything.
    const std::string longText = std::string(300, ' ') + "7";
    pos = 0;
    EXPECT_EQ(NextSignedNumber(longText, pos), 0.0);
    pos = 0;
    EXPECT_EQ(NextSignedNumberLong(longText, pos), 7.0);
    pos = 0;
    EXPECT_EQ(NextDigitsNumberLong(longText, pos), 7.0);
    pos = 1000; // beyond the end: nothing, no read past it
    EXPECT_EQ(NextDigitsNumber("12", pos), 0.0);
}

TEST(Numbers, CompactFormats) {
    EXPECT_EQ(FormatDouble(1.205), "1.205");
    EXPECT_EQ(FormatDouble(2.0), "2");
    EXPECT_EQ(FormatDouble(100.0), "100");
    EXPECT_EQ(FormatDouble(-1e-10), "0");
    EXPECT_EQ(FormatDouble(-0.0), "0");
    EXPECT_EQ(FormatDouble(1e-9), "0.000000001");
    EXPECT_EQ(FormatDouble(123456789.125), "123456789.125");
    EXPECT_EQ(FormatSingle(1.205f), "1.205");
    EXPECT_EQ(FormatSingle(1e-8f), "0");
    EXPECT_EQ(FormatLocaleDouble(2.5, ','), "2,5");
    EXPECT_EQ(FormatLocaleDouble(30.0, ','), "30");
    EXPECT_EQ(FormatLocaleDouble(-1e-11, ','), "0");
    EXPECT_EQ(FormatFixed(1234.5678, 2), "1234.57");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.12"); // exact tie, even digit
    EXPECT_EQ(FormatFixed(1.0, 3, 10), "1.000");
    // Numbers written by the formatter read back unchanged.
    for (const double v : {0.1, 1.205, -273.15, 98765.4321, 1e-6}) {
        EXPECT_DOUBLE_EQ(ParseNumber(FormatDouble(v)), v);
    }
}

TEST(Numbers, RoundingTiesToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0.0);
    EXPECT_EQ(ClampRoundInt(0.5), 0);
    EXPECT_EQ(ClampRoundInt(1.5), 2);
    EXPECT_EQ(ClampRoundInt(1e12), 2147483647);
    EXPECT_EQ(ClampRoundInt(-1e12), -2147483647);
    EXPECT_EQ(ClampRoundInt(std::numeric_limits<double>::infinity()), 2147483647);
    EXPECT_EQ(ClampRoundInt(std::nan("")), 0);
}
