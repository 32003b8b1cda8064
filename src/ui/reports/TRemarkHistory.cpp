#include "ui/reports/TRemarkHistory.h"

#include <algorithm>

namespace corvane {

const std::string& TRemarkHistory::Entry(int position) const {
    static const std::string empty;
    if (position < 1 || position > kSize) return empty;
    return entries_[static_cast<std::size_t>(position - 1)];
}

std::string TRemarkHistory::Recall() {
    for (int step = 0; step < kSize; ++step) {
        position_ = position_ % kSize + 1;
        if (!Entry(position_).empty()) return Entry(position_);
    }
    return {};
}

void TRemarkHistory::Commit(const std::string& text) {
    current_ = text;
    if (text.empty()) return;
    std::move_backward(entries_.begin(), entries_.end() - 1, entries_.end());
    entries_[0] = text;
}

TRemarkHistory& TRemarkHistory::Shared() {
    static TRemarkHistory history;
    return history;
}

} // namespace corvane
