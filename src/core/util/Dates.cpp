#include "util/Dates.h"

#include <cstdio>
#include <limits>

namespace corvane {

namespace {

bool g_yearFirst = false;

// Days since 1 Jan 1970 of a proleptic Gregorian date (the era-based civil algorithm; valid for
// every year that fits an int).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<unsigned>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<unsigned>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

const std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);

bool IsLeap(std::int64_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(std::int64_t y, int m) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

bool IsValidYmd(std::int64_t year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

// Day number of a valid date when it fits 32 bits.
bool DayNumberOf(std::int64_t year, int month, int day, std::int32_t& out) {
    if (year < -6000000 || year > 6000000 || !IsValidYmd(year, month, day)) return false;
    const std::int64_t n =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpoch;
    if (n < std::numeric_limits<std::int32_t>::min() ||
        n > std::numeric_limits<std::int32_t>::max())
        return false;
    out = static_cast<std::int32_t>(n);
    return true;
}

// One run of digits starting at or after `pos`; false when there is none.
bool NextDigitToken(std::string_view text, std::size_t& pos, std::int64_t& value,
                    std::size_t& digits) {
    while (pos < text.size() && (text[pos] < '0' || text[pos] > '9'))
        ++pos;
    const std::size_t begin = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (value < 100000000) // longer runs are no date part anyway
            value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    digits = pos - begin;
    return digits > 0;
}

} // namespace

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && IsValidYmd(year, month, day);
}

std::int32_t DayNumber(int year, int month, int day) {
    std::int32_t n = 0;
    return DayNumberOf(year, month, day, n) ? n : 0;
}

void DecodeDayNumber(std::int32_t dayNumber, int& year, int& month, int& day) {
    std::int64_t y = 0;
    unsigned m = 0;
    unsigned d = 0;
    CivilFromDays(static_cast<std::int64_t>(dayNumber) + kEpoch, y, m, d);
    year = static_cast<int>(y);
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

void SetDateOrderYearFirst(bool yearFirst) {
    g_yearFirst = yearFirst;
}
bool DateOrderYearFirst() {
    return g_yearFirst;
}

std::string DateToText(std::int32_t dayNumber) {
    if (dayNumber < 1) return std::string();
    int y = 0, m = 0, d = 0;
    DecodeDayNumber(dayNumber, y, m, d);
    char buf[32];
    if (g_yearFirst)
        std::snprintf(buf, sizeof buf, "%04d.%02d.%02d", y, m, d);
    else
        std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", d, m, y);
    return buf;
}

std::int32_t TextToDate(std::string_view text) {
    std::size_t pos = 0;
    std::int64_t a = 0, b = 0, c = 0;
    std::size_t na = 0, nb = 0, nc = 0;
    if (!NextDigitToken(text, pos, a, na) || !NextDigitToken(text, pos, b, nb) ||
        !NextDigitToken(text, pos, c, nc))
        return 0;
    // Year first when the first token is a four-digit year, or when that order is chosen and
    // the text does not plainly end in a four-digit year. Two-digit years are taken as given.
    const bool yearFirst = na >= 4 || (g_yearFirst && !(nc >= 4 && na <= 2));
    const std::int64_t year = yearFirst ? a : c;
    const std::int64_t day = yearFirst ? c : a;
    if (day <= 0 ||
        !IsValidDate(static_cast<int>(year), static_cast<int>(b), static_cast<int>(day)) ||
        year > 9999)
        return 0;
    const std::int32_t n =
        DayNumber(static_cast<int>(year), static_cast<int>(b), static_cast<int>(day));
    // Day numbers below 1 mean "no date" throughout the program.
    return n >= 1 ? n : 0;
}

std::string DateToIso(std::int32_t dayNumber) {
    if (dayNumber == 0) return std::string();
    int y = 0, m = 0, d = 0;
    DecodeDayNumber(dayNumber, y, m, d);
    char buf[40];
    if (y < 0)
        std::snprintf(buf, sizeof buf, "-%04d-%02d-%02d", -y, m, d);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

bool TryIsoToDate(std::string_view text, std::int32_t& dayNumber) {
    dayNumber = 0;
    if (text.empty()) return true;
    bool negative = false;
    if (text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    // digits '-' 2 digits '-' 2 digits
    const std::size_t dash1 = text.find('-');
    if (dash1 == std::string_view::npos || dash1 < 4 || dash1 > 8 || text.size() != dash1 + 6 ||
        text[dash1 + 3] != '-')
        return false;
    std::int64_t parts[3] = {0, 0, 0};
    const std::string_view pieces[3] = {text.substr(0, dash1), text.substr(dash1 + 1, 2),
                                        text.substr(dash1 + 4, 2)};
    for (int k = 0; k < 3; ++k) {
        for (const char ch : pieces[k]) {
            if (ch < '0' || ch > '9') return false;
            parts[k] = parts[k] * 10 + (ch - '0');
        }
    }
    const std::int64_t year = negative ? -parts[0] : parts[0];
    return DayNumberOf(year, static_cast<int>(parts[1]), static_cast<int>(parts[2]), dayNumber);
}

std::int32_t IsoToDate(std::string_view text) {
    std::int32_t n = 0;
    return TryIsoToDate(text, n) ? n : 0;
}

} // namespace corvane
