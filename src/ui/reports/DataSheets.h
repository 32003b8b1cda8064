#pragma once

#include <string>

namespace corvane {

// Opens a data sheet (a PDF file) with the desktop's viewer. Nothing happens for an empty
// name; false when the file does not exist or no viewer takes it.
bool OpenDataSheet(const std::string& path);

} // namespace corvane
