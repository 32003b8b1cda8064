#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

class QDockWidget;
class QMenu;

namespace corvane {

class TCorvaneMainForm;
class TEfficiencyRater;
class TEnergyDetailsPanel;
struct TGradeLine;

// The energy-efficiency grade of the selected result row in the main window: a details panel
// docked under the result grid and a submenu of the row's context menu, both showing the
// grade lines the core computes, in the current language. The panel follows the grid's
// selection, the results and the language.
class TResultEnergyDetails : public QObject {
    Q_OBJECT
public:
    explicit TResultEnergyDetails(TCorvaneMainForm& form);
    ~TResultEnergyDetails() override;
    TResultEnergyDetails(const TResultEnergyDetails&) = delete;
    TResultEnergyDetails& operator=(const TResultEnergyDetails&) = delete;

    TEnergyDetailsPanel* Panel() const { return panel_; }
    QDockWidget* Dock() const { return dock_; }
    QMenu* Submenu() const { return submenu_; }

    // Grades the selected row again and shows it.
    void Update();

private:
    // The lines of a result row, graded once per row and results.
    const std::vector<TGradeLine>& LinesOf(int row);
    void FillSubmenu();

    TCorvaneMainForm& form_;
    std::unique_ptr<TEfficiencyRater> rater_;
    QDockWidget* dock_ = nullptr;
    TEnergyDetailsPanel* panel_ = nullptr;
    QMenu* submenu_ = nullptr;
    std::vector<TGradeLine> lines_;
    int linesRow_ = -1; // the row `lines_` belong to, -1 when none
};

} // namespace corvane
