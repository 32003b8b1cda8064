#include "measurements/TSeriesPointCache.h"

#include "mdb/TMdb.h"
#include "measurements/TSeriesBase.h"

#include <cstring>

namespace corvane {

bool TSeriesPointCache::ImageOf(const TMdb& table, TImage& image, const TMdbRecord* except) {
    if (table.StoresTexts()) return false;
    image.SlotCount = table.SlotCount();
    image.RecordCount = 0;
    image.Common.clear();
    image.Varying.clear();
    const auto slotCount = static_cast<std::size_t>(image.SlotCount);
    const auto taken = [except](const TMdbRecord* r) { return r != except; };
    // The range of slots in which any record differs from the first.
    const std::uint32_t* first = nullptr;
    std::size_t begin = slotCount;
    std::size_t end = 0;
    for (const TMdbRecord* r = table.FirstRecord(); r != nullptr; r = r->Next) {
        if (!taken(r)) continue;
        ++image.RecordCount;
        const std::uint32_t* slots = r->Slots();
        if (first == nullptr) {
            first = slots;
            continue;
        }
        // Mostly the range found so far holds: two block compares tell.
        const auto equal = [slots, first](std::size_t from, std::size_t to) {
            return std::memcmp(slots + from, first + from, (to - from) * sizeof(std::uint32_t)) ==
                   0;
        };
        if (begin > 0 && !equal(0, begin)) {
            std::size_t i = 0;
            while (slots[i] == first[i])
                ++i;
            begin = i;
        }
        if (end < slotCount && !equal(end, slotCount)) {
            std::size_t j = slotCount;
            while (slots[j - 1] == first[j - 1])
                --j;
            end = j;
        }
    }
    if (first == nullptr) return true;
    image.Common.assign(first, first + slotCount);
    if (begin >= end) begin = end = 0;
    image.VaryingBegin = begin;
    image.VaryingEnd = end;
    image.Varying.reserve((end - begin) * static_cast<std::size_t>(image.RecordCount));
    for (const TMdbRecord* r = table.FirstRecord(); r != nullptr; r = r->Next)
        if (taken(r))
            image.Varying.insert(image.Varying.end(), r->Slots() + begin, r->Slots() + end);
    return true;
}

bool TSeriesPointCache::Store(std::int32_t seriesNo, const TMdb& table, const TMdbRecord* except) {
    TImage image;
    if (!ImageOf(table, image, except)) return false;
    Adopt(seriesNo, std::move(image));
    return true;
}

void TSeriesPointCache::Adopt(std::int32_t seriesNo, TImage image) {
    TEntry entry;
    entry.Image = std::move(image);
    entry.Serial = ++lastSerial_;
    series_[seriesNo] = std::move(entry);
}

std::uint64_t TSeriesPointCache::Serial(std::int32_t seriesNo) const {
    const auto it = series_.find(seriesNo);
    return it == series_.end() ? 0 : it->second.Serial;
}

std::shared_ptr<const TSeriesBase> TSeriesPointCache::Base(std::int32_t seriesNo,
                                                           std::uint64_t serial) const {
    const auto it = series_.find(seriesNo);
    if (it == series_.end() || it->second.Serial != serial) return nullptr;
    return it->second.Base;
}

void TSeriesPointCache::KeepBase(std::int32_t seriesNo, std::uint64_t serial,
                                 std::shared_ptr<const TSeriesBase> base) {
    const auto it = series_.find(seriesNo);
    if (it != series_.end() && it->second.Serial == serial) it->second.Base = std::move(base);
}

bool TSeriesPointCache::Restore(std::int32_t seriesNo, TMdb& table) const {
    const auto it = series_.find(seriesNo);
    if (it == series_.end()) return false;
    const TImage& entry = it->second.Image;
    if (entry.SlotCount != table.SlotCount()) return false;
    const auto slotCount = static_cast<std::size_t>(entry.SlotCount);
    const std::size_t begin = entry.VaryingBegin;
    const std::size_t width = entry.VaryingEnd - begin;
    if (entry.RecordCount > 0) {
        // The records the table has take the images in list order, which gives the same table
        // as new records would, with no more freeing and allocating than the counts differ by.
        int count = table.RecordCount();
        for (; count > entry.RecordCount; --count)
            table.FreeRecord(table.FirstRecord(), true);
        for (; count < entry.RecordCount; ++count)
            table.NewRecord();
        const std::uint32_t* varying = entry.Varying.data();
        for (TMdbRecord* record = table.FirstRecord(); record != nullptr; record = record->Next) {
            std::uint32_t* slots = record->Slots();
            if (width < slotCount)
                std::memcpy(slots, entry.Common.data(), slotCount * sizeof(std::uint32_t));
            if (width > 0) std::memcpy(slots + begin, varying, width * sizeof(std::uint32_t));
            varying += width;
        }
        table.NoteDirectWrites();
    } else {
        table.FreeAllRecords();
    }
    table.RebuildIndex(false);
    return true;
}

std::size_t TSeriesPointCache::SlotBytes() const {
    std::size_t bytes = 0;
    for (const auto& [seriesNo, entry] : series_)
        bytes += (entry.Image.Common.size() + entry.Image.Varying.size()) * sizeof(std::uint32_t);
    return bytes;
}

} // namespace corvane
