#include "selection/TCandidateSolutions.h"

#include "measurements/TMdbMw.h"

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
    return h;
}

void TCandidateSolutions::Clear() {
    solutions_.clear();
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
    const auto it = solutions_.find(key);
    if (it == solutions_.end()) return nullptr;
    // Solving it again would not touch the table, or on a table in its own state would leave
    // the table as it is.
    if (!it->second.Speed.Loaded) return &it->second;
    if (table_.Known && table_.Key == key)
        pending_ = {};
    else
        pending_ = StateOf(key, candidate, it->second.Speed);
    return &it->second;
}

void TCandidateSolutions::Solved(const TSpeedCandidate& candidate,
                                 const TCandidateSolution& solution) {
    const bool repeatable = solution.Speed.Repeatable;
    const TKey key = KeyOf(candidate);
    if (repeatable) solutions_.insert_or_assign(key, solution);
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
