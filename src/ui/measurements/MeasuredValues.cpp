#include "ui/measurements/MeasuredValues.h"

#include "catalogue/TCatalogue.h"
#include "measurements/TMdbMw.h"
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
    return ShowMeasuredValues(owner, services, flag);
}

} // namespace corvane
