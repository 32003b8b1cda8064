#include "ui/main/TResultEnergyDetails.h"

#include "efficiency/EfficiencyTexts.h"
#include "efficiency/TEfficiencyRater.h"
#include "i18n/Language.h"
#include "selection/TResultList.h"
#include "ui/common/QtText.h"
#include "ui/main/TCorvaneMainForm.h"
#include "ui/main/TEnergyDetailsPanel.h"
#include "ui/main/TResultContextMenu.h"
#include "ui/main/TResultGrid.h"
#include "ui/main/TResultPanel.h"

#include <QDockWidget>
#include <QItemSelectionModel>
#include <QMenu>
#include <algorithm>
#include <array>

namespace corvane {

namespace {

QString NoRowText() {
    static constexpr std::array<const char*, 3> kTexts = {
        "Keine Ergebniszeile ausgewählt", "No result row selected", "Строка результата не выбрана"};
    return QString::fromUtf8(kTexts[static_cast<std::size_t>(std::clamp(TextLanguage(), 0, 2))]);
}

} // namespace

TResultEnergyDetails::TResultEnergyDetails(TCorvaneMainForm& form)
    : QObject(&form), form_(form), rater_(std::make_unique<TEfficiencyRater>(form.Catalogue())) {
    setObjectName(QStringLiteral("ResultEnergyDetails"));
    dock_ = new QDockWidget(&form);
    dock_->setObjectName(QStringLiteral("EnergyDetailsDock"));
    dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    panel_ = new TEnergyDetailsPanel(dock_);
    dock_->setWidget(panel_);
    form.addDockWidget(Qt::BottomDockWidgetArea, dock_);

    // The submenu sits after the information lines, before the cart command.
    TResultContextMenu& menu = *form.ResultContextMenu();
    submenu_ = new QMenu(&menu);
    submenu_->setObjectName(QStringLiteral("EnergyMen"));
    const QList<QAction*> actions = menu.actions();
    const qsizetype cart = actions.indexOf(menu.CartAction());
    menu.insertMenu(cart > 0 ? actions.at(cart - 1) : menu.CartAction(), submenu_);
    connect(&menu, &QMenu::aboutToShow, this, &TResultEnergyDetails::FillSubmenu);

    TResultGrid& grid = *form.ResultPanel()->Grid();
    connect(grid.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TResultEnergyDetails::Update);
    connect(&form, &TCorvaneMainForm::resultsChanged, this, [this] {
        linesRow_ = -1;
        Update();
    });
    connect(&form, &TCorvaneMainForm::languageChanged, this, [this] {
        linesRow_ = -1;
        Update();
    });
    Update();
}

TResultEnergyDetails::~TResultEnergyDetails() = default;

const std::vector<TGradeLine>& TResultEnergyDetails::LinesOf(int row) {
    if (row >= 0 && row == linesRow_) return lines_;
    const TResultList& results = form_.Session().Results();
    lines_.clear();
    linesRow_ = -1;
    if (row < 0 || static_cast<std::size_t>(row) >= results.Count()) return lines_;
    const TEfficiencyGrade grade = rater_->Grade(results.Row(static_cast<std::size_t>(row)),
                                                 results.Request().RequestedDensity);
    lines_ = GradeLines(grade, TextLanguage(), ScreenUnitSystem());
    linesRow_ = row;
    return lines_;
}

void TResultEnergyDetails::Update() {
    const QString title = ToQString(EnergyEfficiencyTitle(TextLanguage()));
    dock_->setWindowTitle(title);
    submenu_->setTitle(title);
    const std::vector<TGradeLine>& lines = LinesOf(form_.SelectedRow());
    if (lines.empty())
        panel_->ShowHint(NoRowText());
    else
        panel_->ShowLines(lines);
}

void TResultEnergyDetails::FillSubmenu() {
    submenu_->clear();
    const std::vector<TGradeLine>& lines = LinesOf(form_.SelectedRow());
    submenu_->setEnabled(!lines.empty());
    for (const TGradeLine& line : lines)
        submenu_->addAction(ToQString(line.Label + ": " + line.Value));
}

} // namespace corvane
