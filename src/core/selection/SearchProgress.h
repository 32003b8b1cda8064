#pragma once

#include "util/Progress.h"

namespace corvane {

// Process-wide search progress slot: the main window installs a handler that draws the
// fraction done (0..1) into its status line, and removes it when it is hidden.
using TSearchProgress = TProgressCallback;

void SetSearchProgressCallback(TSearchProgress callback);
// Calls the installed handler; does nothing when none is installed.
void ReportSearchProgress(double fraction);

} // namespace corvane
