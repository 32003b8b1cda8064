#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

class QComboBox;
class QLabel;

namespace corvane {

class TResultDelegate;
class TResultGrid;
class TResultList;
class TResultModel;

// The result part of the main window: the title line with the sort list, the result grid and
// the four annotation lines explaining the remark markers.
class TResultPanel : public QWidget {
    Q_OBJECT
public:
    explicit TResultPanel(const TResultList& results, QWidget* parent = nullptr);

    // Texts of the current language: title, sort list, annotation lines, grid headers.
    void ApplyTexts();
    // Shows rows, sort key and annotation lines of the result list.
    void Refresh();
    // Only the chart marks changed.
    void RefreshMarks();
    // Row height of the grid and the annotation lines from the grid's font.
    void ApplyRowHeight();

    TResultGrid* Grid() const { return grid_; }
    TResultModel* Model() const { return model_; }
    QComboBox* SortCombo() const { return sortCombo_; }
    QLabel* AnmPanel(int index) const { return anmPanels_.at(static_cast<std::size_t>(index)); }

Q_SIGNALS:
    // The user chose another sort key.
    void sortChosen(int sortKey);

private:
    void FillSortList();
    void FitColumns();

    const TResultList& results_;
    QWidget* ergTitelPanel_ = nullptr;
    QLabel* ergebnisLabel_ = nullptr;
    QComboBox* sortCombo_ = nullptr;
    TResultGrid* grid_ = nullptr;
    QWidget* emptyArea_ = nullptr;
    TResultModel* model_ = nullptr;
    TResultDelegate* delegate_ = nullptr;
    std::array<QLabel*, 4> anmPanels_{};
    QStringList fittedHeaders_;
    bool designationsFitted_ = false;
};

} // namespace corvane
