#pragma once

#include <string>

namespace corvane {

struct TDataSheet;

// The PDF file of a data sheet: header, title, dimension table and the sketch.
std::string DataSheetPdf(const TDataSheet& sheet);

} // namespace corvane
