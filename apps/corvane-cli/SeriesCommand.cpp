// series: the evaluated points of one series, converted to the requested targets.
#include "CliArgs.h"
#include "Commands.h"
#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMw.h"

#include <iostream>
#include <stdexcept>

namespace corvane::cli {

int RunSeries(const CliArgs& args) {
    const auto& words = args.Positional();
    if (words.size() < 2) throw std::invalid_argument("series: which series number?");
    int seriesNo = 0;
    try {
        seriesNo = std::stoi(words[1]);
    } catch (const std::exception&) {
        throw std::invalid_argument("series: not a series number: \"" + words[1] + "\"");
    }
    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TMdbMw& mw = catalogue.Mw();
    const auto density = static_cast<float>(args.Number("density", -1));
    const auto d2 = static_cast<float>(args.Number("d2", -1));
    const auto speed = static_cast<float>(args.Number("speed", -1));
    if (!mw.LoadSeries(seriesNo, density, d2, speed))
        throw std::invalid_argument("series: no series " + std::to_string(seriesNo));
    mw.Sort(TMdbMw::F_MWNR, false);
    std::string text;
    for (int f = 1; f <= mw.FieldCount(); ++f) {
        const TMdbField& field = mw.Field(f);
        text += field.Key.empty() ? field.Caption[0] : field.Key;
        text += f < mw.FieldCount() ? '\t' : '\n';
    }
    for (int i = 0; i < mw.ViewCount(); ++i) {
        const TMdbRecord* point = mw.ViewRecord(i);
        for (int f = 1; f <= mw.FieldCount(); ++f) {
            text += mw.GetFieldTextInUnits(point, f, false);
            text += f < mw.FieldCount() ? '\t' : '\n';
        }
    }
    std::cout << text;
    return 0;
}

} // namespace corvane::cli
