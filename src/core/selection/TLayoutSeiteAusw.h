#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::size_t kLayoutCount = 5;
inline constexpr std::size_t kLayoutPages = 20;
inline constexpr std::size_t kLayoutSlots = 4;

// Slot codes of an evaluation page: 1..28 a diagram, 99 an empty diagram slot, 0 unused,
// 89..98 a whole-page evaluation (in slot 1, the other slots 0).
inline constexpr std::int32_t kEmptyDiagramSlot = 99;
inline constexpr std::int32_t kFirstWholePageCode = 89;
inline constexpr std::int32_t kLastWholePageCode = 98;
inline constexpr std::int32_t kLastDiagramCode = 28;

struct TLayoutPage {
    std::array<std::int32_t, kLayoutSlots> Slots{};
    std::string Remark; // UTF-8

    bool operator==(const TLayoutPage&) const = default;
};

struct TLayout {
    std::int32_t Count = 0; // pages in use, 0..20
    std::array<TLayoutPage, kLayoutPages> Pages{};

    bool operator==(const TLayout&) const = default;
};

// The five evaluation layouts.
struct TLayoutSeiteAusw {
    std::array<TLayout, kLayoutCount> Layouts{};

    bool operator==(const TLayoutSeiteAusw&) const = default;
};

// Layout text: for pages 1..Count each slot code followed by "|"; a whole-page evaluation
// writes its code only, a diagram page all four slots (unused ones as 99).
std::string WriteLayoutText(const TLayout& layout);
// Rebuilds the pages from a layout text; the remarks are cleared. Diagram codes fill the four
// slots of a page, a whole-page code (90..98) takes a page of its own, unknown codes become
// empty diagram slots. Empty slots end up behind the diagrams of their page. Never produces
// more than 20 pages: codes that would open a 21st page are ignored.
void ReadLayoutText(std::string_view text, TLayout& layout);

// Hex text of a remark: each byte as two upper-case hex digits.
std::string WriteHexText(std::string_view text);
// Decodes pairs of hex characters (a character that is no hex digit is skipped within its
// pair, an odd last character is ignored). Bytes that do
// not form valid UTF-8 are read as Windows-1252; NUL bytes are dropped.
std::string ReadHexText(std::string_view hex);

} // namespace corvane
