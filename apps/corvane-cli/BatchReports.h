#pragma once

#include <string>

namespace corvane {
class TCatalogue;
struct TBatchResult;
struct TDuty;
struct TSettings;
} // namespace corvane

namespace corvane::cli {

// The pages of a duty report when the user's first evaluation layout holds none: the
// pressure, power and efficiency curves, the cover sheet and the part-load curves.
inline constexpr const char* kDutyReportPages = "1|4|7|96|89|";

// The file name of a duty's report inside the report folder: "duty-<line>.pdf", made of the
// line number only, so no duty text can reach outside the folder.
std::string DutyReportName(const TDuty& duty);

// Writes the PDF report of one duty of a batch through the report builder: its rows become
// the result list (the first four marked and selected), the pages are those of the user's
// first evaluation layout (or kDutyReportPages), in the current text language. A GUI
// application must run. Throws when the file cannot be written.
void WriteDutyReport(TCatalogue& catalogue, const TSettings& settings, const TBatchResult& result,
                     const std::string& pdfPath);

} // namespace corvane::cli
