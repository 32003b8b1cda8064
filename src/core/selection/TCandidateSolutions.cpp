#include "selection/TCandidateSolutions.h"

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

const TCandidateSolution* TCandidateSolutions::Find(const TSpeedCandidate& candidate) const {
    const auto it = solutions_.find(KeyOf(candidate));
    return it == solutions_.end() ? nullptr : &it->second;
}

void TCandidateSolutions::Keep(const TSpeedCandidate& candidate,
                               const TCandidateSolution& solution) {
    solutions_.insert_or_assign(KeyOf(candidate), solution);
}

} // namespace corvane
