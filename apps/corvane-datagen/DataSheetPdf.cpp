#include "DataSheetPdf.h"

#include "DemoContent.h"
#include "PdfWriter.h"
#include "SketchGeometry.h"

namespace corvane {

std::string DataSheetPdf(const TDataSheet& sheet) {
    TPdfWriter pdf;
    const double left = 56;
    const double right = TPdfWriter::kWidth - 56;
    double y = TPdfWriter::kHeight - 70;

    pdf.Text(left, y, 10, false, "Brask Ventilatoren - Technisches Datenblatt");
    pdf.Line(left, y - 6, right, y - 6, 0.8);
    y -= 36;
    pdf.Text(left, y, 18, true, sheet.Title);
    y -= 20;
    pdf.Text(left, y, 11, false, sheet.Subtitle);

    // Dimension table on the left.
    y -= 40;
    const double col = left + 140;
    const double rowHeight = 18;
    const double tableTop = y + 14;
    pdf.Text(left + 4, y, 10, true, "Maß");
    pdf.Text(col + 4, y, 10, true, "Wert");
    for (const auto& [label, value] : sheet.Rows) {
        y -= rowHeight;
        pdf.Text(left + 4, y, 10, false, label);
        pdf.Text(col + 4, y, 10, false, value);
    }
    const double tableBottom = y - 6;
    pdf.Rectangle(left, tableBottom, 250, tableTop - tableBottom, 0.6);
    pdf.Line(col, tableBottom, col, tableTop, 0.4);
    pdf.Line(left, tableTop - rowHeight, left + 250, tableTop - rowHeight, 0.4);

    // Sketch on the right, scaled into a square box.
    const double box = 200;
    const double cx = right - box / 2;
    const double cy = tableTop - box / 2;
    const double scale = box / 2 / SketchExtent(sheet.Sketch);
    pdf.Rectangle(cx - box / 2, cy - box / 2, box, box, 0.4);
    for (const TSketchPath& path : SketchPaths(sheet.Sketch)) {
        std::vector<std::pair<double, double>> points;
        points.reserve(path.Points.size());
        for (const auto& [x, py] : path.Points)
            points.emplace_back(cx + scale * x, cy + scale * py);
        const double grey = path.Fill == 1   ? 0.9
                            : path.Fill == 2 ? 0.75
                            : path.Fill == 3 ? 0.5
                                             : -1;
        pdf.Path(points, path.Closed, 0.7, grey);
    }

    pdf.Line(left, 60, right, 60, 0.5);
    pdf.Text(left, 46, 8, false,
             "Alle Maße in mm. Änderungen vorbehalten. Demo-Daten ohne Gewähr.");
    return pdf.Finish();
}

} // namespace corvane
