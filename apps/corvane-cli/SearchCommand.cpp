// search: the impeller search for a request given as options or read from a selection file,
// printed as the result list's columns with the energy-efficiency grade of every row.
#include "CliArgs.h"
#include "Commands.h"
#include "ResultOutput.h"
#include "SearchSetup.h"
#include "catalogue/TCatalogue.h"
#include "efficiency/GradeFields.h"
#include "efficiency/TEfficiencyRater.h"
#include "selection/TResultList.h"
#include "session/TSelectionSession.h"

#include <iostream>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace corvane::cli {

namespace {

// `order` holds positions into the list's rows in the order to print.
void PrintTsv(const TResultList& list, const std::vector<std::size_t>& order,
              const std::vector<TEfficiencyGrade>& grades) {
    std::string text = ResultTsvHeader(list, 0) + '\n' + ResultTsvHeader(list, 1) + '\n';
    for (std::size_t i = 0; i < order.size(); ++i)
        text += ResultTsvRow(list, order[i], i + 1, grades[order[i]]) + '\n';
    std::cout << text;
}

void PrintJson(const TResultList& list, const std::vector<std::size_t>& order,
               const std::vector<TEfficiencyGrade>& grades) {
    std::string text = "{\n  \"columns\": " + ResultJsonColumns(list, "  ") +
                       ",\n  \"status\": " + JsonString(list.StatusText()) + ",\n  \"rows\": [";
    for (std::size_t i = 0; i < order.size(); ++i)
        text += (i == 0 ? "\n    " : ",\n    ") +
                ResultJsonRow(list, order[i], i + 1, grades[order[i]]);
    text += order.empty() ? "]\n}\n" : "\n  ]\n}\n";
    std::cout << text;
}

} // namespace

int RunSearch(const CliArgs& args) {
    CheckArguments(args, "search", kSearchOptions, 1);
    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TSelectionSession session(catalogue);
    PrepareSession(args, session);

    if (const TOutcome searched = session.Search(); !searched)
        throw std::runtime_error(searched.Message());
    if (args.Has("selection")) (void)session.OpenSelectionMarks(args.Value("selection"));

    const TResultList& list = session.Results();
    TEfficiencyRater rater(catalogue);
    rater.SetOptions(GradeOptionsOf(args));
    const std::vector<TEfficiencyGrade> grades =
        rater.Grade(list.Rows(), list.Request().RequestedDensity);
    std::vector<std::size_t> order(grades.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (SortByFei(args)) order = OrderByFei(grades);

    if (args.Value("format", "tsv") == "json")
        PrintJson(list, order, grades);
    else
        PrintTsv(list, order, grades);
    return 0;
}

} // namespace corvane::cli
