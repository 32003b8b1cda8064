#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane {

// A minimal one-page PDF: Helvetica texts, lines, polygons and grey fills, written without
// any time stamp or producer id so the same drawing always gives the same bytes.
// Coordinates are PDF points from the lower left corner of an A4 page.
class TPdfWriter {
public:
    static constexpr double kWidth = 595.28;
    static constexpr double kHeight = 841.89;

    // Text in UTF-8; characters outside Windows-1252 become "?".
    void Text(double x, double y, double size, bool bold, std::string_view text);
    void Line(double x1, double y1, double x2, double y2, double width);
    void Rectangle(double x, double y, double w, double h, double width);
    // A path through the points; filled with a grey level (0 black .. 1 white) when
    // fillGrey >= 0, stroked in any case.
    void Path(const std::vector<std::pair<double, double>>& points, bool closed, double width,
              double fillGrey);

    // The complete file.
    std::string Finish() const;

private:
    std::string content_;
};

} // namespace corvane
