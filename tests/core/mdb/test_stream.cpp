// Table stream format: byte layout, scrambling, round trips and refusal of damaged streams.

#include "mdb/EMdbError.h"
#include "mdb/TFileStream.h"
#include "mdb/TMdb.h"
#include "mdb/TMemoryStream.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Integer, string, float, then fields that never reach the stream.
class TStreamTable : public TMdb {
public:
    static constexpr int F_NR = 1, F_NAME = 2, F_WERT = 3, F_CALC = 4, F_TEMP = 5, F_DATUM = 6;
    TStreamTable() : TMdb(10, 1, "STREAMTAB", nullptr, 4711) {
        AddField(ftInteger, -1, 0, 0, 0, "NR", "Nr.", "", 0);
        AddField(ftString, -1, 40, 0, 0, "NAME", "Name", "", 0);
        AddField(ftFloat, -1, 2, 0, 0, "WERT", "Wert", "", 0);
        AddField(ftCalcText, -1, 0, 0, 0, "", "Calc", "", 0);
        AddField(ftFloatTransient, 0, 1, 0, 0, "TEMP", "T", "", 0);
        AddField(ftDate, -1, 0, 0, 0, "DATUM", "Datum", "", 0);
    }
    TMdbRecord* Add(std::int32_t nr, const std::string& name, float value, std::int32_t day = 0) {
        TMdbRecord* r = NewRecord();
        SetInt(r, F_NR, nr);
        SetText(r, F_NAME, name);
        SetFloat(r, F_WERT, value);
        SetFloat(r, F_TEMP, 99.5);
        SetInt(r, F_DATUM, day);
        return r;
    }
};

std::uint32_t Word(const Bytes& b, std::size_t offset) {
    return b[offset] | (b[offset + 1] << 8) | (b[offset + 2] << 16) |
           (static_cast<std::uint32_t>(b[offset + 3]) << 24);
}

