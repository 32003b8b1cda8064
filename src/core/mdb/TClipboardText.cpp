#include "mdb/TClipboardText.h"

#include <algorithm>
#include <new>

namespace corvane {

namespace {
constexpr int kReserve = 256;      // the block is this much larger than the usable capacity
constexpr int kMinChunkSize = 512; // smaller chunks would leave no usable capacity
} // namespace

TClipboardText::TClipboardText(int chunkSize, TTarget target)
    : chunkSize_(std::max(chunkSize, kMinChunkSize)), capacity_(chunkSize_ - kReserve),
      target_(std::move(target)) {
    try {
        text_.reserve(static_cast<std::size_t>(chunkSize_));
    } catch (const std::bad_alloc&) {
        failed_ = true;
    }
}

TClipboardText::~TClipboardText() {
    if (failed_ || !target_) return;
    try {
        target_(text_);
    } catch (...) {
        // A destructor must not throw; the clipboard simply keeps its content.
    }
}

void TClipboardText::Append(std::string_view text) {
    if (failed_) return;
    try {
        const auto needed = static_cast<long long>(text_.size() + text.size());
        if (needed >= capacity_) {
            // Whole chunks, as many as the text needs: the text must fit below the capacity.
            const long long chunks = (needed - capacity_) / chunkSize_ + 1;
            const long long grown = capacity_ + chunks * chunkSize_;
            text_.reserve(static_cast<std::size_t>(grown + kReserve));
            capacity_ = static_cast<int>(grown);
        }
        text_.append(text);
    } catch (const std::exception&) {
        failed_ = true;
        text_.clear();
    }
}

} // namespace corvane
