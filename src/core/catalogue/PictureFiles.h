#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Picture file names stored in the picture table are plain names inside the picture folder.
// A name that is empty, "." or that holds '/', '\\', ".." or a NUL character could reach
// outside that folder and is never read, copied or deleted.
bool IsPlainFileName(std::string_view name);

// Name under which a newly chosen file is stored: "S" (sketch) or "B" (picture), the number
// text trimmed, and the chosen file's extension, cut to 20 characters.
std::string NewPictureName(bool sketch, std::string_view numberText, std::string_view chosenPath);

// Where a picture goes inside its box: a rectangle in box coordinates. Valid is false when
// nothing is to be drawn.
struct TPictureRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool Valid = false;
};

// Scales an image to fit a box keeping its aspect ratio, centred along the other direction.
// A box wider (relative to its height) than the image gets the image at full box height;
// otherwise the image takes the full box width.
TPictureRect FitPicture(int imageW, int imageH, int boxX, int boxY, int boxW, int boxH);

} // namespace corvane
