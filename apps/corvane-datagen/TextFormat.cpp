#include "TextFormat.h"

#include <charconv>
#include <cmath>

namespace corvane {

std::string FixedText(double value, int decimals) {
    char buffer[64];
    // -0.0 would print as "-0".
    if (value == 0 || std::abs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string ZeroPadded(std::int64_t value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

} // namespace corvane
