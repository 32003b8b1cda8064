#include "selection/TCandidateSolutions.h"

#include "measurements/TMdbMw.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace corvane {

TCandidateSolutions::TKey TCandidateSolutions::KeyOf(const TSpeedCandidate& candidate) {
    TKey key;
    key.Series = candidate.SeriesNo;
    key.D2 = std::bit_cast<std::uint32_t>(candidate.D2);
    const TCalibration& c = candidate.Calibration;
    key.Calibration = {std::bit_cast<std::uint64_t>(c.VMin), std::bit_cast<std::uint64_t>(c.VMax),
                       std::bit_cast<std::uint64_t>(c.A0), std::bit_cast<std::uint64_t>(c.A1),
                       std::bit_cast<std::uint64_t>(c.A2)};
    return key;
}

std::size_t TCandidateSolutions::THash::operator()(const TKey& key) const {
    std::size_t h = std::hash<std::int64_t>()(key.Series) ^ (std::size_t{key.D2} << 1);
    for (const std::uint64_t bits : key.Calibration)
        h = h * 1099511628211u ^ std::hash<std::uint64_t>()(bits);
    // The table takes the low bits: mix the high ones (mantissas of round values end in
    // zeros) into them.
    h ^= h >> 31;
    h *= 0x9E3779B97F4A7C15u;
    return h ^ (h >> 29);
}

std::uint64_t TCandidateSolutions::Tag(std::size_t hash) {
    return hash & 0xFFFF'FFFF'0000'0000u;
}

TCandidateSolution* TCandidateSolutions::Find(const TKey& key) {
    if (slots_.empty()) return nullptr;
    const std::size_t mask = slots_.size() - 1;
    const std::size_t hash = THash()(key);
    const std::uint64_t tag = Tag(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint64_t slot = slots_[i];
        if (slot == 0) return nullptr;
        // The entry is read only when the high bits of its hash match.
        if ((slot & ~kEntryBits) != tag) continue;
        TEntry& entry = entries_[(slot & kEntryBits) - 1];
        if (entry.Key == key) return &entry.Solution;
    }
}

void TCandidateSolutions::Place(std::size_t entry) {
    const std::size_t mask = slots_.size() - 1;
    const std::size_t hash = THash()(entries_[entry].Key);
    std::size_t i = hash & mask;
    while (slots_[i] != 0)
        i = (i + 1) & mask;
    slots_[i] = Tag(hash) | (entry + 1);
}

void TCandidateSolutions::Add(const TKey& key, const TCandidateSolution& solution) {
    entries_.push_back({key, solution});
    if (2 * entries_.size() <= slots_.size()) {
        Place(entries_.size() - 1);
        return;
    }
    slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), 0);
    for (std::size_t e = 0; e < entries_.size(); ++e)
        Place(e);
}

void TCandidateSolutions::Clear() {
    entries_.clear();
    std::fill(slots_.begin(), slots_.end(), std::uint64_t{0});
    table_ = {};
    pending_ = {};
}

TCandidateSolutions::TTableState TCandidateSolutions::StateOf(const TKey& key,
                                                              const TSpeedCandidate& candidate,
                                                              const TSpeedResult& speed) {
    return {true, key, candidate.D2, speed};
}

const TCandidateSolution* TCandidateSolutions::Take(const TSpeedCandidate& candidate) {
    const TKey key = KeyOf(candidate);
    const TCandidateSolution* known = Find(key);
    if (known == nullptr) return nullptr;
    // Solving it again would not touch the table, or on a table in its own state would leave
    // the table as it is.
    if (!known->Speed.Loaded) return known;
    if (table_.Known && table_.Key == key)
        pending_ = {};
    else
        pending_ = StateOf(key, candidate, known->Speed);
    return known;
}

void TCandidateSolutions::Solved(const TSpeedCandidate& candidate,
                                 const TCandidateSolution& solution) {
    const bool repeatable = solution.Speed.Repeatable;
    const TKey key = KeyOf(candidate);
    if (repeatable) {
        if (TCandidateSolution* kept = Find(key))
            *kept = solution;
        else
            Add(key, solution);
    }
    // A solution that loaded nothing left the table (and what it should be) as it was.
    if (!solution.Speed.Loaded) return;
    pending_ = {};
    table_ = repeatable ? StateOf(key, candidate, solution.Speed) : TTableState{};
}

void TCandidateSolutions::BeforeSolving(const TAuswahlParam& request, std::int32_t seriesNo,
                                        TMdbMw& mw) {
    // A candidate of another series than the pending one and the table's reads its points
    // afresh either way: the order the table had does not reach it.
    if (pending_.Known && (pending_.Key.Series == seriesNo || mw.SeriesNo() == seriesNo))
        Settle(request, mw);
}

void TCandidateSolutions::Settle(const TAuswahlParam& request, TMdbMw& mw) {
    if (!pending_.Known) return;
    RepeatTableUse(request, pending_.Key.Series, pending_.D2, pending_.Speed, mw);
    table_ = pending_;
    pending_ = {};
}

} // namespace corvane
