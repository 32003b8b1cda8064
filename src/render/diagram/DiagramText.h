#pragma once

#include <QString>
#include <string_view>

namespace corvane {

// A UTF-8 text of the program as shown to people: the Greek-letter markers ("´phi´", "´eta´",
// ...) replaced by their letters.
QString DiagramText(std::string_view utf8);

} // namespace corvane
