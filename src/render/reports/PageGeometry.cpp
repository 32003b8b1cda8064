#include "render/reports/PageGeometry.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

struct TMargins {
    double Left, Right, Top, Bottom, Lines;
};
constexpr TMargins kPortrait{16, 198, 10, 284, 56};
constexpr TMargins kLandscape{16, 284, 16, 195, 37};

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

QSize PaperSize(bool landscape) {
    return landscape ? QSize(290, 205) : QSize(205, 290);
}

TPageGeometry PageGeometry(const QRect& area, bool landscape, QSize logo) {
    TPageGeometry g;
    g.Landscape = landscape;
    g.Area = area;
    const QSize paper = PaperSize(landscape);
    g.MmX = area.width() / static_cast<double>(paper.width());
    g.MmY = area.height() / static_cast<double>(paper.height());
    const TMargins& m = landscape ? kLandscape : kPortrait;
    g.Left = area.left() + Round(m.Left * g.MmX);
    g.Right = area.left() + Round(m.Right * g.MmX);
    g.Top = area.top() + Round(m.Top * g.MmY);
    g.Bottom = area.top() + Round(m.Bottom * g.MmY);
    g.Unit = std::max(1, Round((g.Bottom - g.Top) / m.Lines));
    g.TextHeight = std::max(3, g.Unit - 2);
    g.FramePen = std::max(2, area.width() / 480);
    const int logoHeight = 3 * g.Unit;
    const int logoWidth =
        logo.isEmpty() ? 0 : Round(logoHeight * logo.width() / static_cast<double>(logo.height()));
    g.Logo = QRect(g.Right - logoWidth, g.Top, logoWidth, logo.isEmpty() ? 0 : logoHeight);
    g.AddressTop = g.Top + Round(1.3 * g.Unit);
    g.HeaderRule = g.AddressTop + g.Unit + Round(1.3 * g.Unit);
    g.ContentTop = g.HeaderRule + Round(0.5 * g.Unit);
    g.FooterText = g.Bottom + Round(0.2 * g.Unit);
    return g;
}

QRect PreviewRect(const QRect& client, bool landscape) {
    const QSize paper = PaperSize(landscape);
    const int w = std::max(1, client.width() - 16);
    const int h = std::max(1, client.height() - 16);
    const double scale =
        std::min(w / static_cast<double>(paper.width()), h / static_cast<double>(paper.height()));
    const int pw = std::max(1, Round(paper.width() * scale));
    const int ph = std::max(1, Round(paper.height() * scale));
    return QRect(client.left() + (client.width() - pw) / 2,
                 client.top() + (client.height() - ph) / 2, pw, ph);
}

} // namespace corvane
