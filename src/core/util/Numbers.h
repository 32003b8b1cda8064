#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Tolerant number parsing of typed and stored numbers: "," or "." as decimal point, a text
// holding the byte 0xEC gives the sentinel 1e30, trailing garbage is cut off, nonsense gives 0.
double ParseNumber(std::string_view text);

// Number tokenizers for lists of numbers. `pos` is a 0-based index into `text`; it is left on
// the first character after the number read. The signed variants read "0123456789.-+eE" runs,
// the digits-only variants plain digit runs. The short variants look at the first 255
// characters only, as the short-string routines do; the long ones at the whole text.
double NextSignedNumber(std::string_view text, std::size_t& pos);
double NextSignedNumberLong(std::string_view text, std::size_t& pos);
double NextDigitsNumber(std::string_view text, std::size_t& pos);
double NextDigitsNumberLong(std::string_view text, std::size_t& pos);

// Compact number texts for settings and files: "." as decimal point, no trailing zeros.
std::string FormatDouble(double value); // 10 decimals, |x| < 1e-9 is 0
std::string FormatSingle(float value);  // 7 decimals, |x| < 1e-7 is 0
// As FormatDouble, with the given decimal separator (the user's locale).
std::string FormatLocaleDouble(double value, char decimalSeparator);

// Fixed-point text with `decimals` decimals, right-aligned in `fieldWidth`, then trimmed.
std::string FormatFixed(double value, int decimals, int fieldWidth = 10);

// Nearest integer, ties to the even one.
double RoundHalfEven(double value);
// Clamps to -2147483647..2147483647, then rounds to the nearest integer (ties to even).
std::int32_t ClampRoundInt(double value);

} // namespace corvane