void PutWord(Bytes& b, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        b[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The payload words of the record block at `offset`, unscrambled independently of the
// implementation: word i is XORed with the initial key rotated left i times.
std::vector<std::uint32_t> Payload(const Bytes& b, std::size_t offset) {
    const std::uint32_t count = Word(b, offset);
    std::vector<std::uint32_t> words;
    for (std::uint32_t i = 0; i < count; ++i)
        words.push_back(Word(b, offset + 4 + 4 * i) ^ std::rotl(0x5C3E91A7u, static_cast<int>(i)));
    return words;
}

Bytes Save(TMdb& table, bool viewOnly = false) {
    TMemoryStream stream;
    table.SaveToStream(stream, viewOnly);
    return stream.Bytes();
}

std::string LoadError(TMdb& table, const Bytes& bytes) {
    TMemoryStream stream(bytes);
    try {
        table.LoadFromStream(stream);
    } catch (const EMdbError& e) {
        return e.what();
    }
    return "loaded";
}

std::uint32_t Chars(const char* four) {
    std::uint32_t w;
    std::memcpy(&w, four, 4);
    return w; // the test host is little-endian like the file
}

TEST(TableStream, ByteLayoutOfHeaderAndRecords) {
    TStreamTable table;
    EXPECT_EQ(Save(table), (Bytes{0x67, 0x12, 24, 0, 0, 0, 0, 0})); // 4711 = 0x1267

    table.Add(7, "ab", 1.5f, 45000);
    table.Add(8, "abcd", -1.0f);
    table.Add(9, "", 0.0f);
    table.Add(10, "ab", 1.5f, 45000); // the same payload as record 7 apart from the number
    table.RebuildIndex(false);
    const Bytes bytes = Save(table);
    ASSERT_EQ(Word(bytes, 4), 4u);

    // Record 7: number, length 2, "ab" + zero padding, float bits, date; no calc/transient.
    std::size_t at = 8;
    EXPECT_EQ(Word(bytes, at), 5u);
    EXPECT_EQ(Payload(bytes, at),
              (std::vector<std::uint32_t>{7, 2, Chars("ab\0\0"), std::bit_cast<std::uint32_t>(1.5f),
                                          45000}));
    // Record 8: a four-character text takes two words, the second one all zero.
    at += 4 + 4 * 5;
    EXPECT_EQ(Payload(bytes, at),
              (std::vector<std::uint32_t>{8, 4, Chars("abcd"), 0,
                                          std::bit_cast<std::uint32_t>(-1.0f), 0}));
    // Record 9: an empty text is its length word only.
    at += 4 + 4 * 6;
    EXPECT_EQ(Payload(bytes, at), (std::vector<std::uint32_t>{9, 0, 0, 0}));
    // Record 10: the key restarts per record, so everything after the number matches record 7.
    at += 4 + 4 * 4;
    EXPECT_EQ(Word(bytes, at), 5u);
    EXPECT_TRUE(std::equal(bytes.begin() + at + 8, bytes.begin() + at + 24, bytes.begin() + 16));
    EXPECT_EQ(bytes.size(), at + 24);
}

TEST(TableStream, RoundTripKeepsValuesAndOrder) {
    TStreamTable table;
    table.Add(30, "Gehäuse €", -1.0f, 40000);
    table.Add(10, std::string(300, 'x'), 3.25f);
    table.Add(20, "", 1e-7f, -5);
    table.RebuildIndex(false);
    table.Sort(TStreamTable::F_NR, true);

    const Bytes keyOrder = Save(table);
    EXPECT_EQ(Payload(keyOrder, 8)[0], 10u); // ascending record numbers
    // Texts are Windows-1252 on disk: "Gehäuse €" is 9 bytes, with 0xE4 and 0x80.
    const std::vector<std::uint32_t> last = Payload(keyOrder, keyOrder.size() - 4 - 4 * 7);
    EXPECT_EQ(last[1], 9u);
    EXPECT_EQ(last[2], Chars("Geh\xE4"));
    EXPECT_EQ(last[4], 0x80u);
    TStreamTable loaded;
    TMemoryStream stream(keyOrder);
    loaded.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(keyOrder.size()));
    ASSERT_EQ(loaded.KeyIndexCount(), 3);
    // Linked in at the head as read: the view lists the reverse of the stream order.
    EXPECT_EQ(loaded.Key(loaded.ViewRecord(0)), 30);
    EXPECT_EQ(loaded.Key(loaded.ViewRecord(2)), 10);
    const TMdbRecord* r = loaded.FindByKey(30);
    EXPECT_EQ(loaded.GetText(r, TStreamTable::F_NAME), "Gehäuse €");
    EXPECT_EQ(loaded.GetFloat(r, TStreamTable::F_TEMP), 0.0f); // transient: not stored
    EXPECT_EQ(Save(loaded), keyOrder);                         // every stored value came back

    // View order writes the records as displayed (descending here).
    const Bytes viewOrder = Save(table, true);
    EXPECT_EQ(Payload(viewOrder, 8)[0], 30u);
    EXPECT_NE(viewOrder, keyOrder);
}

TEST(TableStream, DamagedStreamsAreRefusedAndLeaveTheTableEmpty) {
    TStreamTable source;
    source.Add(1, "abc", 1);
    source.Add(2, "defgh", 2);
    source.RebuildIndex(false);
    const Bytes good = Save(source);
    TStreamTable table;
    ASSERT_EQ(LoadError(table, good), "loaded");

    const auto refused = [&](Bytes bytes) {
        const std::string message = LoadError(table, bytes);
        EXPECT_TRUE(table.RecordCount() == 0 && table.KeyIndexCount() == 0);
        return message;
    };
    const char* const illegal = "Illegal byte count from stream!";
    const std::size_t second = 8 + 4 + 4 * 5;           // record 1 is 5 words, record 2 is 6
    const auto lengthWord = [&](std::uint32_t length) { // scrambled like the stored 5
        return Word(good, second + 8) ^ 5u ^ length;
    };
    const struct {
        std::size_t At;
        std::uint32_t Value;
        const char* Message;
    } cases[] = {
        // Another table's number: refused before any record is read.
        {0, 4712 | 24 << 16, "Illegal Mdb no from stream!"},
        {0, 4711 | 23 << 16, "Illegal version no from stream!"},
        // WordCount negative, too large, or not matching the fields.
        {second, 0xFFFFFFFF, illegal},
        {second, 16377, illegal},
        {second, 0x80000000, illegal},
        {second, 0, illegal},
        {second, 5, illegal},
        // A text running past its record, also one whose padding would overflow.
        {second + 8, lengthWord(12), illegal},
        {second + 8, lengthWord(0x7FFFFFFF), illegal},
        // More records than the rest of the stream holds: refused before making them.
        {4, 3, illegal},
        {4, 0x7FFFFFFF, illegal},
    };
    for (const auto& c : cases) {
        Bytes b = good;
        PutWord(b, c.At, c.Value);
        EXPECT_EQ(refused(b), c.Message) << c.At << " " << c.Value;
    }
    // Cut anywhere: a clear error, never a partial table.
    for (std::size_t size = 1; size < good.size(); ++size)
        EXPECT_NE(refused(Bytes(good.begin(), good.begin() + size)), "loaded") << size;

    // A negative record count means none.
    Bytes b = good;
    PutWord(b, 4, 0xFFFFFFFFu);
    EXPECT_EQ(LoadError(table, b), "loaded");
    EXPECT_EQ(table.RecordCount(), 0);
}

// A table without texts: a number, then 39 floats; with `gap` a transient field after the
// 20th stored one, so the payload goes to two runs of slots, the second starting mid-key.
class TWordTable : public TMdb {
public:
    static constexpr int kStored = 40;
    explicit TWordTable(bool gap) : TMdb(kStored + 2, 1, "WORDTAB", nullptr, 4712) {
        AddField(ftInteger, -1, 0, 0, 0, "NR", "Nr.", "", 0);
        for (int i = 2; i <= kStored; ++i) {
            if (gap && i == 21) transient_ = AddField(ftFloatTransient, 0, 1, 0, 0, "", "T", "", 0);
            stored_.push_back(AddField(ftFloat, -1, 2, 0, 0, "", "W", "", 0));
        }
    }
    float Value(std::int32_t nr, int i) const { return static_cast<float>(nr * 100 + i) + 0.25f; }
    void Fill(TMdbRecord* r, std::int32_t nr) {
        SetInt(r, 1, nr);
        for (std::size_t i = 0; i < stored_.size(); ++i)
            SetFloat(r, stored_[i], Value(nr, static_cast<int>(i)));
        if (transient_ != 0) SetFloat(r, transient_, 7.5);
    }
    std::vector<int> stored_;
    int transient_ = 0;
};

TEST(TableStream, NumberOnlyTablesLoadExactlyAndGiveFreedRecordsOutAsFresh) {
    for (const bool gap : {false, true}) {
        SCOPED_TRACE(gap);
        TWordTable source(gap);
        for (std::int32_t nr = 1; nr <= 3; ++nr)
            source.Fill(source.NewRecord(), nr);
        source.RebuildIndex(false);
        const Bytes good = Save(source);
        ASSERT_EQ(Payload(good, 8).size(), 40u);
        EXPECT_EQ(Payload(good, 8)[39], std::bit_cast<std::uint32_t>(source.Value(1, 38)));

        TWordTable table(gap);
        ASSERT_EQ(LoadError(table, good), "loaded");
        ASSERT_EQ(table.KeyIndexCount(), 3);
        for (std::int32_t nr = 1; nr <= 3; ++nr) {
            const TMdbRecord* r = table.KeyRecord(nr - 1);
            ASSERT_EQ(table.Key(r), nr);
            for (std::size_t i = 0; i < table.stored_.size(); ++i)
                ASSERT_EQ(table.GetFloat(r, table.stored_[i]), table.Value(nr, static_cast<int>(i)))
                    << nr << " " << i;
            if (gap) {
                EXPECT_EQ(table.GetFloat(r, table.transient_), 0.0f);
            }
        }

        // A record of one word more or less than the fields is refused.
        const std::size_t second = 8 + 4 + 4 * 40;
        Bytes longer = good;
        PutWord(longer, second, 41);
        longer.insert(longer.begin() + static_cast<std::ptrdiff_t>(second + 4 + 4 * 40), 4, 0);
        EXPECT_EQ(LoadError(table, longer), "Illegal byte count from stream!");
        Bytes shorter = good;
        PutWord(shorter, second, 39);
        shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(second + 4 + 4 * 39),
                      shorter.begin() + static_cast<std::ptrdiff_t>(second + 4 + 4 * 40));
        EXPECT_EQ(LoadError(table, shorter), "Illegal byte count from stream!");
        EXPECT_EQ(table.RecordCount(), 0);

        // Records freed one by one or all at once come back from NewRecord as new ones.
        ASSERT_EQ(LoadError(table, good), "loaded");
        for (TMdbRecord* r = gap ? table.FirstRecord() : nullptr; r != nullptr; r = r->Next)
            table.SetFloat(r, table.transient_, 7.5);
        table.FreeRecord(table.FirstRecord(), true);
        const auto fresh = [&table](const TMdbRecord* r) {
            for (int slot = 0; slot < table.SlotCount(); ++slot)
                if (r->Slots()[slot] != 0) return false;
            return true;
        };
        EXPECT_TRUE(fresh(table.NewRecord()));
        table.FreeAllRecords();
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(fresh(table.NewRecord())) << i;
        EXPECT_EQ(table.RecordCount(), 4);
    }
}

