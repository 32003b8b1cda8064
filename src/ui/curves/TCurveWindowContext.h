#pragma once

#include <functional>
#include <string>

namespace corvane {

class TCatalogue;
class TMessAuswahl;
struct TMessSlot;
struct TSettings;

// What every curve window works on, owned by whoever opens them (the main window, or a
// program that only shows curves): the catalogue, the series selection and the settings with
// the diagram font, the curve style and the program-wide point lists.
struct TCurveWindowContext {
    TCatalogue& Catalogue;
    TMessAuswahl& Selection;
    TSettings& Settings;
    // The name of a selected series in the point table (the main window gives the result
    // list's designation of the row it came from); without it the catalogue designation of
    // the series' impeller is shown.
    std::function<std::string(const TMessSlot& slot)> SlotName = {};
};

} // namespace corvane
