#include "util/Text.h"

#include <limits>

namespace corvane {

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Byte offset of the code point with the 0-based index `index`, or text.size().
std::size_t OffsetOfChar(std::string_view text, std::size_t index) {
    std::size_t i = 0;
    while (i < text.size() && index > 0) {
        ++i;
        while (i < text.size() && IsContinuation(static_cast<unsigned char>(text[i])))
            ++i;
        --index;
    }
    return i;
}

std::size_t CharCount(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) {
        if (!IsContinuation(static_cast<unsigned char>(c))) ++n;
    }
    return n;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string UpperText(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // ä ö ü are C3 A4, C3 B6, C3 BC; their capitals are 0x20 lower.
            const unsigned char next = static_cast<unsigned char>(out[i + 1]);
            if (next == 0xA4 || next == 0xB6 || next == 0xBC)
                out[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return out;
}

unsigned char UpperChar(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
    if (c == 0xE4 || c == 0xF6 || c == 0xFC) // ä ö ü in Windows-1252
        return static_cast<unsigned char>(c - 0x20);
    return c;
}

std::string HexPair(std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string{kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::int64_t HexValue(std::string_view text) {
    std::uint64_t value = 0; // unsigned: long texts wrap instead of overflowing
    for (const char raw : UpperText(Trim(text))) {
        int digit = -1;
        if (raw >= '0' && raw <= '9')
            digit = raw - '0';
        else if (raw >= 'A' && raw <= 'F')
            digit = raw - 'A' + 10;
        if (digit >= 0) value = (value << 4) + static_cast<std::uint64_t>(digit);
    }
    return static_cast<std::int64_t>(value);
}

// Left, right and middle parts count characters (UTF-8 code points), never split one.
std::string LeftPart(std::string_view text, std::size_t n) {
    const std::size_t count = CharCount(text);
    std::string out(text.substr(0, OffsetOfChar(text, n)));
    if (count < n) out.append(n - count, ' ');
    return out;
}

std::string RightPart(std::string_view text, std::size_t n) {
    const std::size_t count = CharCount(text);
    if (count >= n) return std::string(text.substr(OffsetOfChar(text, count - n)));
    return std::string(n - count, ' ') + std::string(text);
}

std::string MidPart(std::string_view text, std::size_t start1, std::size_t n) {
    if (start1 == 0) start1 = 1;
    const std::size_t begin = OffsetOfChar(text, start1 - 1);
    if (begin >= text.size()) return std::string();
    const std::string_view rest = text.substr(begin);
    return std::string(rest.substr(0, OffsetOfChar(rest, n)));
}

std::string NextField(std::string_view text, char separator, std::size_t& pos) {
    if (pos >= text.size()) {
        pos = std::string_view::npos;
        return std::string();
    }
    const std::size_t end = text.find(separator, pos);
    std::string field(text.substr(pos, end == std::string_view::npos ? end : end - pos));
    pos = end == std::string_view::npos ? std::string_view::npos : end + 1;
    return field;
}

std::string BlanksToZeros(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == ' ') c = '0';
    }
    return out;
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
    if (pattern.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, pattern.size(), pattern) == 0) {
            out.append(replacement);
            i += pattern.size();
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

std::string StripTrailingSeparator(std::string_view path) {
    if (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.remove_suffix(1);
    return std::string(path);
}

} // namespace corvane
