#pragma once

namespace corvane {

class TCatalogue;
class TMessAuswahl;
struct TSettings;

// What every curve window works on, owned by whoever opens them (the main window, or a
// program that only shows curves): the catalogue, the series selection and the settings with
// the diagram font, the curve style and the program-wide point lists.
struct TCurveWindowContext {
    TCatalogue& Catalogue;
    TMessAuswahl& Selection;
    TSettings& Settings;
};

} // namespace corvane
