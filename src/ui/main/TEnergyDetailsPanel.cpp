#include "ui/main/TEnergyDetailsPanel.h"

#include "efficiency/EfficiencyTexts.h"
#include "ui/common/QtText.h"

#include <QGridLayout>
#include <QLabel>

namespace corvane {

TEnergyDetailsPanel::TEnergyDetailsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EnergyDetailsPanel"));
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(6, 2, 6, 4);
    grid_->setHorizontalSpacing(10);
    grid_->setVerticalSpacing(2);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("EnergyHint"));
    grid_->addWidget(hint_, 0, 0, 1, 5);
    // Column pairs 0, 1 and 3, 4 keep their text widths, column 2 keeps them apart and the
    // spare width goes to the right.
    grid_->setColumnMinimumWidth(2, 24);
    grid_->setColumnStretch(5, 1);
}

void TEnergyDetailsPanel::ShowLines(const std::vector<TGradeLine>& lines) {
    const int count = static_cast<int>(lines.size());
    while (static_cast<int>(labels_.size()) < count) {
        auto* label = new QLabel(this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setTextFormat(Qt::PlainText);
        auto* value = new QLabel(this);
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        labels_.push_back(label);
        values_.push_back(value);
    }
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        labels_[at]->setText(ToQString(lines[at].Label) + QLatin1Char(':'));
        values_[at]->setText(ToQString(lines[at].Value));
    }
    shown_ = count;
    hint_->hide();
    Place(count);
}

void TEnergyDetailsPanel::ShowHint(const QString& hint) {
    hint_->setText(hint);
    hint_->show();
    shown_ = 0;
    Place(0);
}

void TEnergyDetailsPanel::Place(int count) {
    // The first half of the lines on the left, the rest on the right.
    const int rows = (count + 1) / 2;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const int line = static_cast<int>(i);
        const bool shown = line < count;
        labels_[i]->setVisible(shown);
        values_[i]->setVisible(shown);
        if (!shown) continue;
        const int row = line % rows;
        const int column = line / rows * 3;
        grid_->addWidget(labels_[i], row, column, Qt::AlignLeft | Qt::AlignTop);
        grid_->addWidget(values_[i], row, column + 1, Qt::AlignLeft | Qt::AlignTop);
    }
}

QString TEnergyDetailsPanel::Label(int line) const {
    if (line < 0 || line >= shown_) return {};
    const QString text = labels_[static_cast<std::size_t>(line)]->text();
    return text.left(text.size() - 1);
}

QString TEnergyDetailsPanel::Value(int line) const {
    if (line < 0 || line >= shown_) return {};
    return values_[static_cast<std::size_t>(line)]->text();
}

QString TEnergyDetailsPanel::Hint() const {
    return hint_->isVisibleTo(this) ? hint_->text() : QString();
}

} // namespace corvane
