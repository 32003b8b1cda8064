#pragma once

#include <memory>
#include <string>

class QGuiApplication;

namespace corvane {
struct TLayout;
struct TReportSource;
} // namespace corvane

namespace corvane::cli {

// Fonts, painting and the PDF printer need a GUI application; without a display the
// offscreen platform serves. Returns nullptr when an application already runs.
std::unique_ptr<QGuiApplication> StartGui();

// Draws the pages of `layout` built from `source` into the PDF file `out` (A4, 600 dpi) and
// returns the number of sheets; throws when the file cannot be written.
int WriteReportPdf(const TReportSource& source, const TLayout& layout, const std::string& out);

} // namespace corvane::cli
