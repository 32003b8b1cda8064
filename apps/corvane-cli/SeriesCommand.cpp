// series: the evaluated points of one series, converted to the requested targets.
#include "CliArgs.h"
#include "Commands.h"
#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMw.h"

#include <iostream>
#include <stdexcept>

namespace corvane::cli {

int RunSeries(const CliArgs& args) {
    const int seriesNo = CliArgs::WordInteger(args.Positional()[1], "series", 1, 2147483647);
    const float density = CliArgs::ToFloat(args.Number("density", -1), "--density");
    const float d2 = CliArgs::ToFloat(args.Number("d2", -1), "--d2");
    const float speed = CliArgs::ToFloat(args.Number("speed", -1), "--speed");
    TCatalogue catalogue;
    OpenCatalogue(catalogue, DataFile(args));
    TMdbMw& mw = catalogue.Mw();
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
