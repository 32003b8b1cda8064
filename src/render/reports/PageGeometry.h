#pragma once

#include <QRect>
#include <QSize>

namespace corvane {

// Paper of an evaluation page in millimetres: portrait 205 × 290, landscape 290 × 205.
inline constexpr double kPaperShort = 205;
inline constexpr double kPaperLong = 290;

// Where the parts of an evaluation page lie on a surface of a given pixel size. The page is
// laid out in millimetres (origin top left, y down) and scaled to the surface.
struct TPageGeometry {
    bool Landscape = false;
    QRect Area;     // the whole page in pixels
    double MmX = 1; // pixels per millimetre, across
    double MmY = 1; // pixels per millimetre, down
    int Left = 0;   // margins in pixels
    int Right = 0;
    int Top = 0;
    int Bottom = 0;     // the footer rule
    int Unit = 1;       // line unit u: the printable height / 56 (portrait) or / 37
    int TextHeight = 3; // text height h = max(3, u - 2) pixels
    int FramePen = 2;   // frame pen width: max(2, width / 480)
    QRect Logo;         // 3 u high, right edge at the right margin, top at the top margin
    int AddressTop = 0; // first address row, 1.3 u below the top margin
    int HeaderRule = 0; // the rule under the company block, 1.3 u below the second address row
    int ContentTop = 0; // the content area begins below the rule
    int FooterText = 0; // top of the footer note, below the footer rule

    int ContentWidth() const { return Right - Left; }
    int ContentHeight() const { return Bottom - ContentTop; }
};

// Page paper size in millimetres.
QSize PaperSize(bool landscape);
// Layout of a page on `area` (pixels); `logo` is the logo picture's size (empty for none).
TPageGeometry PageGeometry(const QRect& area, bool landscape, QSize logo = {});
// The largest rectangle of the page's proportions inside `client` less 16 pixels, centred:
// the preview panel.
QRect PreviewRect(const QRect& client, bool landscape);

} // namespace corvane
