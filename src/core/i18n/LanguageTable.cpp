#include "i18n/LanguageTable.h"

#include "units/Units.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

constexpr std::array<TLanguageEntry, kLanguageEntryCount> kEntries{{
    {"deutsch (m³/h, Pa, °C)", 0},
    {"deutsch (m³/s, Pa, °C)", 0},
    {"english (m³/h, Pa, °C)", 1},
    {"english (m³/s, Pa, °C)", 1},
    {"english (ft³/s, lbf/ft², °F)", 1},
    {"english (ft³/min, in WG, °C)", 1},
    {"Русский (м^3/час, Па, °C)", 2},
    {"Русский (м^3/сек, Па, °C)", 2},
}};

constexpr std::array<const char*, 3> kLanguageNames{"deutsch", "english", "Русский"};

} // namespace

const TLanguageEntry& LanguageEntry(int index) {
    return kEntries[static_cast<std::size_t>(std::clamp(index, 0, kLanguageEntryCount - 1))];
}

int OfferedLanguageEntries() {
    return MaxUnitSystem() + 1;
}

int ClampLanguageIndex(int index) {
    return std::clamp(index, 0, MaxUnitSystem());
}

const char* LanguageName(int textLanguage) {
    return kLanguageNames[static_cast<std::size_t>(std::clamp(textLanguage, 0, 2))];
}

} // namespace corvane
