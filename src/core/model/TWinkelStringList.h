#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The housing angles of the catalogue as a sorted list without duplicates. Angle texts that
// start with a digit sort by their number (they are compared left-padded with "0" to eight
// characters, as the result list sorts them), so "45" comes before "180"; other texts follow
// byte-wise. Texts are taken as they are, empty ones are not listed.
class TWinkelStringList {
public:
    // Inserts the text at its place; false when it is empty or already listed.
    bool Add(std::string_view angle);
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& Items() const { return items_; }
    // 0-based position of the text, or -1.
    int IndexOf(std::string_view angle) const;

    // Sort key of an angle text: texts starting with a digit left-padded with "0" to eight
    // characters.
    static std::string SortKey(std::string_view angle);
    // Strict order of two angle texts: by sort key, then byte-wise.
    static bool Less(std::string_view a, std::string_view b);

private:
    std::vector<std::string> items_;
};

} // namespace corvane
