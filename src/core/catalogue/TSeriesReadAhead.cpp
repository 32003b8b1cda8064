#include "catalogue/TSeriesReadAhead.h"

#include "mdb/TMemoryStream.h"
#include "mdb/TStream.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesBase.h"

#include <utility>

namespace corvane {

TSeriesReadAhead::TSeriesReadAhead(TStream& file, std::vector<TBlock> blocks)
    : file_(file), table_(std::make_unique<TMdbMw>()) {
    // The images are allocated here, by the thread that keeps and frees them, large enough
    // for the most records a block of their size can hold (a word count and a word for each
    // stored field).
    const std::int64_t leastRecordBytes = 4 + 4 * std::int64_t{table_->StoredFieldCount()};
    const auto slotCount = static_cast<std::size_t>(table_->SlotCount());
    jobs_.reserve(blocks.size());
    for (const TBlock& block : blocks) {
        if (block.End <= block.Begin || !jobOf_.emplace(block.SeriesNo, jobs_.size()).second)
            continue;
        TJob& job = jobs_.emplace_back(TJob{block, TState::Queued, {}});
        const auto records = static_cast<std::size_t>((block.End - block.Begin) / leastRecordBytes);
        job.Read.Image.Slots.reserve(records * slotCount);
    }
    thread_ = std::thread([this] { ReadAll(); });
}

TSeriesReadAhead::~TSeriesReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    thread_.join();
}

std::optional<TSeriesReadAhead::TSeries> TSeriesReadAhead::Take(std::int32_t seriesNo) {
    const auto found = jobOf_.find(seriesNo);
    if (found == jobOf_.end()) return std::nullopt;
    std::unique_lock lock(mutex_);
    TJob& job = jobs_[found->second];
    changed_.wait(lock, [&job] { return job.State != TState::Reading; });
    const TState state = std::exchange(job.State, TState::Taken);
    if (state != TState::Ready) return std::nullopt;
    return std::exchange(job.Read, {});
}

void TSeriesReadAhead::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return done_ || stop_; });
}

void TSeriesReadAhead::ReadAll() {
    ReadJobs();
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    changed_.notify_all();
}

void TSeriesReadAhead::ReadJobs() {
    for (TJob& job : jobs_) {
        {
            const std::lock_guard lock(mutex_);
            if (stop_) return;
            if (job.State != TState::Queued) continue;
            job.State = TState::Reading;
        }
        // While Reading, the job belongs to this thread.
        bool loaded = false;
        try {
            loaded = Load(job.Block, job.Read);
        } catch (...) {
            // The caller reads the block again and meets the failure itself.
            loaded = false;
        }
        {
            const std::lock_guard lock(mutex_);
            job.State = loaded ? TState::Ready : TState::Failed;
            if (!loaded) job.Read = {};
        }
        changed_.notify_all();
    }
}

bool TSeriesReadAhead::Load(const TBlock& block, TSeries& read) {
    const auto size = static_cast<std::size_t>(block.End - block.Begin);
    if (buffer_.size() < size) buffer_.resize(size);
    file_.ReadAt(block.Begin, buffer_.data(), size);
    TMemoryStream stream = TMemoryStream::Over(buffer_.data(), size);
    table_->TMdb::LoadFromStream(stream);
    if (stream.Position() != stream.Size()) return false;
    for (const TMdbRecord* point = table_->FirstRecord(); point != nullptr; point = point->Next)
        if (table_->GetInt(point, TMdbMw::F_MESSNR) != block.SeriesNo) return false;
    if (!table_->DropDuplicateKeys().empty()) return false;
    if (!TSeriesPointCache::ImageOf(*table_, read.Image)) return false;
    read.Base = table_->FlowBase(block.Shape);
    return true;
}

} // namespace corvane
