#include "ui/main/TResultPanel.h"

#include "i18n/Texts.h"
#include "selection/TResultList.h"
#include "ui/common/QtText.h"
#include "ui/main/Controls.h"
#include "ui/main/TResultDelegate.h"
#include "ui/main/TResultGrid.h"
#include "ui/main/TResultModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

namespace corvane {

namespace {

constexpr TextId kSortTexts[] = {TextId::SortLp,   TextId::SortEfficiency, TextId::SortDeviation,
                                 TextId::SortD2,   TextId::SortSpeed,      TextId::SortWidth,
                                 TextId::SortAngle};

// Annotation lines 1 and 2 explain the high-speed markers (yellow), 3 and 4 the missing
// speed limits (aqua).
const char* const kPanelColours[] = {"yellow", "yellow", "cyan", "cyan"};

} // namespace

TResultPanel::TResultPanel(const TResultList& results, QWidget* parent)
    : QWidget(parent), results_(results) {
    ergTitelPanel_ = new QWidget(this);
    ergTitelPanel_->setObjectName(QStringLiteral("ErgTitelPanel"));
    ergebnisLabel_ = NewHeading(ergTitelPanel_, "ErgebnisLabel");
    sortCombo_ = NewCombo(ergTitelPanel_, "SortCombo");
    auto* title = new QHBoxLayout(ergTitelPanel_);
    title->setContentsMargins(6, 3, 6, 3);
    title->addWidget(ergebnisLabel_);
    title->addSpacing(12);
    title->addWidget(sortCombo_);
    title->addStretch();

    grid_ = new TResultGrid(this);
    model_ = new TResultModel(results_, this);
    delegate_ = new TResultDelegate(this);
    grid_->setModel(model_);
    grid_->setItemDelegate(delegate_);
    grid_->setColumnWidth(1, TResultGrid::kDesignationColumnWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ergTitelPanel_);
    layout->addWidget(grid_, 1);
    // Holds the place of the hidden grid so that the title stays at the top.
    emptyArea_ = new QWidget(this);
    layout->addWidget(emptyArea_, 1);
    for (std::size_t i = 0; i < anmPanels_.size(); ++i) {
        const std::string name = "AnmPanel" + std::to_string(i + 1);
        QLabel* panel = NewLabel(this, name.c_str());
        panel->setAutoFillBackground(true);
        panel->setStyleSheet(QStringLiteral("QLabel { background: %1; border: 1px solid gray; }")
                                 .arg(QLatin1String(kPanelColours[i])));
        panel->hide();
        layout->addWidget(panel);
        anmPanels_[i] = panel;
    }
    connect(sortCombo_, &QComboBox::activated, this, [this](int key) { Q_EMIT sortChosen(key); });
    ApplyRowHeight();
}

void TResultPanel::ApplyTexts() {
    ergebnisLabel_->setText(QTxt(TextId::ErgebnisLabel));
    FillSortList();
    for (std::size_t i = 0; i < anmPanels_.size(); ++i)
        anmPanels_[i]->setText(ShownText(results_.RemarkText(i)));
}

void TResultPanel::FillSortList() {
    const QSignalBlocker block(sortCombo_);
    sortCombo_->clear();
    for (const TextId id : kSortTexts)
        sortCombo_->addItem(QTxt(id));
    sortCombo_->setCurrentIndex(results_.Request().SortKey);
}

void TResultPanel::Refresh() {
    model_->Reset();
    const bool rows = results_.Count() > 0;
    grid_->setVisible(rows);
    emptyArea_->setVisible(!rows);
    sortCombo_->setVisible(rows);
    if (rows) {
        const QSignalBlocker block(sortCombo_);
        sortCombo_->setCurrentIndex(results_.Request().SortKey);
    }
    for (std::size_t i = 0; i < anmPanels_.size(); ++i)
        anmPanels_[i]->setVisible(results_.RemarkShown(i));
    FitColumns();
}

void TResultPanel::FitColumns() {
    // Every header fits; the designations too. Afterwards the widths are the user's until
    // the headers change (language, units, sound distance).
    QStringList headers;
    for (int c = 0; c < model_->columnCount(); ++c)
        headers << model_->headerData(c, Qt::Horizontal).toString();
    const bool fitDesignations = !designationsFitted_ && model_->rowCount() > 0;
    if (headers == fittedHeaders_ && !fitDesignations) return;
    fittedHeaders_ = headers;
    QHeaderView* header = grid_->horizontalHeader();
    for (int c = 0; c < model_->columnCount(); ++c) {
        const int minimum =
            c == 1 ? TResultGrid::kDesignationColumnWidth : TResultGrid::kDefaultColumnWidth;
        int width = std::max(minimum, header->sectionSizeHint(c));
        if (c == 1 && model_->rowCount() > 0) {
            grid_->resizeColumnToContents(1);
            width = std::max(width, grid_->columnWidth(1) + 4);
        }
        grid_->setColumnWidth(c, width);
    }
    designationsFitted_ = designationsFitted_ || fitDesignations;
}

void TResultPanel::RefreshMarks() {
    model_->MarksChanged();
}

void TResultPanel::ApplyRowHeight() {
    grid_->ApplyRowHeight();
    const int height = grid_->RowHeight();
    for (QLabel* panel : anmPanels_)
        panel->setFixedHeight(height);
    ergTitelPanel_->setFixedHeight(sortCombo_->sizeHint().height() + 6);
}

} // namespace corvane
