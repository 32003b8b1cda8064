#include "util/Codepage.h"
#include "util/Dates.h"
#include "util/GreekText.h"
#include "util/Text.h"

#include <gtest/gtest.h>
#include <string>

using namespace corvane;

TEST(Text, UpperCaseAndHex) {
    EXPECT_EQ(UpperText("äöü straße abc"), "ÄÖÜ STRAßE ABC");
    EXPECT_EQ(UpperText("éà Ж 1"), "éà Ж 1");
    EXPECT_EQ(UpperText("\xC3"), "\xC3"); // truncated sequence: no read past the end
    EXPECT_EQ(UpperChar(0xE4), 0xC4);
    EXPECT_EQ(UpperChar(0xDF), 0xDF);
    EXPECT_EQ(HexPair(0x0A), "0A");
    EXPECT_EQ(HexValue(" 1f-x "), 31);
    EXPECT_EQ(HexValue("Ab Cd"), 0xABCD);
}

TEST(Text, PartsFieldsAndReplace) {
    EXPECT_EQ(LeftPart("abc", 5), "abc  ");
    EXPECT_EQ(LeftPart("äbc", 2), "äb");
    EXPECT_EQ(RightPart("ab", 4), "  ab");
    EXPECT_EQ(RightPart("aäö", 2), "äö");
    EXPECT_EQ(MidPart("abcdef", 2, 3), "bcd");
    EXPECT_EQ(MidPart("abcdef", 5, 10), "ef");
    EXPECT_EQ(MidPart("abc", 5, 2), "");

    std::size_t pos = 0;
    const std::string line = "a;;b";
    EXPECT_EQ(NextField(line, ';', pos), "a");
    EXPECT_EQ(NextField(line, ';', pos), "");
    EXPECT_EQ(NextField(line, ';', pos), "b");
    EXPECT_EQ(pos, std::string::npos);
    EXPECT_EQ(NextField(line, ';', pos), "");
    EXPECT_EQ(pos, std::string::npos);

    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("x", "", "y"), "x");
    EXPECT_EQ(ReplaceAll("a.b.c", ".", ", "), "a, b, c");
    EXPECT_EQ(Trim(" \tab c\r\n"), "ab c");
    EXPECT_EQ(StripTrailingSeparator("/a/b/"), "/a/b");
}

