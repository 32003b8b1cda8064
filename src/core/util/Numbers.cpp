#include "util/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace corvane {

namespace {

constexpr std::size_t kShortLimit = 255;
constexpr double kSentinel = 1.0e30;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Pascal-style Val: leading blanks, then the whole rest must be one number
// ([sign] digits [. digits] [e [sign] digits], at least one mantissa digit).
// Returns the 1-based position of the first invalid character, 0 when the text is valid.
// An empty or blank text is invalid at the position behind it.
std::size_t ValidateNumber(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return i + 1;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        if (i >= n || !IsDigit(s[i])) return i + 1;
        while (i < n && IsDigit(s[i]))
            ++i;
    }
    return i < n ? i + 1 : 0;
}

// Converts a text that ValidateNumber accepted. A value beyond the double range is
// treated as invalid (0) instead of becoming infinity.
bool ConvertValid(std::string_view s, double& value) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    double v = 0.0;
    const char* first = s.data() + i;
    const char* last = s.data() + s.size();
    const auto res = std::from_chars(first, last, v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is nonsense input.
        bool nonZeroMantissa = false;
        bool inExponent = false;
        bool negativeExponent = false;
        for (const char* p = first; p < last; ++p) {
            if (*p == 'e' || *p == 'E') {
                inExponent = true;
                negativeExponent = p + 1 < last && p[1] == '-';
            } else if (!inExponent && *p >= '1' && *p <= '9') {
                nonZeroMantissa = true;
            }
        }
        if (negativeExponent || !nonZeroMantissa) {
            value = 0.0;
            return true;
        }
        return false;
    }
    if (res.ec != std::errc() || res.ptr != last) return false;
    value = negative ? -v : v;
    return true;
}

// Val: returns the error position (0 = valid) and the value.
std::size_t Val(std::string_view s, double& value) {
    value = 0.0;
    const std::size_t pos = ValidateNumber(s);
    if (pos != 0) return pos;
    if (!ConvertValid(s, value)) {
        value = 0.0;
        return 1;
    }
    return 0;
}

// Converts the text before the 1-based position p, dropping a dangling exponent ("e", and
// also "e+" / "e-" so that "1.5e-" reads as 1.5 like "1.5e" does).
double ConvertPrefix(const std::string& s, std::size_t p) {
    std::size_t len = p - 1;
    if (len > 1 && (s[len - 1] == '+' || s[len - 1] == '-') &&
        (s[len - 2] == 'e' || s[len - 2] == 'E'))
        --len;
    if (len > 0 && (s[len - 1] == 'e' || s[len - 1] == 'E')) --len;
    double value = 0.0;
    if (Val(std::string_view(s).substr(0, len), value) != 0) return 0.0;
    return value;
}

// The 0xEC byte is the program's "infinite" marker. Besides the raw byte (old 8-bit texts)
// the UTF-8 encodings of U+00EC and of the infinity sign U+221E count as well, since that
// is how the marker arrives once a text has been converted to UTF-8.
bool HasSentinel(std::string_view s) {
    if (s.find('\xEC') != std::string_view::npos) return true;
    return s.find("\xC3\xAC") != std::string_view::npos ||
           s.find("\xE2\x88\x9E") != std::string_view::npos;
}

double NextNumber(std::string_view text, std::size_t& pos, std::string_view startSet,
                  std::string_view runSet) {
    if (pos > text.size()) pos = text.size();
    while (pos < text.size() && startSet.find(text[pos]) == std::string_view::npos)
        ++pos;
    const std::size_t begin = pos;
    while (pos < text.size() && runSet.find(text[pos]) != std::string_view::npos)
        ++pos;
    if (pos == begin) return 0.0;
    return ParseNumber(text.substr(begin, pos - begin));
}

constexpr std::string_view kSignedStart = "0123456789.-+";
constexpr std::string_view kSignedRun = "0123456789.-+eE";
constexpr std::string_view kDigits = "0123456789";

// Fixed-point text without locale: "-" sign, digits, "." and `decimals` decimals.
std::string FixedText(double value, int decimals) {
    // 100 decimals are far more than a double holds; the buffer fits DBL_MAX with them.
    decimals = std::clamp(decimals, 0, 100);
    char buf[512];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return std::string();
    return std::string(buf, res.ptr);
}

// Removes trailing zeros and a trailing separator after the decimal separator; "-0" → "0".
std::string Compact(std::string s, char separator) {
    if (s.find(separator) != std::string::npos) {
        while (!s.empty() && s.back() == '0')
            s.pop_back();
        if (!s.empty() && s.back() == separator) s.pop_back();
    }
    if (s == "-0") return "0";
    return s;
}

} // namespace

double ParseNumber(std::string_view text) {
    std::string s(text.substr(0, kShortLimit));
    if (HasSentinel(s)) return kSentinel;
    for (char& c : s) {
        if (c == ',') c = '.';
    }
    double value = 0.0;
    const std::size_t p = Val(s, value);
    if (p == 0) return value;
    if (p == 1) return 0.0;
    const char before = s[p - 2];
    if (before == '-' || before == '+') {
        // "- 7": drop the blanks behind the sign and try again.
        std::size_t end = p - 1;
        while (end < s.size() && s[end] == ' ')
            ++end;
        s.erase(p - 1, end - (p - 1));
        const std::size_t q = Val(s, value);
        if (q == 0) return value;
        if (q == 1) return 0.0;
        return ConvertPrefix(s, q);
    }
    return ConvertPrefix(s, p);
}

double NextSignedNumber(std::string_view text, std::size_t& pos) {
    return NextNumber(text.substr(0, kShortLimit), pos, kSignedStart, kSignedRun);
}

double NextSignedNumberLong(std::string_view text, std::size_t& pos) {
    return NextNumber(text, pos, kSignedStart, kSignedRun);
}

double NextDigitsNumber(std::string_view text, std::size_t& pos) {
    return NextNumber(text.substr(0, kShortLimit), pos, kDigits, kDigits);
}

double NextDigitsNumberLong(std::string_view text, std::size_t& pos) {
    return NextNumber(text, pos, kDigits, kDigits);
}

std::string FormatDouble(double value) {
    if (std::fabs(value) < 1e-9) return "0";
    return Compact(FixedText(value, 10), '.');
}

std::string FormatSingle(float value) {
    if (std::fabs(value) < 1e-7f) return "0";
    return Compact(FixedText(static_cast<double>(value), 7), '.');
}

std::string FormatLocaleDouble(double value, char decimalSeparator) {
    std::string s = FixedText(value, 10);
    for (char& c : s) {
        if (c == '.') c = decimalSeparator;
    }
    return Compact(std::move(s), decimalSeparator);
}

std::string FormatFixed(double value, int decimals, int fieldWidth) {
    // The field width only pads with blanks, which the trimming removes again.
    (void)fieldWidth;
    return FixedText(value, decimals);
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5) return lower;
    if (diff > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::int32_t ClampRoundInt(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMax = 2147483647.0;
    if (value > kMax) value = kMax;
    if (value < -kMax) value = -kMax;
    return static_cast<std::int32_t>(RoundHalfEven(value));
}

} // namespace corvane
