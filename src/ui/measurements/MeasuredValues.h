#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace corvane {

class TCatalogue;
struct TInstallationSettings;

// Entry points of the series browser's "Messwerte" menu group.
struct TMeasuredValuesServices {
    TCatalogue* Catalogue = nullptr;
    const TInstallationSettings* Installation = nullptr;
    // "Messreihe bearbeiten" inside the editor: edits the series record, true on a change.
    std::function<bool(std::int32_t seriesNo)> EditSeries;
    // Flag 1 ("Messwerte anzeigen") shows the points in the table browser when one is given;
    // without it the editor opens idle.
    std::function<bool(QWidget* owner)> BrowsePoints;
};

// Opens the editor modally for the series loaded in the catalogue's measured-points table:
// mode 2 starts measuring, 3 editing, others leave it idle. True when it closed with OK.
bool ShowMeasuredValues(QWidget* owner, const TMeasuredValuesServices& services, int mode);

// The "Messwerte" group of the series table: flag 1 show, 2 measure, 3 edit the points of a
// series. Loads the series' points unconverted first; false when the series does not exist.
bool EditSeriesPoints(QWidget* owner, const TMeasuredValuesServices& services,
                      std::int32_t seriesNo, int flag);

} // namespace corvane
