#include "acquisition/MicrophoneLevels.h"

#include "acquisition/AcousticAnalyser.h"
#include "measurements/TMdbMw.h"
#include "util/Numbers.h"

#include <cmath>
#include <string_view>

namespace corvane {

namespace {

constexpr double kReferencePressureSquared = 4e-10; // (20 µPa)²

// The number after `marker` in the cursor reading, -1 when the marker is missing.
float NumberAfter(std::string_view text, std::string_view marker) {
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos) return -1;
    const double value = ParseNumber(text.substr(at + marker.size()));
    return std::isfinite(value) ? static_cast<float>(value) : -1.0f;
}

} // namespace

TMicrophoneLevels LevelsOfDisplay(const TAnalyserDisplay& display) {
    TMicrophoneLevels levels;
    levels.Level = NumberAfter(display.CursorReading, "L:");
    levels.LevelA = NumberAfter(display.CursorReading, "A:");
    if (!display.AcceptedInMultibuffer) return levels;

    const std::size_t entries = std::min(display.Frequencies.size(), display.Values.size());
    std::size_t first = entries;
    for (std::size_t i = 0; i < entries; ++i)
        if (std::lround(display.Frequencies[i]) == 50) {
            first = i;
            break;
        }
    for (std::size_t band = 0; band < levels.Bands.size() && first + band < entries; ++band) {
        const double value = display.Values[first + band];
        if (value > 0 && std::isfinite(value))
            levels.Bands[band] =
                static_cast<float>(10.0 * std::log10(value / kReferencePressureSquared));
    }
    return levels;
}

void StoreMicrophoneLevels(TMdbMw& table, TMdbRecord* point, int position,
                           const TMicrophoneLevels& levels) {
    if (point == nullptr || position < 1 || position > 3) return;
    const int level = TMdbMw::F_LP1 + (position - 1) * TMdbMw::kFamilySize;
    const auto store = [&](int field, float value) {
        if (value != -1) table.SetFloat(point, field, value);
    };
    store(level, levels.Level);
    store(level + 1, levels.LevelA);
    for (std::size_t band = 0; band < levels.Bands.size(); ++band)
        store(level + 2 + static_cast<int>(band), levels.Bands[band]);
}

} // namespace corvane
