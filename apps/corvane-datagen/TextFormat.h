#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// Locale-free number texts for generated records and files.
std::string FixedText(double value, int decimals);
// An integer right-aligned in `width` digits with leading zeros.
std::string ZeroPadded(std::int64_t value, int width);

} // namespace corvane
