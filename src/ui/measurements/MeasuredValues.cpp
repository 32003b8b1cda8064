#include "ui/measurements/MeasuredValues.h"

#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "ui/mdb/TMasterDataMenu.h"
#include "ui/mdb/TMdbForm.h"
#include "ui/measurements/TMwEditForm.h"

namespace corvane {

bool ShowMeasuredValues(QWidget* owner, const TMeasuredValuesServices& services, int mode) {
    if (services.Catalogue == nullptr || services.Installation == nullptr) return false;
    TMwEditForm form(*services.Catalogue, *services.Installation, mode, owner);
    if (services.EditSeries) form.SetSeriesEditor(services.EditSeries);
    return form.exec() == QDialog::Accepted;
}

bool EditSeriesPoints(QWidget* owner, const TMeasuredValuesServices& services,
                      std::int32_t seriesNo, int flag) {
    if (services.Catalogue == nullptr) return false;
    TMdbMw& points = services.Catalogue->Mw();
    if (!points.LoadSeries(seriesNo, -1, -1, -1)) return false;
    if (flag == 1 && services.BrowsePoints) return services.BrowsePoints(owner);
    // The editor measures and changes the points where the series may be changed. Otherwise
    // the points table stays read-only: its table browser offers no record editing.
    struct TRestore {
        TMdbMw& Points;
        bool ReadOnly;
        ~TRestore() { Points.SetReadOnly(ReadOnly); }
    } restore{points, points.ReadOnly()};
    points.SetReadOnly(services.Catalogue->Messung().ReadOnly());
    return ShowMeasuredValues(owner, services, flag);
}

void InstallPointsCommands(TMasterDataMenu& menu, TCatalogue& catalogue,
                           const TInstallationSettings& installation, TIniFile& layouts,
                           std::function<void(std::int32_t seriesNo)> changed) {
    catalogue.Messung().SetMeasuredValuesMenu(true);
    menu.SetPointsHandler([&catalogue, &installation, &layouts, changed = std::move(changed)](
                              QWidget* owner, std::int32_t seriesNo, int flag) {
        TMeasuredValuesServices services;
        services.Catalogue = &catalogue;
        services.Installation = &installation;
        // "Messreihe bearbeiten" where the series may be changed: the series' own dialog.
        if (!catalogue.Messung().ReadOnly())
            services.EditSeries = [&catalogue](std::int32_t series) {
                std::int32_t key = series;
                return catalogue.Messung().EditRecord(nullptr, key, TMdbForm::kEditFlag);
            };
        services.BrowsePoints = [&catalogue, &layouts](QWidget* parent) {
            TMdbForm browser(catalogue.Mw(), 0, layouts, parent);
            browser.exec();
            return false; // looking changes nothing
        };
        const std::uint64_t kept = catalogue.KeptPointsRevision();
        const bool confirmed = EditSeriesPoints(owner, services, seriesNo, flag);
        const bool points = confirmed || catalogue.KeptPointsRevision() != kept;
        if (points && changed) changed(seriesNo);
        return points;
    });
}

} // namespace corvane
