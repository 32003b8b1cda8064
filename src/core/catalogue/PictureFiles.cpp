#include "catalogue/PictureFiles.h"

#include "util/Numbers.h"
#include "util/Text.h"

#include <cstdint>

namespace corvane {

namespace {

// Cuts a UTF-8 text after `count` characters.
std::string CutCharacters(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
        ++pos;
        while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
            ++pos;
    }
    return std::string(text.substr(0, pos));
}

} // namespace

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == ".") return false;
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) return false;
    return name.find("..") == std::string_view::npos;
}

std::string NewPictureName(bool sketch, std::string_view numberText, std::string_view chosenPath) {
    // The extension belongs to the file name itself, not to a folder on its path.
    const std::size_t slash = chosenPath.find_last_of("/\\");
    const std::string_view fileName =
        slash == std::string_view::npos ? chosenPath : chosenPath.substr(slash + 1);
    const std::size_t dot = fileName.rfind('.');
    const std::string_view extension =
        dot == std::string_view::npos || dot == 0 ? std::string_view() : fileName.substr(dot);
    const std::string name =
        std::string(sketch ? "S" : "B") + Trim(numberText) + std::string(extension);
    return CutCharacters(name, 20);
}

TPictureRect FitPicture(int imageW, int imageH, int boxX, int boxY, int boxW, int boxH) {
    TPictureRect rect;
    if (imageW <= 0 || imageH <= 0 || boxW <= 0 || boxH <= 0) return rect;
    // boxW / boxH > imageW / imageH, compared exactly.
    const bool boxWider =
        static_cast<std::int64_t>(boxW) * imageH > static_cast<std::int64_t>(imageW) * boxH;
    if (boxWider) {
        rect.Height = boxH;
        rect.Width = static_cast<int>(
            RoundHalfEven(static_cast<double>(imageW) / imageH * static_cast<double>(boxH)));
        rect.X = boxX + (boxW - rect.Width) / 2;
        rect.Y = boxY;
    } else {
        rect.Width = boxW;
        rect.Height = static_cast<int>(
            RoundHalfEven(static_cast<double>(imageH) / imageW * static_cast<double>(boxW)));
        rect.X = boxX;
        rect.Y = boxY + (boxH - rect.Height) / 2;
    }
    rect.Valid = true;
    return rect;
}

} // namespace corvane
