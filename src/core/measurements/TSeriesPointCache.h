#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace corvane {

class TMdb;
class TMdbRecord;
struct TSeriesBase;

// Raw measured points per series, kept in memory after the first read from the data file so
// that switching between series (the search does it for every candidate) never touches the
// disk again. It holds the slot images of the records exactly as they were read, in list
// order, and gives them back as identical records. Shared by every measured-points table of
// a catalogue; the catalogue clears it when it opens another file.
//
// With the points it can keep their base evaluation (the part that does not depend on the
// conversion targets), which the measured-points tables compute once per series. Every
// stored copy gets a new serial number; a base is kept and given out only for the copy it
// was computed from.
class TSeriesPointCache {
public:
    // The slot images of a table's records, in list order, kept by what differs between
    // them: most slots of a series' points (the series, the rig set-up, values not measured)
    // are equal in every point. Outside [VaryingBegin, VaryingEnd) every record holds the
    // slots of the first one (Common); inside, each record has its own.
    struct TImage {
        int SlotCount = 0;
        int RecordCount = 0;
        std::vector<std::uint32_t> Common; // SlotCount slots, empty without records
        std::size_t VaryingBegin = 0;
        std::size_t VaryingEnd = 0;
        std::vector<std::uint32_t> Varying; // RecordCount blocks of VaryingEnd - VaryingBegin
    };
    // Makes `image` the image of the records of `table` (all but `except`), in the storage
    // it has. False for tables with text fields, whose slots hold handles.
    static bool ImageOf(const TMdb& table, TImage& image, const TMdbRecord* except = nullptr);

    // Copies the records of `table` (all but `except`) as the points of `seriesNo`,
    // replacing an older copy. Tables with text fields are not cached (their slots hold
    // handles); returns false then.
    bool Store(std::int32_t seriesNo, const TMdb& table, const TMdbRecord* except = nullptr);
    // Takes `image` as the points of `seriesNo`, replacing an older copy.
    void Adopt(std::int32_t seriesNo, TImage image);
    // Replaces the records of `table` by the stored points of `seriesNo` and rebuilds its
    // indexes, as a load from the file does. False (table untouched) when not cached or
    // stored from a table of another record size.
    bool Restore(std::int32_t seriesNo, TMdb& table) const;
    bool Contains(std::int32_t seriesNo) const { return series_.count(seriesNo) != 0; }
    // Serial number of the stored copy of `seriesNo`, 0 when there is none.
    std::uint64_t Serial(std::int32_t seriesNo) const;
    // The base evaluation kept for copy `serial` of `seriesNo`, or nullptr.
    std::shared_ptr<const TSeriesBase> Base(std::int32_t seriesNo, std::uint64_t serial) const;
    // Keeps the base evaluation of copy `serial` (ignored when that copy is gone).
    void KeepBase(std::int32_t seriesNo, std::uint64_t serial,
                  std::shared_ptr<const TSeriesBase> base);
    void Forget(std::int32_t seriesNo) { series_.erase(seriesNo); }
    void Clear() { series_.clear(); }
    std::size_t SeriesCount() const { return series_.size(); }
    // Bytes held by the stored slot images.
    std::size_t SlotBytes() const;

private:
    struct TEntry {
        TImage Image;
        std::uint64_t Serial = 0;
        std::shared_ptr<const TSeriesBase> Base;
    };
    std::unordered_map<std::int32_t, TEntry> series_;
    std::uint64_t lastSerial_ = 0;
};

} // namespace corvane
