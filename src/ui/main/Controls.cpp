#include "ui/main/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace corvane {

QLabel* NewLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLabel* NewHeading(QWidget* parent, const char* name) {
    QLabel* label = NewLabel(parent, name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLineEdit* NewNumberEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(70);
    edit->setMaximumWidth(110);
    return edit;
}

QComboBox* NewCombo(QWidget* parent, const char* name, bool editable) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert); // typed values are not added to the list
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QCheckBox* NewCheck(QWidget* parent, const char* name) {
    auto* check = new QCheckBox(parent);
    check->setObjectName(QLatin1String(name));
    return check;
}

} // namespace corvane
