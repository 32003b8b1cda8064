#pragma once

#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace corvane {

struct TSeriesBase;
class TStream;

// Reads series blocks of the open data file on a second thread, ahead of a caller that asks
// for them one by one, mostly in the order given. The thread touches nothing but the file,
// through positioned reads, and a measured-points table of its own: each block is loaded as
// the catalogue loads it and kept as the slot image the point cache stores. A block that
// does not load cleanly (damaged, points of another series, point numbers used twice) is
// left to the caller, who reads it the usual way and so gets the usual messages and notes.
//
// The destructor stops the thread and waits for it; the file must outlive this object.
class TSeriesReadAhead {
public:
    struct TBlock {
        std::int32_t SeriesNo = 0;
        std::int64_t Begin = 0; // byte range of the block in the file
        std::int64_t End = 0;
        TMdbMw::TSeriesShape Shape; // of the series, for the base evaluation
    };
    // Points read cleanly, with the flow part of their base evaluation when the thread was
    // far enough ahead to make it.
    struct TSeries {
        TSeriesPointCache::TImage Image;
        std::shared_ptr<const TSeriesBase> Base;
    };

    // Starts reading `blocks` from `file`, whose ReadAt must be safe to call from another
    // thread while its owner reads. Each series is read at most once.
    TSeriesReadAhead(TStream& file, std::vector<TBlock> blocks);
    ~TSeriesReadAhead();
    TSeriesReadAhead(const TSeriesReadAhead&) = delete;
    TSeriesReadAhead& operator=(const TSeriesReadAhead&) = delete;

    // The points of `seriesNo` (and their base) when they were read cleanly, waiting while the
    // thread is reading them right now. None when the series is not on the list, its block did not
    // load cleanly or was taken before, or the thread has not come to it yet: then the thread skips
    // it, since the caller reads it itself.
    std::optional<TSeries> Take(std::int32_t seriesNo);
    // Waits until the thread has gone through every series it was given.
    void Wait();

private:
    enum class TState { Queued, Reading, Ready, Failed, Taken };
    struct TJob {
        TBlock Block;
        TState State = TState::Queued;
        TSeries Read;
    };

    void ReadAll();
    void ReadJobs();
    // Loads `block` into `read`, with the base evaluation when `withBase`; false when it does
    // not load cleanly.
    bool Load(const TBlock& block, bool withBase, TSeries& read);
    // How many jobs the thread must be ahead of the caller to evaluate the points it reads.
    static constexpr std::size_t kLead = 2;

    TStream& file_;
    std::unique_ptr<TMdbMw> table_;     // used by the thread only
    std::vector<unsigned char> buffer_; // used by the thread only
    // (series, job) by series; fixed once the thread runs.
    std::vector<std::pair<std::int32_t, std::size_t>> jobOf_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<TJob> jobs_;            // states and images under mutex_
    std::atomic<std::size_t> asked_{0}; // jobs up to the one the caller asked for last
    bool stop_ = false;                 // under mutex_
    bool done_ = false;                 // under mutex_: every job gone through
    std::thread thread_;                // last: started when everything else is in place
};

} // namespace corvane
