#include "settings/SoundDistanceSetting.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {
constexpr double kLargestDistance = 1.0e30;
}

bool SoundDistanceOn(float stored) {
    return stored > kSmallestSoundDistance;
}

double SoundDistanceShown(float stored) {
    return std::max(std::fabs(static_cast<double>(stored)), kSmallestSoundDistance);
}

float SoundDistanceStored(double metres, bool convert) {
    // Typed nonsense gives the smallest distance; huge values stay within a float.
    const double magnitude = std::isfinite(metres)
                                 ? std::clamp(metres, kSmallestSoundDistance, kLargestDistance)
                                 : kSmallestSoundDistance;
    return static_cast<float>(convert ? magnitude : -magnitude);
}

} // namespace corvane
