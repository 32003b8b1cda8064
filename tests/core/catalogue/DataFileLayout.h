#pragma once

// Where things are in a data file image, for structural damage: the series blocks of the
// measured-points section and the tables after it, with their record blocks, and the
// scrambled payload words of a record.

#include "CatalogueTestData.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace corvane::test {

// One table stream: its header, the start of each record block and the first byte after it.
struct TStreamLayout {
    std::size_t Header = 0;
    std::vector<std::size_t> Records;
    std::size_t End = 0;
};

struct TImageLayout {
    std::vector<TStreamLayout> SeriesBlocks; // in file order
    std::vector<TStreamLayout> Tables;       // BILDER ... HDRMAIN
};

inline TStreamLayout WalkStream(const Bytes& b, std::size_t at) {
    TStreamLayout stream;
    stream.Header = at;
    const std::uint32_t count = Word(b, at + 4);
    std::size_t pos = at + 8;
    for (std::uint32_t r = 0; r < count; ++r) {
        stream.Records.push_back(pos);
        pos += 4 + 4 * std::size_t{Word(b, pos)};
    }
    stream.End = pos;
    return stream;
}

inline TImageLayout WalkImage(const Bytes& b) {
    TImageLayout layout;
    const std::size_t sectionEnd = Word(b, 4);
    std::size_t pos = 12 + 4 * std::size_t{Word(b, 8)};
    while (pos < sectionEnd) {
        layout.SeriesBlocks.push_back(WalkStream(b, pos));
        pos = layout.SeriesBlocks.back().End;
    }
    pos = sectionEnd;
    while (pos < b.size()) {
        layout.Tables.push_back(WalkStream(b, pos));
        pos = layout.Tables.back().End;
    }
    return layout;
}

// The plain value of payload word `index` of the record block at `record`, and setting it.
inline std::uint32_t PayloadWord(const Bytes& b, std::size_t record, std::size_t index) {
    return Word(b, record + 4 + 4 * index) ^ std::rotl(0x5C3E91A7u, static_cast<int>(index % 32));
}

inline void PutPayloadWord(Bytes& b, std::size_t record, std::size_t index, std::uint32_t value) {
    PutWord(b, record + 4 + 4 * index,
            value ^ std::rotl(0x5C3E91A7u, static_cast<int>(index % 32)));
}

// Index of the first payload word of the record holding `value`, or -1.
inline int FindPayloadWord(const Bytes& b, std::size_t record, std::uint32_t value) {
    const std::uint32_t words = Word(b, record);
    for (std::uint32_t i = 0; i < words; ++i)
        if (PayloadWord(b, record, i) == value) return static_cast<int>(i);
    return -1;
}

// Inserts bytes inside the measured-points section and moves the section end and every series
// offset behind the insertion point (offsets are found by value in the series records).
inline void InsertIntoSection(Bytes& b, std::size_t at, const Bytes& inserted) {
    const TImageLayout layout = WalkImage(b);
    const auto grow = static_cast<std::uint32_t>(inserted.size());
    for (const std::size_t record : layout.Tables.back().Records) {
        for (const TStreamLayout& block : layout.SeriesBlocks) {
            if (block.Header < at) continue;
            const int word = FindPayloadWord(b, record, static_cast<std::uint32_t>(block.Header));
            if (word >= 0)
                PutPayloadWord(b, record, static_cast<std::size_t>(word),
                               static_cast<std::uint32_t>(block.Header) + grow);
        }
    }
    PutWord(b, 4, Word(b, 4) + grow);
    b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(), inserted.end());
}

// A copy of the record block at `record`.
inline Bytes RecordBlock(const Bytes& b, std::size_t record) {
    const std::size_t size = 4 + 4 * std::size_t{Word(b, record)};
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(record),
                 b.begin() + static_cast<std::ptrdiff_t>(record + size));
}

} // namespace corvane::test
