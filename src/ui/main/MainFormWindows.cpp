// The windows of the other parts as the main window offers them: the curve windows with their
// button and font item, the print preview button and the printer items of the file menu, the
// table browsers of the master-data menu with the series' measured values.
#include "catalogue/TCatalogue.h"
#include "settings/TSettings.h"
#include "ui/main/TCorvaneMainForm.h"
#include "ui/main/TCurveCommands.h"
#include "ui/main/TMainMenus.h"
#include "ui/mdb/TMasterDataMenu.h"
#include "ui/measurements/MeasuredValues.h"
#include "ui/reports/TEvaluationCommands.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace corvane {

void TCorvaneMainForm::AttachWindows() {
    curves_ = std::make_unique<TCurveCommands>(*this);
    evaluation_ = new TEvaluationCommands(
        curves_->Context(), [this] { curves_->PrepareSelection(); }, this);
    AddButton(evaluation_->PrintBtn());
    // The printer items come after saving, before the separator above "exit".
    QMenu* file = FileMenu();
    const QList<QAction*> items = file->actions();
    const qsizetype exit = items.indexOf(menus_->ExitAction());
    QAction* before =
        exit > 0 && items.at(exit - 1)->isSeparator() ? items.at(exit - 1) : menus_->ExitAction();
    file->insertAction(before, evaluation_->PrintSetupMen());
    file->insertAction(before, evaluation_->PrintMen());
    connect(this, &TCorvaneMainForm::languageChanged, evaluation_,
            &TEvaluationCommands::ApplyTexts);

    masterData_ =
        new TMasterDataMenu(*MasterDataMenu(), *catalogue_, session_->EditOptions().Store, this);
    InstallPointsCommands(*masterData_, *catalogue_, session_->Options().Installation,
                          session_->EditOptions().Store,
                          [this](std::int32_t) { Report(session_->PointsChanged()); });
    connect(this, &TCorvaneMainForm::languageChanged, masterData_, &TMasterDataMenu::ApplyLanguage);
}

} // namespace corvane
