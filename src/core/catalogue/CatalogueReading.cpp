// Reading the data file: the measured-points section (title and extent; the series blocks
// are only reached through the offsets of the series records, on demand), then the other
// tables in file order, and the points of one series when they are asked for.

#include "catalogue/PointsSection.h"
#include "catalogue/SeriesBlock.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbLrTyp.h"
#include "catalogue/TSeriesReadAhead.h"
#include "mdb/EMdbError.h"
#include "mdb/TFileStream.h"
#include "mdb/TMemoryStream.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"
#include "util/Codepage.h"

#include <algorithm>
#include <cstring>

namespace corvane {

using namespace points_section;

void TCatalogue::Open(const std::string& path) {
    Close();
    std::unique_ptr<TStream> file;
    try {
        // Read only; the file stays open for the on-demand series loads. A writer replaces
        // the file by renaming a new one over it, so this open file never changes under us.
        file = std::make_unique<TFileStream>(path, TFileStream::TMode::Read);
    } catch (...) {
        ClearTables();
        throw;
    }
    OpenStream(std::move(file));
}

void TCatalogue::OpenStream(std::unique_ptr<TStream> stream) {
    Close();
    keptPoints_->Clear(); // another file: its own points
    // Table loads may already look series up, so the stream is in place while they run.
    file_ = std::move(stream);
    try {
        LoadTables(*file_);
    } catch (...) {
        // No half-loaded catalogue: the file is released and every table is emptied.
        Close();
        ClearTables();
        throw;
    }
}

void TCatalogue::LoadTables(TStream& stream) {
    stream.Seek(0);
    ReadPointsSection(stream);
    if (tableRead_) tableRead_(1);
    for (int position = 2; position <= kTableCount; ++position) {
        TableInFileOrder(position)->LoadFromStream(stream);
        if (tableRead_) tableRead_(position);
    }
    // The series table is the last: nothing may follow it.
    if (stream.Position() != stream.Size()) IllegalByteCount();
    // Every series record as stored, before duplicates go: a dropped series' block still
    // belongs to the section.
    MapSeriesBlocks();
    duplicateKeys_.clear();
    for (int position = 2; position <= kTableCount; ++position)
        DropDuplicates(*TableInFileOrder(position), 0);
    // "in Katalog" of the impeller types is not stored: it follows the impellers and housings.
    lrTyp_->UpdateInCatalogue();
}

void TCatalogue::MapSeriesBlocks() {
    blocks_.clear();
    for (const TMdbRecord* r = messung_->FirstRecord(); r != nullptr; r = r->Next) {
        const std::int32_t offset = messung_->GetInt(r, TMdbMessung::F_MESSRECORD);
        // 0 or less: a series whose points were never written.
        if (offset > 0) blocks_.push_back({offset, messung_->Key(r)});
    }
    std::sort(blocks_.begin(), blocks_.end(), [](const TSeriesBlock& a, const TSeriesBlock& b) {
        return a.Offset < b.Offset || (a.Offset == b.Offset && a.SeriesNo < b.SeriesNo);
    });
    // A duplicated series record names its block twice; two series cannot share one.
    blocks_.erase(std::unique(blocks_.begin(), blocks_.end(),
                              [](const TSeriesBlock& a, const TSeriesBlock& b) {
                                  return a.Offset == b.Offset && a.SeriesNo == b.SeriesNo;
                              }),
                  blocks_.end());
    // From the section's start, each block at least a table header long, up to its end.
    std::int64_t expected = pointsBegin_;
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
        if (i > 0 && blocks_[i].Offset == blocks_[i - 1].Offset) IllegalSeriesNo();
        if (blocks_[i].Offset < expected || (i == 0 && blocks_[i].Offset != pointsBegin_))
            IllegalByteCount();
        expected = std::int64_t{blocks_[i].Offset} + 8;
    }
    if (blocks_.empty() ? pointsEnd_ != pointsBegin_ : pointsEnd_ < expected) IllegalByteCount();
}

void TCatalogue::DropDuplicates(TMdb& table, std::int32_t seriesNo) {
    for (const std::int32_t key : table.DropDuplicateKeys()) {
        const TDuplicateKey duplicate{table.TableName(), key, seriesNo};
        if (std::find(duplicateKeys_.begin(), duplicateKeys_.end(), duplicate) ==
            duplicateKeys_.end())
            duplicateKeys_.push_back(duplicate);
    }
}

