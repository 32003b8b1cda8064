// The exchange file: record layout, short and full records, the reader's rules for torn
// records and writer restarts, errors, and a writer in another thread and process.

#include "AcquisitionTestSupport.h"
#include "acquisition/Real48.h"
#include "acquisition/TTdwFile.h"

#include <atomic>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace corvane {
namespace {

using test::TTempFolder;

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PokeBytes(const std::string& path, std::size_t offset, const void* data, std::size_t size) {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(offset));
    f.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::int32_t Int32At(const std::vector<std::uint8_t>& b, std::size_t offset) {
    std::int32_t v = 0;
    std::memcpy(&v, b.data() + offset, 4);
    return v;
}

TEST(TdwFile, WriterLaysOutFullThenShortRecords) {
    TTempFolder dir;
    const std::string path = dir.File("out.tdw");
    TTdwFile writer(16);
    writer.OpenForWrite(path);
    writer.SetValue(1, 7);
    writer.SetValue(16, -1013.25);
    writer.SetValue(17, 99); // beyond the count: ignored
    writer.SetChannelName(4, "Raumtemperatur-Messstelle-1", "Grad Celsius");
    writer.SetChannelName(128, "Letzter", "V");
    writer.SetChannelName(129, "Zu weit", "V"); // ignored
    ASSERT_EQ(writer.Exchange(), TTdwFile::kNewData);

    std::vector<std::uint8_t> b = FileBytes(path);
    ASSERT_EQ(b.size(), TTdwFile::kFullSize);
    EXPECT_EQ(Int32At(b, 0), 0);
    EXPECT_EQ(Int32At(b, 774), 0);
    EXPECT_EQ(b[4] | b[5] << 8, 16);
    EXPECT_EQ(0, std::memcmp(b.data() + 6, DoubleToReal48(7).data(), 6));
    EXPECT_EQ(0, std::memcmp(b.data() + 6 + 15 * 6, DoubleToReal48(-1013.25).data(), 6));
    EXPECT_EQ(0, std::memcmp(b.data() + 6 + 16 * 6, TReal48{}.data(), 6));
    // Descriptor of channel 4: name cut to 20 characters, unit to 8.
    const std::size_t d = 778 + 3 * 30;
    EXPECT_EQ(b[d], 20);
    EXPECT_EQ(std::string(b.begin() + d + 1, b.begin() + d + 21), "Raumtemperatur-Messs");
    EXPECT_EQ(b[d + 21], 8);
    EXPECT_EQ(std::string(b.begin() + d + 22, b.begin() + d + 30), "Grad Cel");
    TTdwFile reader;
    reader.OpenForRead(path);
    reader.Exchange();
    EXPECT_EQ(reader.ChannelName(128), "Letzter");
    EXPECT_EQ(reader.ChannelUnit(128), "V");
    EXPECT_EQ(reader.ChannelName(129), "");

    // Later writes: the sequence counts up in both places, only the first 780 bytes change.
    PokeBytes(path, 4000, "X", 1);
    writer.SetValue(1, 8);
    ASSERT_EQ(writer.Exchange(), TTdwFile::kNewData);
    ASSERT_EQ(writer.Exchange(), TTdwFile::kNewData);
    b = FileBytes(path);
    EXPECT_EQ(Int32At(b, 0), 2);
    EXPECT_EQ(Int32At(b, 774), 2);
    EXPECT_EQ(b[4000], 'X');
    EXPECT_EQ(0, std::memcmp(b.data() + 6, DoubleToReal48(8).data(), 6));
}

TEST(TdwFile, ReaderReportsFreshDataOncePerWrite) {
    TTempFolder dir;
    const std::string path = dir.File("in.tdw");
    TTdwFile writer(89);
    TTdwFile reader(16);
    writer.OpenForWrite(path);
    reader.OpenForRead(path);
    EXPECT_EQ(reader.Exchange(), TTdwFile::kReadError); // no file yet

    writer.SetValue(89, 12.5);
    writer.SetChannelName(89, "Res11", "");
    writer.Exchange();
    // What lies in the file when the reader opens it may be old: the starting point.
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNothing);
    EXPECT_EQ(reader.ChannelCount(), 89);
    EXPECT_EQ(reader.Value(89), 12.5);
    EXPECT_EQ(reader.ChannelName(89), "Res11");

