#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace corvane {

// Collects a large tab-separated text (grid copies) in one block that grows in chunks, and
// hands it to its target (the system clipboard, set by the window layer) when it is
// destroyed. The usable capacity starts 256 bytes below the chunk size and grows by whole
// chunks, as many as an appended text needs, so a text longer than a chunk arrives whole.
// When memory runs out the builder gives up: it ignores further text and hands nothing over,
// so the clipboard keeps its previous content rather than a text with gaps.
class TClipboardText {
public:
    static constexpr int kDefaultChunkSize = 65280;
    using TTarget = std::function<void(const std::string& text)>;

    TClipboardText(int chunkSize, TTarget target);
    ~TClipboardText();
    TClipboardText(const TClipboardText&) = delete;
    TClipboardText& operator=(const TClipboardText&) = delete;

    void Append(std::string_view text);

    int ChunkSize() const { return chunkSize_; }
    int Capacity() const { return capacity_; }
    int Used() const { return static_cast<int>(text_.size()); }
    bool Failed() const { return failed_; }
    const std::string& Text() const { return text_; }

private:
    int chunkSize_;
    int capacity_;
    bool failed_ = false;
    std::string text_;
    TTarget target_;
};

} // namespace corvane
