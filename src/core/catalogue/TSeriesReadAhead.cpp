#include "catalogue/TSeriesReadAhead.h"

#include "catalogue/SeriesBlock.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesBase.h"

#include <algorithm>
#include <chrono>
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
    for (const TBlock& block : blocks)
        if (block.End > block.Begin) jobs_.push_back({block, TState::Queued, {}});
    for (std::size_t j = 0; j < jobs_.size(); ++j)
        jobOf_.emplace_back(jobs_[j].Block.SeriesNo, j);
    std::stable_sort(jobOf_.begin(), jobOf_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // A series listed twice is read at its first place.
    const auto same = [](const auto& a, const auto& b) { return a.first == b.first; };
    for (std::size_t k = 1; k < jobOf_.size(); ++k)
        if (same(jobOf_[k - 1], jobOf_[k])) jobs_[jobOf_[k].second].State = TState::Taken;
    jobOf_.erase(std::unique(jobOf_.begin(), jobOf_.end(), same), jobOf_.end());
    for (TJob& job : jobs_) {
        if (job.State != TState::Queued) continue;
        const std::int64_t bytes = job.Block.End - job.Block.Begin;
        job.Read.Image.Common.reserve(slotCount);
        job.Read.Image.Varying.reserve(static_cast<std::size_t>(bytes / leastRecordBytes) *
                                       slotCount);
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
    const auto found = std::lower_bound(jobOf_.begin(), jobOf_.end(), seriesNo,
                                        [](const std::pair<std::int32_t, std::size_t>& job,
                                           std::int32_t no) { return job.first < no; });
    if (found == jobOf_.end() || found->first != seriesNo) return std::nullopt;
    asked_.store(found->second + 1, std::memory_order_relaxed);
    std::unique_lock lock(mutex_);
    TJob& job = jobs_[found->second];
    // A block takes some microseconds: looking again for a while is cheaper than a sleep and
    // a wake-up.
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(50);
    while (job.State == TState::Reading && std::chrono::steady_clock::now() < until) {
        lock.unlock();
        lock.lock();
    }
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
    for (std::size_t j = 0; j < jobs_.size(); ++j) {
        TJob& job = jobs_[j];
        {
            const std::lock_guard lock(mutex_);
            if (stop_) return;
            if (job.State != TState::Queued) continue;
            job.State = TState::Reading;
        }
        // While Reading, the job belongs to this thread.
        bool loaded = false;
        try {
            // The base evaluation only when well ahead of the caller: otherwise the caller,
            // who would wait for it, does it sooner itself.
            loaded = Load(job.Block, j >= asked_.load(std::memory_order_relaxed) + kLead, job.Read);
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

bool TSeriesReadAhead::Load(const TBlock& block, bool withBase, TSeries& read) {
    if (!LoadSeriesBlock(file_, block.Begin, block.End, buffer_, *table_) ||
        !HoldsOnlyPointsOf(*table_, block.SeriesNo) || !table_->DropDuplicateKeys().empty())
        return false;
    if (!TSeriesPointCache::ImageOf(*table_, read.Image)) return false;
    if (withBase) read.Base = table_->FlowBase(block.Shape);
    return true;
}

} // namespace corvane
