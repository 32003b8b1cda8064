#include "model/TWinkelStringList.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr std::size_t kPaddedLength = 8;

} // namespace

std::string TWinkelStringList::SortKey(std::string_view angle) {
    std::string key(angle);
    if (!key.empty() && key[0] >= '0' && key[0] <= '9' && key.size() < kPaddedLength)
        key.insert(0, kPaddedLength - key.size(), '0');
    return key;
}

bool TWinkelStringList::Less(std::string_view a, std::string_view b) {
    const std::string ka = SortKey(a);
    const std::string kb = SortKey(b);
    if (ka != kb) return ka < kb;
    return a < b;
}

bool TWinkelStringList::Add(std::string_view angle) {
    if (angle.empty()) return false;
    const auto it = std::lower_bound(
        items_.begin(), items_.end(), angle,
        [](const std::string& item, std::string_view text) { return Less(item, text); });
    if (it != items_.end() && *it == angle) return false;
    items_.insert(it, std::string(angle));
    return true;
}

int TWinkelStringList::IndexOf(std::string_view angle) const {
    const auto it = std::lower_bound(
        items_.begin(), items_.end(), angle,
        [](const std::string& item, std::string_view text) { return Less(item, text); });
    if (it == items_.end() || *it != angle) return -1;
    return static_cast<int>(it - items_.begin());
}

} // namespace corvane
