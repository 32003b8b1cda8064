#include "util/GreekText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace corvane {

namespace {

// The marker's opening and closing character: U+00B4 ACUTE ACCENT in UTF-8.
constexpr std::string_view kAccent = "\xC2\xB4";

constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kLetters = {{
    {"beta", "\xCE\xB2"},   // β
    {"phi", "\xCF\x86"},    // φ
    {"rho", "\xCF\x81"},    // ρ
    {"eta", "\xCE\xB7"},    // η
    {"psi", "\xCF\x88"},    // ψ
    {"d", "\xCE\x94"},      // Δ
    {"Lambda", "\xCE\xBB"}, // λ (the small letter, as the program has always drawn it)
}};

} // namespace

std::string GreekText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find(kAccent, pos);
        if (open == std::string_view::npos) break;
        out.append(text, pos, open - pos);
        const std::size_t nameStart = open + kAccent.size();
        bool replaced = false;
        for (const auto& [name, letter] : kLetters) {
            if (text.compare(nameStart, name.size(), name) == 0 &&
                text.compare(nameStart + name.size(), kAccent.size(), kAccent) == 0) {
                out += letter;
                pos = nameStart + name.size() + kAccent.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            out += kAccent;
            pos = nameStart;
        }
    }
    out.append(text.substr(std::min(pos, text.size())));
    return out;
}

} // namespace corvane
