#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::size_t kMaxCartEntries = 50;

// One cart entry: a chosen result with the speed and operating flow it was found at.
struct TWarenkorbEintrag {
    std::int32_t Id = 0; // ErgId of the chosen row
    double Speed = 0.0;  // 1/min
    double Flow = 0.0;   // m³/h

    bool IsValid() const { return Id > 0 && Flow > 0.0; }
    bool operator==(const TWarenkorbEintrag&) const = default;
};

using TWarenkorb = std::vector<TWarenkorbEintrag>;

// Cart text: per entry Id ":" Speed ":" Flow (speed and flow in the compact double format),
// entries separated by "|".
std::string WriteCartText(const TWarenkorb& cart);
// Reads a cart text; parts without a positive identifier and flow are dropped, at most 50
// entries are kept.
TWarenkorb ReadCartText(std::string_view text);

} // namespace corvane
