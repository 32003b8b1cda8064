#include "selection/TLayoutSeiteAusw.h"

#include "util/Codepage.h"
#include "util/Numbers.h"
#include "util/Text.h"

#include <algorithm>

namespace corvane {

namespace {

bool IsWholePage(std::int32_t code) {
    return code >= kFirstWholePageCode && code <= kLastWholePageCode;
}

} // namespace

std::string WriteLayoutText(const TLayout& layout) {
    std::string text;
    const std::size_t count =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(layout.Count, 0)), kLayoutPages);
    for (std::size_t p = 0; p < count; ++p) {
        const auto& slots = layout.Pages[p].Slots;
        if (IsWholePage(slots[0])) {
            text += std::to_string(slots[0]) + '|';
            continue;
        }
        if (std::all_of(slots.begin(), slots.end(), [](std::int32_t c) { return c == 0; }))
            continue;
        // A diagram page always writes four codes, unused slots as empty diagram slots, so
        // that the next page's codes cannot slide into this page when the text is read back.
        for (const std::int32_t code : slots)
            text += std::to_string(code == 0 ? kEmptyDiagramSlot : code) + '|';
    }
    return text;
}

void ReadLayoutText(std::string_view text, TLayout& layout) {
    layout = TLayout{};
    std::size_t slot = kLayoutSlots; // 1-based; beyond the last slot means "start a new page"
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::int32_t value = ClampRoundInt(NextDigitsNumberLong(text, pos));
        if (value < 1) continue;
        const bool wholePage = IsWholePage(value);
        if (wholePage) {
            slot = 1;
        } else if (++slot > kLayoutSlots) {
            slot = 1;
        }
        if (slot == 1) {
            if (layout.Count >= static_cast<std::int32_t>(kLayoutPages)) break;
            ++layout.Count;
        }
        const std::int32_t code =
            wholePage || value <= kLastDiagramCode ? value : kEmptyDiagramSlot;
        layout.Pages[static_cast<std::size_t>(layout.Count) - 1].Slots[slot - 1] = code;
        // A whole-page code fills its page: the next code starts another one.
        if (wholePage) slot = kLayoutSlots;
    }
    // Empty diagram slots move behind the diagrams of their page; a whole-page evaluation
    // keeps 0 in its other slots, a diagram page is padded with empty diagram slots.
    for (std::int32_t p = 0; p < layout.Count; ++p) {
        auto& slots = layout.Pages[static_cast<std::size_t>(p)].Slots;
        const bool wholePage = IsWholePage(slots[0]);
        auto end = std::remove_if(slots.begin(), slots.end(),
                                  [](std::int32_t c) { return c == kEmptyDiagramSlot || c == 0; });
        std::fill(end, slots.end(), wholePage ? 0 : kEmptyDiagramSlot);
    }
}

std::string WriteHexText(std::string_view text) {
    std::string hex;
    hex.reserve(text.size() * 2);
    for (const char c : text)
        hex += HexPair(static_cast<std::uint8_t>(c));
    return hex;
}

std::string ReadHexText(std::string_view hex) {
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const char byte = static_cast<char>(HexValue(hex.substr(i, 2)) & 0xFF);
        if (byte != '\0') bytes += byte;
    }
    return Utf8OrCp1252ToUtf8(bytes);
}

} // namespace corvane