    writer.SetValue(89, 13.5);
    writer.Exchange();
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNewData);
    EXPECT_EQ(reader.Value(89), 13.5);
    EXPECT_EQ(reader.Sequence(), 1);
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNothing);
    EXPECT_EQ(reader.Value(89), 13.5);
    EXPECT_EQ(reader.Value(90), 0.0);
    EXPECT_EQ(reader.Value(0), 0.0);
    EXPECT_EQ(reader.Value(-3), 0.0);

    // Closing forgets the position: the next record is a starting point again.
    writer.Exchange();
    reader.Close();
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNothing);
}

TEST(TdwFile, TornRecordIsIgnoredUntilConsistent) {
    TTempFolder dir;
    const std::string path = dir.File("in.tdw");
    TTdwFile writer(4);
    TTdwFile reader;
    writer.OpenForWrite(path);
    reader.OpenForRead(path);
    writer.SetValue(2, 1);
    writer.Exchange();
    reader.Exchange();

    // The writer was caught halfway: new values and first sequence, old sequence copy.
    writer.SetValue(2, 2);
    writer.Exchange();
    const std::int32_t old = 0;
    PokeBytes(path, 774, &old, 4);
    EXPECT_EQ(reader.Exchange(), TTdwFile::kTorn);
    EXPECT_EQ(reader.Value(2), 1.0); // the values of the torn record are not taken
    EXPECT_EQ(reader.Sequence(), 0);

    const std::int32_t done = 1;
    PokeBytes(path, 774, &done, 4);
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNewData);
    EXPECT_EQ(reader.Value(2), 2.0);
}

// A second process restarts the writer: its sequence starts at 0 again, which the reader
// answers with "nothing new" once and a full read next, which brings the new descriptors.
TEST(TdwFile, WriterRestartInAnotherProcessForcesAFullRead) {
    TTempFolder dir;
    const std::string path = dir.File("in.tdw");
    TTdwFile reader;
    reader.OpenForRead(path);
    {
        TTdwFile first(4);
        first.OpenForWrite(path);
        first.SetChannelName(1, "alt", "");
        for (int i = 0; i < 4; ++i) {
            first.SetValue(1, i);
            first.Exchange();
            reader.Exchange();
        }
    }
    ASSERT_EQ(reader.Sequence(), 3);
    ASSERT_EQ(reader.ChannelName(1), "alt");

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TTdwFile restarted(4);
        restarted.OpenForWrite(path);
        restarted.SetChannelName(1, "neu", "");
        restarted.SetValue(1, 100);
        ::_exit(restarted.Exchange() == TTdwFile::kNewData ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    EXPECT_EQ(reader.Exchange(), TTdwFile::kNothing);
    EXPECT_EQ(reader.Sequence(), 0);
    EXPECT_EQ(reader.Value(1), 100.0);
    EXPECT_EQ(reader.ChannelName(1), "alt"); // a short read
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNothing);
    EXPECT_EQ(reader.ChannelName(1), "neu"); // the full read after the restart

    TTdwFile again(4);
    again.OpenForWrite(path); // another restart, in this process: 0 then 1
    again.Exchange();
    again.SetValue(1, 101);
    again.Exchange();
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNewData);
    EXPECT_EQ(reader.Value(1), 101.0);
}

