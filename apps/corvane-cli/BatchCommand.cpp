// batch DUTIES.tsv: one search per duty line, the best rows of each in one table (duty
// columns first); bad lines are reported with their number and skipped.
#include "BatchReports.h"
#include "CliArgs.h"
#include "Commands.h"
#include "ResultOutput.h"
#include "SearchSetup.h"
#include "batch/DutyFile.h"
#include "batch/TBatchSelection.h"
#include "catalogue/TCatalogue.h"
#include "i18n/Language.h"
#include "selection/TResultList.h"
#include "session/TSelectionSession.h"
#include "units/Units.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvane::cli {

namespace {

// Duty files are small text tables; anything larger is not one.
constexpr std::uintmax_t kMaxDutyFileBytes = 16u << 20;

std::vector<std::string> BatchOptions() {
    std::vector<std::string> options = kSearchOptions;
    options.insert(options.end(), {"best", "report-dir"});
    return options;
}

std::string ReadDutyFile(const std::string& path) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) throw std::runtime_error("batch: cannot read \"" + path + "\": " + ec.message());
    if (size > kMaxDutyFileBytes)
        throw std::runtime_error("batch: \"" + path + "\" is too large for a duty file");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) throw std::runtime_error("batch: cannot read \"" + path + "\"");
    return text.str();
}

// The duty as it was searched, in display units: line, flow, pressure, density, layout,
// mode, speed, type group, angle.
std::vector<std::string> DutyCells(const TBatchResult& r, int units) {
    const TAuswahlParam& q = r.Request;
    return {std::to_string(r.Duty.Line),
            FormatQuantity(0, kQuantityFlow, units, q.RequestedFlow),
            FormatQuantity(0, kQuantityPressure, units, q.RequestedPressure),
            FormatQuantity(3, kQuantityDensity, units, q.RequestedDensity),
            std::to_string(q.FanLayout),
            std::to_string(q.SearchMode),
            FormatQuantity(0, kQuantitySpeed, units, q.GivenSpeed),
            std::to_string(q.TypeGroup),
            q.HousingAngle};
}

const char* const kDutyKeys[] = {"line", "flow",  "pressure",  "density", "layout",
                                 "mode", "speed", "typeGroup", "angle"};

std::string TsvHeader(const TResultList& list, int units) {
    std::string names;
    std::string unitRow;
    const int quantities[] = {
        0, kQuantityFlow, kQuantityPressure, kQuantityDensity, 0, 0, kQuantitySpeed, 0, 0};
    for (std::size_t i = 0; i < std::size(kDutyKeys); ++i) {
        // The names of the duty file's columns, so the table can be read back as one.
        names += std::string(i == 7 ? "type-group" : kDutyKeys[i]) + '\t';
        unitRow += (quantities[i] != 0 ? UnitLabel(quantities[i], units) : "") + '\t';
    }
    return names + "rank\t" + ResultTsvHeader(list, 0) + '\n' + unitRow + '\t' +
           ResultTsvHeader(list, 1) + '\n';
}

std::string TsvRows(const TBatchResult& r, const TResultList& list, int units) {
    std::string duty;
    for (const std::string& cell : DutyCells(r, units))
        duty += Clean(cell) + '\t';
    if (r.Rows.empty()) return duty + '\n';
    std::string text;
    for (std::size_t i = 0; i < r.Rows.size(); ++i)
        text +=
            duty + std::to_string(i + 1) + '\t' + ResultTsvRow(list, i, i + 1, r.Grades[i]) + '\n';
    return text;
}

std::string JsonDuty(const TBatchResult& r, const TResultList& list, int units) {
    const TAuswahlParam& q = r.Request;
    const double values[] = {static_cast<double>(r.Duty.Line),
                             ToDisplay(kQuantityFlow, units, q.RequestedFlow),
                             ToDisplay(kQuantityPressure, units, q.RequestedPressure),
                             ToDisplay(kQuantityDensity, units, q.RequestedDensity),
                             static_cast<double>(q.FanLayout),
                             static_cast<double>(q.SearchMode),
                             ToDisplay(kQuantitySpeed, units, q.GivenSpeed),
                             static_cast<double>(q.TypeGroup)};
    std::string text = "    {";
    for (std::size_t i = 0; i < std::size(values); ++i)
        text += JsonString(kDutyKeys[i]) + ": " + JsonNumber(values[i]) + ", ";
    text += "\"angle\": " + JsonString(q.HousingAngle) + ", \"rows\": [";
    for (std::size_t i = 0; i < r.Rows.size(); ++i)
        text += (i == 0 ? "\n      " : ",\n      ") + ResultJsonRow(list, i, i + 1, r.Grades[i]);
    return text + (r.Rows.empty() ? "]}" : "\n    ]}");
}

std::string JsonErrors(const TDutyFile& file) {
    std::string text = "[";
    for (std::size_t i = 0; i < file.Errors.size(); ++i)
        text += (i == 0 ? "\n    " : ",\n    ") + std::string("{\"line\": ") +
                std::to_string(file.Errors[i].Line) +
                ", \"message\": " + JsonString(file.Errors[i].Message) + "}";
    return text + (file.Errors.empty() ? "]" : "\n  ]");
}

} // namespace

int RunBatch(const CliArgs& args) {
    CheckArguments(args, "batch", BatchOptions(), 2);
    const std::string path = args.Positional()[1];
    const int best = args.Integer("best", 3, 1, 50);
    const bool json = args.Value("format", "tsv") == "json";
    std::string reportDir;
    if (args.Has("report-dir")) {
        if (!DutyReportWriter())
            throw std::runtime_error("batch: --report-dir: reports not available");
        reportDir = args.Value("report-dir");
        std::filesystem::create_directories(reportDir);
    }

    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TSelectionSession session(catalogue);
    PrepareSession(args, session);
    const int units = ScreenUnitSystem();
    const TDutyFile file = ParseDutyFile(ReadDutyFile(path), session.Request(), units);
    for (const TDutyError& e : file.Errors)
        std::cerr << "corvane-cli: " << path << ": " << e.Text() << '\n';
    if (file.Unusable) throw std::invalid_argument("batch: no duty was read");

    TBatchSelection batch(catalogue);
    batch.SetBest(static_cast<std::size_t>(best));
    batch.SetOrderByFei(SortByFei(args));
    batch.SetGradeOptions(GradeOptionsOf(args));
    TResultList list(catalogue);
    std::string text =
        json ? "{\n  \"columns\": " + ResultJsonColumns(list, "  ") + ",\n  \"duties\": ["
             : TsvHeader(list, units);
    std::cout << text;
    for (std::size_t d = 0; d < file.Duties.size(); ++d) {
        const TBatchResult result = batch.Select(file.Duties[d]);
        list.TakeSearch(result.Rows, result.Request);
        std::cout << (json ? (d == 0 ? "\n" : ",\n") + JsonDuty(result, list, units)
                           : TsvRows(result, list, units));
        if (!reportDir.empty()) {
            const std::string pdf =
                reportDir + "/duty-" + std::to_string(result.Duty.Line) + ".pdf";
            try {
                DutyReportWriter()(result, pdf);
            } catch (const std::exception& e) {
                std::cerr << "corvane-cli: " << pdf << ": " << e.what() << '\n';
            }
        }
    }
    if (json)
        std::cout << (file.Duties.empty() ? "],\n" : "\n  ],\n")
                  << "  \"errors\": " << JsonErrors(file) << "\n}\n";
    return file.Errors.empty() ? 0 : 1;
}

} // namespace corvane::cli
