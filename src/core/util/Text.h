#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Short-string helpers. Texts are UTF-8 inside the program.

// Upper-cases a-z and the German umlauts ä ö ü (UTF-8 in, UTF-8 out); everything else unchanged.
std::string UpperText(std::string_view text);
// The same for one Windows-1252 byte.
unsigned char UpperChar(unsigned char c);

std::string HexPair(std::uint8_t value);                     // "0A"
std::int64_t HexValue(std::string_view text);                // ignores non-hex characters
std::string LeftPart(std::string_view text, std::size_t n);  // padded with blanks to n
std::string RightPart(std::string_view text, std::size_t n); // padded in front to n
std::string MidPart(std::string_view text, std::size_t start1, std::size_t n); // 1-based start
// Characters from `pos` up to the next separator; moves `pos` behind the separator. After the
// last field `pos` becomes std::string_view::npos.
std::string NextField(std::string_view text, char separator, std::size_t& pos);
std::string BlanksToZeros(std::string_view text);
std::string Trim(std::string_view text); // blanks (and tabs/CR/LF) removed at both ends
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement);
std::string StripTrailingSeparator(std::string_view path); // one trailing '/' or '\'

} // namespace corvane
