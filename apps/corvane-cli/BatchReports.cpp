#include "BatchReports.h"

#include "ReportPdf.h"
#include "batch/TBatchSelection.h"
#include "model/TMessAuswahl.h"
#include "render/reports/ResultRows.h"
#include "render/reports/TReportBuilder.h"
#include "selection/TLayoutSeiteAusw.h"
#include "selection/TResultList.h"
#include "settings/TSettings.h"

namespace corvane::cli {

std::string DutyReportName(const TDuty& duty) {
    return "duty-" + std::to_string(duty.Line) + ".pdf";
}

void WriteDutyReport(TCatalogue& catalogue, const TSettings& settings, const TBatchResult& result,
                     const std::string& pdfPath) {
    TResultList list(catalogue);
    list.TakeSearch(result.Rows, result.Request);
    TMessAuswahl selection(catalogue);
    list.BuildCurveSelection(selection);
    TLayout layout = settings.Layouts.Layouts[0];
    if (layout.Count == 0) ReadLayoutText(kDutyReportPages, layout);
    TReportSource source{catalogue, selection, settings};
    source.ResultRow = ResultRowOf(list);
    WriteReportPdf(source, layout, pdfPath);
}

} // namespace corvane::cli