TEST(Codepage, Windows1252BothWays) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(Utf8ToCp1252(utf8), all); // lossless, undefined bytes included
    EXPECT_EQ(Utf8OrCp1252ToUtf8(utf8), utf8);
    EXPECT_EQ(Cp1252ToUtf8("\x80\x9F\xE4"), "€Ÿä");
    EXPECT_EQ(Utf8ToCp1252("Grüße €"), "Gr\xFC\xDF\x65 \x80");
    EXPECT_EQ(Utf8ToCp1252("Жx"), "?x");
    EXPECT_EQ(Utf8ToCp1252("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(Utf8OrCp1252ToUtf8("Gr\xFC\xDF"), "Grüß");
    EXPECT_EQ(Utf8OrCp1252ToUtf8("\xC0\xAF"), "À¯");             // overlong form is no UTF-8
    EXPECT_EQ(Utf8OrCp1252ToUtf8("\xED\xA0\x80"), "í\xC2\xA0€"); // nor is a surrogate
}

TEST(Dates, DayNumbersAndCalendar) {
    EXPECT_EQ(DayNumber(1899, 12, 30), 0);
    EXPECT_EQ(DayNumber(1899, 12, 31), 1);
    EXPECT_EQ(DayNumber(1900, 1, 1), 2);
    EXPECT_EQ(DayNumber(1900, 2, 28), 60);
    EXPECT_EQ(DayNumber(1900, 3, 1), 61); // 1900 has no 29 February
    EXPECT_EQ(DayNumber(2000, 1, 1), 36526);
    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_FALSE(IsValidDate(2023, 2, 29));
    EXPECT_FALSE(IsValidDate(2023, 4, 31));
    EXPECT_EQ(DayNumber(2000, 2, 30), 0);

    int y = 0, m = 0, d = 0;
    int prevY = 0, prevM = 0, prevD = 0;
    DecodeDayNumber(-700001, prevY, prevM, prevD);
    for (std::int32_t n = -700000; n <= 3000000; ++n) {
        DecodeDayNumber(n, y, m, d);
        ASSERT_TRUE(y < 1 || y > 9999 || IsValidDate(y, m, d)) << n;
        ASSERT_EQ(DayNumber(y, m, d), n);
        // consecutive days: next day of the month, or day 1 of the next month
        ASSERT_TRUE((d == prevD + 1 && m == prevM) || (d == 1 && (m == prevM + 1 || m == 1))) << n;
        prevY = y, prevM = m, prevD = d;
    }
}

TEST(Dates, TextConversions) {
    SetDateOrderYearFirst(false);
    EXPECT_EQ(DateToText(36526), "01.01.2000");
    EXPECT_EQ(DateToText(0), "");
    EXPECT_EQ(TextToDate("1.1.2000"), 36526);
    EXPECT_EQ(TextToDate(" 29/02/2000 "), DayNumber(2000, 2, 29));
    EXPECT_EQ(TextToDate("2000.01.01"), 36526); // four-digit first token: year first
    EXPECT_EQ(TextToDate("31.2.2000"), 0);
    EXPECT_EQ(TextToDate("0.1.2000"), 0);
    EXPECT_EQ(TextToDate("1.1"), 0);
    EXPECT_EQ(TextToDate("29.12.1899"), 0); // before day 1: no date
    EXPECT_EQ(TextToDate("1.1.99999999999999"), 0);
    EXPECT_EQ(TextToDate("1.1.24"), 0); // two-digit years as given: year 24, before day 1

    SetDateOrderYearFirst(true);
    EXPECT_EQ(DateToText(36526), "2000.01.01");
    EXPECT_EQ(TextToDate("2000.2.29"), DayNumber(2000, 2, 29));
    EXPECT_EQ(TextToDate("24.12.2023"), DayNumber(2023, 12, 24));
    SetDateOrderYearFirst(false);

    for (const std::int32_t n : {1, 60, 61, 36526, 45000, 2958465}) {
        EXPECT_EQ(TextToDate(DateToText(n)), n);
    }
    for (const std::int32_t n : {-700000, -1, 1, 36585, 2958465, 5000000}) {
        EXPECT_EQ(IsoToDate(DateToIso(n)), n) << DateToIso(n);
    }
    EXPECT_EQ(DateToIso(0), "");
    EXPECT_EQ(DateToIso(36585), "2000-02-29");
    EXPECT_EQ(IsoToDate(""), 0);
    std::int32_t n = 7;
    EXPECT_TRUE(TryIsoToDate("", n));
    EXPECT_EQ(n, 0);
    EXPECT_FALSE(TryIsoToDate("2000-13-01", n));
    EXPECT_FALSE(TryIsoToDate("2000-1-1", n));
    EXPECT_FALSE(TryIsoToDate("1900-02-29", n));
}

TEST(Text, GreekLetterMarkers) {
    EXPECT_EQ(GreekText("\xC2\xB4"
                        "d\xC2\xB4p fa"),
              "Δp fa");
    EXPECT_EQ(GreekText("\xC2\xB4"
                        "eta\xC2\xB4 tot / \xC2\xB4psi\xC2\xB4-\xC2\xB4phi\xC2\xB4"),
              "η tot / ψ-φ");
    EXPECT_EQ(GreekText("\xC2\xB4"
                        "beta\xC2\xB4"
                        "2 \xC2\xB4rho\xC2\xB4 \xC2\xB4Lambda\xC2\xB4"),
              "β2 ρ λ");
    // Unknown or unclosed markers and lone accents stay as written.
    EXPECT_EQ(GreekText("a\xC2\xB4x\xC2\xB4"
                        "b \xC2\xB4"
                        "eta"),
              "a\xC2\xB4x\xC2\xB4"
              "b \xC2\xB4"
              "eta");
    EXPECT_EQ(GreekText("\xC2\xB4\xC2\xB4"
                        "d\xC2\xB4"),
              "\xC2\xB4Δ");
    EXPECT_EQ(GreekText(""), "");
}
