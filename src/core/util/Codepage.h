#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// 8-bit texts of the data file are Windows-1252; inside the program texts are UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// Decodes UTF-8 when the bytes are valid UTF-8, else reads them as Windows-1252.
std::string Utf8OrCp1252ToUtf8(std::string_view bytes);

// The first character of a UTF-8 text that Windows-1252 cannot store: its 1-based position
// in characters and its code point, or a broken UTF-8 sequence there. Position 0: every
// character can be stored.
struct TUnstorableChar {
    std::size_t Position = 0;
    std::size_t Byte = 0; // where the character starts in the text
    char32_t CodePoint = 0;
    bool BrokenUtf8 = false;
};
TUnstorableChar FindUnstorableCp1252(std::string_view utf8);

} // namespace corvane
