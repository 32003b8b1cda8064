// Reading series blocks ahead on a second thread, for a search about to load many series
// that are not in memory yet (the first search after opening a file).

#include "catalogue/SeriesBlock.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TSeriesReadAhead.h"
#include "mdb/TStream.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesBase.h"
#include "measurements/TSeriesPointCache.h"

#include <optional>
#include <system_error>

namespace corvane {

bool TCatalogue::PointsFromFile(std::int32_t seriesNo) const {
    return file_ && !pointSource_ && savingBlock_ == nullptr && !keptPoints_->Contains(seriesNo);
}

std::optional<TCatalogue::TFileBlock> TCatalogue::FileBlock(std::int32_t seriesNo,
                                                            const TMdbRecord* series) const {
    if (series == nullptr || !PointsFromFile(seriesNo)) return std::nullopt;
    const std::int32_t offset = messung_->GetInt(series, TMdbMessung::F_MESSRECORD);
    if (offset <= 0) return std::nullopt;
    const std::optional<TFileBlock> block = MappedBlock(offset, seriesNo);
    // Larger blocks are read from the file record by record (see LoadSeriesBlock).
    if (!block || block->End - block->Begin > kMaxSeriesBlockInMemory) return std::nullopt;
    return block;
}

void TCatalogue::ReadSeriesAhead(const std::vector<std::int32_t>& seriesNos) {
    StopReadingAhead();
    if (!file_ || !file_->ReadsConcurrently()) return;
    std::vector<TSeriesReadAhead::TBlock> blocks;
    blocks.reserve(seriesNos.size());
    for (const std::int32_t seriesNo : seriesNos) {
        const TMdbRecord* series = messung_->FindByKey(seriesNo);
        if (const std::optional<TFileBlock> block = FileBlock(seriesNo, series))
            blocks.push_back({seriesNo, block->Begin, block->End, mw_->ShapeOf(*messung_, series)});
    }
    if (blocks.empty()) return;
    try {
        readAhead_ = std::make_unique<TSeriesReadAhead>(*file_, std::move(blocks));
    } catch (const std::system_error&) {
        // No thread to be had: every series is read when it is needed, as without this.
    }
}

bool TCatalogue::TakeSeriesAhead(std::int32_t seriesNo, TSeriesPointCache& cache) {
    // The blocks were looked up when the read-ahead started and the file has not changed
    // since (closing it stops the read-ahead); what may have changed is where the points
    // come from.
    if (!readAhead_ || !PointsFromFile(seriesNo)) return false;
    std::optional<TSeriesReadAhead::TSeries> read = readAhead_->Take(seriesNo);
    if (!read) return false;
    cache.Adopt(seriesNo, std::move(read->Image));
    // Kept for the copy just made; a load whose series differs in shape computes its own.
    if (read->Base) cache.KeepBase(seriesNo, cache.Serial(seriesNo), std::move(read->Base));
    return true;
}

void TCatalogue::WaitForReadAhead() {
    if (readAhead_) readAhead_->Wait();
}

void TCatalogue::StopReadingAhead() {
    readAhead_.reset();
}

} // namespace corvane
