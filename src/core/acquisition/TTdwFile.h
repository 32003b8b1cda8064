#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// One exchange file with the test rig's acquisition program: a single record at offset 0,
// little-endian.
//
//   offset    0  int32   sequence, incremented by the writer on every write
//             4  int16   channel count (at most 128)
//             6  768     128 channel values as 6-byte reals
//           774  int32   copy of the sequence; a reader that finds it different from the
//                        first one has read a torn record
//           778  3840    128 channel descriptors of 30 bytes: name (length byte + 20
//                        characters), unit (length byte + 8 characters)
//
// A full record is 4618 bytes, the short form the first 780 (values only). A writer writes
// the full record once after opening and the short form afterwards. Channels are 1-based.
class TTdwFile {
public:
    static constexpr int kMaxChannels = 128;
    static constexpr std::size_t kShortSize = 780;
    static constexpr std::size_t kFullSize = 4618;
    static constexpr std::size_t kNameLength = 20;
    static constexpr std::size_t kUnitLength = 8;

    // Results of Exchange().
    static constexpr int kNewData = 1; // reading: fresh record; writing: written
    static constexpr int kNothing = 0; // reading: nothing new; writing: failed
    static constexpr int kTorn = -1;
    static constexpr int kReadError = -2;
    static constexpr int kSeekError = -3;

    explicit TTdwFile(int channelCount = kMaxChannels);
    ~TTdwFile();
    TTdwFile(const TTdwFile&) = delete;
    TTdwFile& operator=(const TTdwFile&) = delete;

    // Choose the file and the direction; the file itself is opened by the next Exchange.
    void OpenForRead(const std::string& path);
    void OpenForWrite(const std::string& path);
    void Close();

    // Reading: 1 fresh record, 0 nothing new (also once after the writer restarted), -1 torn
    // record, -2 read error (also: file missing or too short), -3 seek error. The first
    // record a reader sees after opening is taken as the starting point, not as fresh data:
    // it may be left over from an earlier run.
    // Writing: 1 written, 0 failed.
    int Exchange();

    // 0 for a channel beyond the channel count. A reader takes the count from the record.
    double Value(int channel) const;
    // Ignored for a channel beyond the channel count.
    void SetValue(int channel, double value);
    // Descriptor of a channel (written with the full record, read from a full record).
    void SetChannelName(int channel, const std::string& name, const std::string& unit);
    std::string ChannelName(int channel) const;
    std::string ChannelUnit(int channel) const;

    int ChannelCount() const { return channelCount_; }
    std::int32_t Sequence() const { return sequence_; }
    bool IsOpen() const { return fd_ >= 0; }
    bool IsWriter() const { return writer_; }
    const std::string& Path() const { return path_; }

private:
    int Read();
    int Write();
    bool OpenFile();
    // The file at the path is no longer the one we hold open (replaced or deleted).
    bool FileReplaced() const;
    void DecodeDescriptors();
    void EncodeValues();

    std::string path_;
    bool writer_ = false;
    int fd_ = -1;
    int channelCount_;
    bool fullDue_ = true;
    bool seenAny_ = false;
    std::int32_t sequence_ = 0;
    std::vector<std::uint8_t> buffer_;
    std::array<double, kMaxChannels> values_{};
    std::array<std::string, kMaxChannels> names_;
    std::array<std::string, kMaxChannels> units_;
};

} // namespace corvane