TEST(TableStream, LargestRecord) {
    // Number, length, text words, float and date: 16376 words fit, one more is refused.
    TStreamTable table;
    TMdbRecord* r = table.Add(1, std::string(4 * 16372 - 1, 'y'), 0);
    table.RebuildIndex(false);
    const Bytes bytes = Save(table);
    EXPECT_EQ(Word(bytes, 8), 16376u);
    TStreamTable loaded;
    EXPECT_EQ(LoadError(loaded, bytes), "loaded");
    EXPECT_EQ(loaded.GetText(loaded.FindByKey(1), TStreamTable::F_NAME).size(), 4u * 16372 - 1);
    table.SetText(r, TStreamTable::F_NAME, std::string(4 * 16372, 'y'));
    TMemoryStream stream;
    EXPECT_THROW(table.SaveToStream(stream, false), EMdbError);
}

TEST(Streams, ShortReadsAndCopyOnWrite) {
    TMemoryStream memory;
    memory.Seek(2); // a gap before the written data reads as zero bytes
    memory.WriteUInt16(0xBEEF);
    memory.Seek(0);
    EXPECT_EQ(memory.ReadInt32(), static_cast<std::int32_t>(0xBEEF0000u));
    EXPECT_THROW(memory.ReadUInt16(), EMdbError);
    EXPECT_THROW(memory.Seek(-1), EMdbError);

    const Bytes data{1, 0, 0, 0};
    TMemoryStream view = TMemoryStream::Over(data.data(), data.size());
    view.WriteUInt16(7); // copies, never touches the caller's bytes
    EXPECT_EQ(data[0], 1);
    EXPECT_EQ(view.Bytes(), (Bytes{7, 0, 0, 0}));

    char name[] = "/tmp/corvane-stream-XXXXXX";
    TFileStream out(::mkstemp(name), name, TFileStream::TMode::Create);
    out.WriteInt32(0x01020304);
    out.WriteUInt16(5);
    out.Close();
    TFileStream in(name, TFileStream::TMode::Read);
    EXPECT_EQ(in.ReadInt32(), 0x01020304);
    EXPECT_THROW(in.ReadInt32(), EMdbError); // two bytes left
    EXPECT_THROW(in.WriteInt32(1), EMdbError);
    std::remove(name);
    try {
        TFileStream missing(std::string(name) + "-none", TFileStream::TMode::Read);
        ADD_FAILURE() << "opened a missing file";
    } catch (const EMdbError& e) {
        EXPECT_NE(std::string(e.what()).find("-none\": No such file"), std::string::npos);
    }
}

} // namespace
} // namespace corvane
