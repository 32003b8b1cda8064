#pragma once

#include <string>
#include <string_view>

namespace corvane {

// 8-bit texts of the data file are Windows-1252; inside the program texts are UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// Decodes UTF-8 when the bytes are valid UTF-8, else reads them as Windows-1252.
std::string Utf8OrCp1252ToUtf8(std::string_view bytes);

} // namespace corvane
