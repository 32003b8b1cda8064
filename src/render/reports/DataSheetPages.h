#pragma once

#include <functional>

class QPainter;
class QString;

namespace corvane {

// Draws every page of a PDF data sheet as a picture filling a sheet. `nextSheet(landscape)`
// starts a sheet of the page's orientation and returns the painter to draw on (nullptr: the
// device failed). Returns the number of pages drawn, 0 when the file cannot be read, -1 when
// the device failed.
int PaintDataSheet(const QString& file, const std::function<QPainter*(bool landscape)>& nextSheet);

} // namespace corvane
