#pragma once

#include <functional>
#include <string>

namespace corvane {
struct TBatchResult;
}

namespace corvane::cli {

// Writes the PDF report of one duty of a batch into a file.
using TDutyReportWriter =
    std::function<void(const TBatchResult& result, const std::string& pdfPath)>;

// The writer `batch --report-dir` uses; empty while the tool has no report pages, and then
// --report-dir is refused with "reports not available".
TDutyReportWriter& DutyReportWriter();

} // namespace corvane::cli
