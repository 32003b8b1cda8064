#include "BatchReports.h"

namespace corvane::cli {

TDutyReportWriter& DutyReportWriter() {
    static TDutyReportWriter writer;
    return writer;
}

} // namespace corvane::cli
