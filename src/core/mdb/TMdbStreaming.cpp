// Table streams: the byte layout of a table in the data file, shared by every table class.
//
//   uint16 MdbNo, uint16 Version (24), int32 RecordCount, then RecordCount record blocks;
//   a block is int32 WordCount followed by WordCount payload words, scrambled per record.
//
// The payload holds the stored fields in declaration order: one word per integer, float,
// date and code field; a string is its length word L and, when L > 0, its Windows-1252
// characters with a terminating zero byte, padded with zero bytes to (L div 4) + 1 words.

#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "mdb/TStream.h"
#include "util/Codepage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <span>
#include <string>

namespace corvane {

namespace {

constexpr std::uint16_t kStreamVersion = 24;
constexpr std::int32_t kMaxPayloadWords = TMdb::kMaxPayloadWords;
constexpr std::uint32_t kScrambleKey = 0x5C3E91A7u;

[[noreturn]] void IllegalByteCount() {
    throw EMdbError("Illegal byte count from stream!");
}

std::uint32_t LoadWord(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void StoreWord(unsigned char* p, std::uint32_t value) {
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
    p[2] = static_cast<unsigned char>(value >> 16);
    p[3] = static_cast<unsigned char>(value >> 24);
}

// XOR with a key that rotates left by one bit per word and restarts for every record; the
// same operation scrambles and unscrambles. Works on the little-endian bytes in place.
void Scramble(unsigned char* payload, std::int32_t wordCount) {
    std::uint32_t key = kScrambleKey;
    for (std::int32_t i = 0; i < wordCount; ++i) {
        unsigned char* word = payload + 4 * static_cast<std::size_t>(i);
        StoreWord(word, LoadWord(word) ^ key);
        key = std::rotl(key, 1);
    }
}

// One record's payload while it is encoded or decoded: at most kMaxPayloadWords words.
struct TPayload {
    unsigned char Bytes[4 * kMaxPayloadWords];
};

bool IsWordField(TFieldType type) {
    return type == ftInteger || type == ftFloat || type == ftDate || type == ftCode;
}

// Reads the still scrambled payload of a record block whose word count was just read into
// `bytes`, refusing a count no record can have.
void ReadPayloadWords(TStream& stream, std::int32_t wordCount, unsigned char* bytes) {
    if (wordCount < 0 || wordCount > kMaxPayloadWords) IllegalByteCount();
    stream.ReadBuffer(bytes, 4 * static_cast<std::size_t>(wordCount));
}

// Reads a record block's word count and its still scrambled payload into `bytes`.
std::int32_t ReadPayload(TStream& stream, unsigned char* bytes) {
    const std::int32_t wordCount = stream.ReadInt32();
    ReadPayloadWords(stream, wordCount, bytes);
    return wordCount;
}

// Reads one record block into a new record of `table`; `bytes` has room for the largest
// payload, `fields` are the table's fields 1..FieldCount().
void ReadRecord(TMdb& table, std::span<const TMdbField> fields, TStream& stream,
                unsigned char* bytes) {
    TMdbRecord* record = table.NewRecord();
    const std::int32_t wordCount = ReadPayload(stream, bytes);
    Scramble(bytes, wordCount);

    std::int32_t pos = 0;
    for (int i = 1; i <= static_cast<int>(fields.size()); ++i) {
        const TMdbField& field = fields[static_cast<std::size_t>(i - 1)];
        if (IsWordField(field.FieldType)) {
            if (pos >= wordCount) IllegalByteCount();
            record->Slots()[field.Slot] = LoadWord(bytes + 4 * pos++);
        } else if (field.FieldType == ftString) {
            if (pos >= wordCount) IllegalByteCount();
            const auto length = static_cast<std::int32_t>(LoadWord(bytes + 4 * pos++));
            if (length <= 0) continue;
            const std::int64_t words = length / 4 + 1;
            if (words > wordCount - pos) IllegalByteCount();
            // The text ends at its first zero byte, and never beyond its stated length.
            const char* chars = reinterpret_cast<const char*>(bytes + 4 * pos);
            const std::size_t size = static_cast<std::size_t>(length);
            const void* zero = std::memchr(chars, 0, size);
            const std::size_t end = zero ? static_cast<const char*>(zero) - chars : size;
            table.SetText(record, i, Cp1252ToUtf8(std::string_view(chars, end)));
            pos += static_cast<std::int32_t>(words);
        }
    }
    if (pos != wordCount) IllegalByteCount();
}

// The scramble key of word i is kKeys[i % 32]; the table holds two turns so that 32 keys from
// any start follow one another.
constexpr std::array<std::uint32_t, 64> kKeys = [] {
    std::array<std::uint32_t, 64> keys{};
    std::uint32_t key = kScrambleKey;
    for (std::uint32_t& k : keys) {
        k = key;
        key = std::rotl(key, 1);
    }
    return keys;
}();

// Unscrambles, in place, `count` payload words just read into `words` (payload word `first`
// onwards). The XOR goes 32 keys at a time, a loop the compiler turns into vector operations.
void UnscrambleInPlace(std::uint32_t* words, std::int32_t first, std::int32_t count) {
    if constexpr (std::endian::native != std::endian::little) {
        for (std::int32_t i = 0; i < count; ++i)
            words[i] = LoadWord(reinterpret_cast<const unsigned char*>(words + i));
    }
    const std::uint32_t* keys = kKeys.data() + (first & 31);
    constexpr std::int32_t kTurn = 32;
    for (; count >= kTurn; count -= kTurn, words += kTurn)
        for (std::int32_t i = 0; i < kTurn; ++i)
            words[i] ^= keys[i];
    for (std::int32_t i = 0; i < count; ++i)
        words[i] ^= keys[i];
}

} // namespace

// ReadRecord for a table without texts: the payload is its word fields one by one. When they
// take the first slots in order, the payload is read straight into the slots; otherwise each
// run of words is copied to its slots. Either way it is unscrambled there.
void TMdb::ReadWordRecord(TStream& stream, unsigned char* bytes) {
    TMdbRecord* record = NewRecord();
    std::uint32_t* slots = record->Slots();
    const std::int32_t wordCount = stream.ReadInt32();
    if (wordCount == payloadWords_ && wordRuns_.size() == 1 && wordRuns_[0].Slot == 0) {
        stream.ReadBuffer(slots, 4 * static_cast<std::size_t>(wordCount));
        UnscrambleInPlace(slots, 0, wordCount);
        return;
    }
    ReadPayloadWords(stream, wordCount, bytes);
    if (wordCount != payloadWords_) IllegalByteCount();
    for (const TWordRun& run : wordRuns_) {
        std::uint32_t* target = slots + run.Slot;
        std::memcpy(target, bytes + 4 * static_cast<std::size_t>(run.Word),
                    4 * static_cast<std::size_t>(run.Count));
        UnscrambleInPlace(target, run.Word, run.Count);
    }
}

std::int64_t TMdb::PayloadWords(const TMdbRecord* record) const {
    std::int64_t words = 0;
    for (int i = 1; i <= fieldCount_; ++i) {
        const TMdbField& field = fields_[i];
        if (IsWordField(field.FieldType)) {
            ++words;
        } else if (field.FieldType == ftString) {
            const std::size_t length = Utf8ToCp1252(GetText(record, i)).size();
            words += 1 + (length == 0 ? 0 : static_cast<std::int64_t>(length / 4 + 1));
        }
    }
    return words;
}

void TMdb::WriteRecord(const TMdbRecord* record, TStream& stream) {
    // Every word written is set first (padding included): no need to clear.
    const auto payload = std::make_unique_for_overwrite<TPayload>();
    unsigned char* bytes = payload->Bytes;
    std::int32_t count = 0;
    const auto tooLarge = [this] {
        throw EMdbError("Record of table " + tableName_ + " is too large for the stream!");
    };

    for (int i = 1; i <= fieldCount_; ++i) {
        const TMdbField& field = fields_[i];
        if (IsWordField(field.FieldType)) {
            if (count >= kMaxPayloadWords) tooLarge();
            StoreWord(bytes + 4 * count++, record->Slots()[field.Slot]);
        } else if (field.FieldType == ftString) {
            const std::string text = Utf8ToCp1252(GetText(record, i));
            if (count >= kMaxPayloadWords) tooLarge();
            // Refused before the length is narrowed, so the length word is always exact.
            const std::size_t words = text.empty() ? 0 : text.size() / 4 + 1;
            if (words > static_cast<std::size_t>(kMaxPayloadWords - count - 1)) tooLarge();
            StoreWord(bytes + 4 * count++, static_cast<std::uint32_t>(text.size()));
            if (words > 0) {
                unsigned char* chars = bytes + 4 * count;
                std::memset(chars, 0, 4 * words);
                std::memcpy(chars, text.data(), text.size());
                count += static_cast<std::int32_t>(words);
            }
        }
    }

    stream.WriteInt32(count);
    Scramble(bytes, count);
    stream.WriteBuffer(bytes, 4 * static_cast<std::size_t>(count));
}

void TMdb::SaveToStream(TStream& stream, bool viewOnly) {
    // The identity number is at most 65535 (checked when the table is made).
    stream.WriteUInt16(static_cast<std::uint16_t>(mdbNo_));
    stream.WriteUInt16(kStreamVersion);
    const int count = viewOnly ? ViewCount() : KeyIndexCount();
    stream.WriteInt32(count);
    for (int i = 0; i < count; ++i) {
        const TMdbRecord* record = viewOnly ? ViewRecord(i) : KeyRecord(i);
        WriteRecord(record, stream);
    }
}

// A refused stream leaves the table empty: the records read before the fault are freed, not
// kept. A partly read table cannot be told apart from a complete one by its users, and
// records left in the list but not indexed would be seen by list walks (FindByValue, delete
// guards) yet not by key look-ups.
void TMdb::LoadFromStream(TStream& stream) {
    FreeAllRecords();
    try {
        const std::uint16_t mdbNo = stream.ReadUInt16();
        const std::uint16_t version = stream.ReadUInt16();
        const std::int32_t recordCount = stream.ReadInt32();
        if (mdbNo != mdbNo_) throw EMdbError("Illegal Mdb no from stream!");
        if (version != kStreamVersion) throw EMdbError("Illegal version no from stream!");

        if (recordCount > 0) {
            // Every block holds its WordCount and at least one word per stored field. A count
            // the rest of the stream cannot hold is refused before any record is made, so a
            // damaged count never makes the table allocate without bound.
            const std::int64_t minBlock = 4 + 4 * std::int64_t{storedFields_};
            const std::int64_t remaining = stream.Size() - stream.Position();
            if (recordCount > remaining / minBlock) IllegalByteCount();

            // Only the words a block states are read and looked at: no need to clear.
            const auto payload = std::make_unique_for_overwrite<TPayload>();
            if (!storesTexts_) {
                for (std::int32_t r = 0; r < recordCount; ++r)
                    ReadWordRecord(stream, payload->Bytes);
            } else {
                const std::span<const TMdbField> fields(fields_.data() + 1,
                                                        static_cast<std::size_t>(fieldCount_));
                for (std::int32_t r = 0; r < recordCount; ++r)
                    ReadRecord(*this, fields, stream, payload->Bytes);
            }
        }
        RebuildIndex(false);
    } catch (...) {
        FreeAllRecords();
        throw;
    }
}

} // namespace corvane
