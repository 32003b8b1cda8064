#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace corvane {

// A field value as a variant: int32 for integer, date and code fields, double for floats
// (converted to display units where asked), text otherwise. Default: the empty text.
using TMdbVariant = std::variant<std::string, std::int32_t, double>;

} // namespace corvane
