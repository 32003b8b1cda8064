#pragma once

// Internal helpers of the table engine: typed reads and writes of record slots and
// character-safe cutting of UTF-8 texts. Not part of the public table interface.

#include "mdb/TMdbRecord.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane::mdb_detail {

inline std::int32_t SlotInt(const TMdbRecord* record, int slot) {
    return static_cast<std::int32_t>(record->Slots()[slot]);
}

inline float SlotFloat(const TMdbRecord* record, int slot) {
    return std::bit_cast<float>(record->Slots()[slot]);
}

inline void SetSlotInt(TMdbRecord* record, int slot, std::int32_t value) {
    record->Slots()[slot] = static_cast<std::uint32_t>(value);
}

inline void SetSlotFloat(TMdbRecord* record, int slot, float value) {
    record->Slots()[slot] = std::bit_cast<std::uint32_t>(value);
}

// The first `maxChars` characters of a UTF-8 text, never cutting a character in two.
inline std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80) { // a lead byte starts the next character
            if (chars == maxChars) return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

} // namespace corvane::mdb_detail
