#include "selection/LayoutEdit.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr int kMaxPages = static_cast<int>(kLayoutPages);

bool IsDiagramCode(int code) {
    return code >= 1 && code <= kLastDiagramCode;
}

// Inserts an empty page at 1-based `page` (at most one past the last); false when full.
bool InsertPage(TLayout& layout, int page, const TLayoutPage& content) {
    if (layout.Count >= kMaxPages) return false;
    const int at = std::clamp(page, 1, layout.Count + 1) - 1;
    auto& pages = layout.Pages;
    std::move_backward(pages.begin() + at, pages.begin() + layout.Count,
                       pages.begin() + layout.Count + 1);
    pages[static_cast<std::size_t>(at)] = content;
    ++layout.Count;
    return true;
}

} // namespace

bool IsDiagramPage(const TLayoutPage& page) {
    return IsDiagramCode(page.Slots[0]);
}

bool IsWholePageCode(int code) {
    return code >= kFirstWholePageCode && code <= kLastWholePageCode;
}

int DiagramCount(const TLayoutPage& page) {
    return static_cast<int>(std::count_if(page.Slots.begin(), page.Slots.end(), IsDiagramCode));
}

bool AddEvaluation(TLayout& layout, int page, int code) {
    if (page < 1) return false;
    const bool beyond = page > layout.Count;
    if (IsDiagramCode(code)) {
        if (beyond ||
            layout.Pages[static_cast<std::size_t>(page - 1)].Slots[3] != kEmptyDiagramSlot) {
            TLayoutPage empty;
            empty.Slots.fill(kEmptyDiagramSlot);
            if (!InsertPage(layout, page, empty)) return false;
            page = std::min(page, layout.Count);
        }
        auto& slots = layout.Pages[static_cast<std::size_t>(page - 1)].Slots;
        const auto free = std::find_if(slots.begin(), slots.end(),
                                       [](std::int32_t c) { return !IsDiagramCode(c); });
        if (free == slots.end()) return false;
        *free = code;
        std::replace_if(
            free + 1, slots.end(), [](std::int32_t c) { return !IsDiagramCode(c); },
            kEmptyDiagramSlot);
        return true;
    }
    if (!IsWholePageCode(code)) return false;
    TLayoutPage whole;
    whole.Slots = {code, 0, 0, 0};
    if (beyond || layout.Pages[static_cast<std::size_t>(page - 1)].Slots[0] != 0) {
        if (InsertPage(layout, page, whole)) return true;
        if (beyond) return false;
    }
    layout.Pages[static_cast<std::size_t>(page - 1)] = whole;
    return true;
}

void DeletePage(TLayout& layout, int page) {
    if (page < 1 || page > layout.Count) return;
    auto& pages = layout.Pages;
    std::move(pages.begin() + page, pages.begin() + layout.Count, pages.begin() + page - 1);
    pages[static_cast<std::size_t>(layout.Count - 1)] = TLayoutPage{};
    --layout.Count;
}

void DeleteEvaluation(TLayout& layout, int page, int slot) {
    if (page < 1 || page > layout.Count) return;
    TLayoutPage& p = layout.Pages[static_cast<std::size_t>(page - 1)];
    if (!IsDiagramPage(p) || DiagramCount(p) <= 1 || slot < 1 ||
        slot > static_cast<int>(kLayoutSlots)) {
        DeletePage(layout, page);
        return;
    }
    std::move(p.Slots.begin() + slot, p.Slots.end(), p.Slots.begin() + slot - 1);
    p.Slots.back() = kEmptyDiagramSlot;
}

bool IsLandscapeCode(int code) {
    return code == 98;
}

} // namespace corvane
