#pragma once

#include <cstdint>

namespace corvane {

// One record: a link to the next record of the table's list followed by the table's
// SlotCount 32-bit slots in the same allocation. A slot holds an int32, the bits of a float32
// or, for text fields, a handle into the owning table's text store (0 = empty text).
// Records are created and freed only by their table (TMdb::NewRecord / FreeRecord).
class TMdbRecord {
public:
    TMdbRecord* Next = nullptr;

    std::uint32_t* Slots() { return reinterpret_cast<std::uint32_t*>(this + 1); }
    const std::uint32_t* Slots() const { return reinterpret_cast<const std::uint32_t*>(this + 1); }
};

} // namespace corvane
