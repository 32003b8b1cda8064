#include "ui/catalogue/TChoiceGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace corvane {

TChoiceGroup::TChoiceGroup(QWidget* parent) : QGroupBox(parent), buttons_(new QButtonGroup(this)) {
    new QHBoxLayout(this);
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) Q_EMIT ItemChanged(id);
    });
}

void TChoiceGroup::SetItems(const QStringList& items) {
    for (QAbstractButton* button : buttons_->buttons()) {
        buttons_->removeButton(button);
        delete button;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        layout()->addWidget(button);
    }
}

int TChoiceGroup::ItemCount() const {
    return static_cast<int>(buttons_->buttons().size());
}

int TChoiceGroup::ItemIndex() const {
    return buttons_->checkedId();
}

void TChoiceGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = buttons_->button(index); button != nullptr) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = buttons_->checkedButton(); checked != nullptr) {
        buttons_->setExclusive(false);
        checked->setChecked(false);
        buttons_->setExclusive(true);
    }
}

} // namespace corvane
