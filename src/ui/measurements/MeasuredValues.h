#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace corvane {

class TCatalogue;
class TIniFile;
class TMasterDataMenu;
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
// The editor may change the points when the series table is writable.
bool EditSeriesPoints(QWidget* owner, const TMeasuredValuesServices& services,
                      std::int32_t seriesNo, int flag);

// Shows the "Messwerte" group in the series browsers that `menu` opens and runs its commands
// on `catalogue` with the rig settings `installation` (both outlive the menu); the points
// browser keeps its layout in `layouts`. `changed` hears of a series whose points changed:
// the editor closed with OK, or it kept measured points (which a cancelled editor does
// not take back).
void InstallPointsCommands(TMasterDataMenu& menu, TCatalogue& catalogue,
                           const TInstallationSettings& installation, TIniFile& layouts,
                           std::function<void(std::int32_t seriesNo)> changed);

} // namespace corvane