void TCatalogue::ReadPointsSection(TStream& stream) {
    const std::int64_t start = stream.Position();
    const std::uint16_t mdbNo = stream.ReadUInt16();
    const std::uint16_t version = stream.ReadUInt16();
    const std::int32_t sectionEnd = stream.ReadInt32();
    if (mdbNo != kPointsMdbNo) throw EMdbError("falsche Mdb-Nr. aus Stream!");
    if (version != kStreamVersion) throw EMdbError("falsche Versions-Nr. aus Stream!");

    const std::int32_t titleWords = stream.ReadInt32();
    if (titleWords < 0 || titleWords > kMaxTitleWords) IllegalByteCount();
    unsigned char words[4 * kMaxTitleWords];
    stream.ReadBuffer(words, 4 * static_cast<std::size_t>(titleWords));
    std::string title;
    if (titleWords > 0) {
        const auto length =
            static_cast<std::int32_t>(words[0] | (words[1] << 8) | (words[2] << 16) |
                                      (static_cast<std::uint32_t>(words[3]) << 24));
        if (length > 0) {
            // The characters and their zero byte must lie within the title words.
            if (length / 4 + 1 > titleWords - 1) IllegalByteCount();
            const char* chars = reinterpret_cast<const char*>(words + 4);
            const void* zero = std::memchr(chars, 0, static_cast<std::size_t>(length));
            const std::size_t end =
                zero ? static_cast<const char*>(zero) - chars : static_cast<std::size_t>(length);
            title.assign(chars, end);
        }
    }

    const std::int64_t pointsBegin = stream.Position();
    if (pointsBegin < start || sectionEnd < pointsBegin || sectionEnd > stream.Size())
        IllegalByteCount();
    stream.Seek(sectionEnd);

    title_ = Cp1252ToUtf8(title);
    pointsBegin_ = pointsBegin;
    pointsEnd_ = sectionEnd;
    // Only the title and the section's extent are used until a series is asked for.
    mw_->FreeAllRecords();
    mw_->ForgetSeries();
}

void TCatalogue::Close() {
    readAhead_.reset(); // it reads file_
    file_.reset();
    pointsBegin_ = 0;
    pointsEnd_ = 0;
    blocks_.clear();
    std::vector<unsigned char>().swap(blockBuffer_);
}

bool TCatalogue::IsOpen() const {
    return file_ != nullptr;
}

void TCatalogue::ClearTables() {
    for (int position = 1; position <= kTableCount; ++position)
        TableInFileOrder(position)->FreeAllRecords();
    mw_->ForgetSeries();
    title_.clear();
    duplicateKeys_.clear();
}

bool TCatalogue::ReadSeriesPoints(std::int32_t seriesNo, TMdbMw& table) {
    const TMdbRecord* series = messung_->FindByKey(seriesNo);
    if (series == nullptr) return false;

    // The series that Save is writing right now: served from its stored block.
    if (savingBlock_ != nullptr && seriesNo == savingSeries_) {
        TMemoryStream block = TMemoryStream::Over(savingBlock_->Data(),
                                                  static_cast<std::size_t>(savingBlock_->Size()));
        table.TMdb::LoadFromStream(block);
        return true;
    }
    if (keptPoints_->Restore(seriesNo, table)) return true;
    if (pointSource_) {
        table.FreeAllRecords();
        pointSource_(seriesNo, table);
        table.RebuildIndex(false);
        return true;
    }

    const std::int32_t offset = messung_->GetInt(series, TMdbMessung::F_MESSRECORD);
    // No file, or a series that has never been written: there are no stored points.
    if (!file_ || offset <= 0) {
        table.FreeAllRecords();
        return true;
    }
    // Only the block that this series claimed when the file was opened.
    const std::optional<TFileBlock> block = MappedBlock(offset, seriesNo);
    if (!block) {
        table.FreeAllRecords();
        IllegalSeriesNo();
    }
    const std::int64_t blockEnd = block->End;
    const bool fromMemory = LoadSeriesBlock(*file_, offset, blockEnd, blockBuffer_, table);
    if (!fromMemory) {
        file_->Seek(offset);
        table.TMdb::LoadFromStream(*file_);
    }
    try {
        // A changed point count leaves points unread or reads into the next block.
        if (!fromMemory && file_->Position() != blockEnd) IllegalByteCount();
        if (!HoldsOnlyPointsOf(table, seriesNo)) IllegalSeriesNo();
    } catch (...) {
        table.FreeAllRecords();
        throw;
    }
    DropDuplicates(table, seriesNo);
    return true;
}

std::optional<TCatalogue::TFileBlock> TCatalogue::MappedBlock(std::int32_t offset,
                                                              std::int32_t seriesNo) const {
    const auto block = std::lower_bound(
        blocks_.begin(), blocks_.end(), offset,
        [](const TSeriesBlock& b, std::int32_t wanted) { return b.Offset < wanted; });
    if (block == blocks_.end() || block->Offset != offset || block->SeriesNo != seriesNo)
        return std::nullopt;
    return TFileBlock{offset, block + 1 == blocks_.end() ? pointsEnd_ : (block + 1)->Offset};
}

} // namespace corvane
