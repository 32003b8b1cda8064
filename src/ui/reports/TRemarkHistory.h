#pragma once

#include <array>
#include <string>

namespace corvane {

// The remarks given for printouts: the current one and the last 20 (newest first), with a
// recall position for stepping back through them.
class TRemarkHistory {
public:
    static constexpr int kSize = 20;

    const std::string& Current() const { return current_; }
    // Entry 1..20 (1 the newest); empty outside.
    const std::string& Entry(int position) const;

    // Starts a recall walk: the next Recall shows the newest entry.
    void BeginRecall() { position_ = kSize; }
    // Advances to the next non-empty entry (20 wraps to 1, at most 20 steps) and returns it;
    // empty when every entry is.
    std::string Recall();
    // Takes `text` as the current remark; a non-empty one becomes the newest entry and the
    // oldest is dropped.
    void Commit(const std::string& text);

    // The remark history the windows of the program share.
    static TRemarkHistory& Shared();

private:
    std::string current_;
    std::array<std::string, kSize> entries_;
    int position_ = kSize;
};

} // namespace corvane