TEST(TdwFile, DamagedFilesAreReadErrors) {
    TTempFolder dir;
    const std::string path = dir.File("in.tdw");
    TTdwFile reader;
    reader.OpenForRead(path);
    std::ofstream(path, std::ios::binary) << std::string(779, '\0');
    EXPECT_EQ(reader.Exchange(), TTdwFile::kReadError);

    // The short form alone carries the values; a count beyond 128 is cut to 128.
    std::vector<std::uint8_t> record(TTdwFile::kShortSize, 0);
    const std::int32_t sequence = 5;
    std::memcpy(record.data(), &sequence, 4);
    std::memcpy(record.data() + 774, &sequence, 4);
    record[4] = 0xFF;
    record[5] = 0x7F;
    const TReal48 last = DoubleToReal48(-4.5);
    std::memcpy(record.data() + 6 + 127 * 6, last.data(), 6);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(record.data()),
               static_cast<std::streamsize>(record.size()));
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNothing);
    EXPECT_EQ(reader.ChannelCount(), 128);
    EXPECT_EQ(reader.Value(128), -4.5);

    // A negative count gives no channels at all.
    record[4] = 0x00;
    record[5] = 0x80;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(record.data()),
               static_cast<std::streamsize>(record.size()));
    reader.Exchange();
    EXPECT_EQ(reader.ChannelCount(), 0);
    EXPECT_EQ(reader.Value(1), 0.0);

    TTdwFile writer;
    writer.OpenForWrite(dir.File("no/such/folder/out.tdw"));
    EXPECT_EQ(writer.Exchange(), TTdwFile::kNothing);
    EXPECT_FALSE(writer.IsOpen());
}

// A writer that replaces its file (new inode) is followed by the reader.
TEST(TdwFile, ReaderFollowsAReplacedFile) {
    TTempFolder dir;
    const std::string path = dir.File("in.tdw");
    TTdwFile reader;
    reader.OpenForRead(path);
    {
        TTdwFile writer(2);
        writer.OpenForWrite(path);
        for (int i = 0; i < 5; ++i)
            writer.Exchange();
        reader.Exchange();
    }
    ASSERT_EQ(0, ::unlink(path.c_str()));
    EXPECT_EQ(reader.Exchange(), TTdwFile::kReadError);
    TTdwFile writer(2);
    writer.OpenForWrite(path);
    writer.Exchange();
    writer.SetValue(2, 42);
    writer.Exchange();
    writer.Exchange();
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNothing); // restart: 2 after 4
    writer.Exchange();
    EXPECT_EQ(reader.Exchange(), TTdwFile::kNewData);
    EXPECT_EQ(reader.Value(2), 42.0);
}

// A writer thread hammers the file while the reader polls: every record the reader takes
// is consistent (all channels from one write), torn ones are reported, never taken.
TEST(TdwFile, ConcurrentWriterNeverYieldsMixedRecords) {
    TTempFolder dir;
    const std::string path = dir.File("in.tdw");
    constexpr int kWrites = 20000;
    std::atomic<bool> started{false};
    std::thread writerThread([&] {
        TTdwFile writer(128);
        writer.OpenForWrite(path);
        for (int i = 0; i < kWrites; ++i) {
            for (int channel = 1; channel <= 128; ++channel)
                writer.SetValue(channel, i * 1000.0 + channel);
            writer.Exchange();
            started = true;
        }
    });
    while (!started)
        std::this_thread::yield();

    TTdwFile reader;
    reader.OpenForRead(path);
    int fresh = 0;
    int torn = 0;
    std::int32_t last = -1;
    for (int polls = 0; polls < 200000 && last < kWrites - 1; ++polls) {
        const int result = reader.Exchange();
        if (result == TTdwFile::kTorn) ++torn;
        if (result < 0) continue;
        if (result == TTdwFile::kNewData) {
            ++fresh;
            ASSERT_GT(reader.Sequence(), last);
        }
        last = reader.Sequence();
        for (int channel = 1; channel <= 128; ++channel)
            ASSERT_EQ(reader.Value(channel), last * 1000.0 + channel) << "sequence " << last;
    }
    writerThread.join();
    EXPECT_GT(fresh, 0);
    RecordProperty("TornRecords", torn);
}

} // namespace
} // namespace corvane
