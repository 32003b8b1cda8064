#pragma once

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace corvane {

// Controls of the main window's input panels, named by their role (object name).
QLabel* NewLabel(QWidget* parent, const char* name);
QLabel* NewHeading(QWidget* parent, const char* name);
QLineEdit* NewNumberEdit(QWidget* parent, const char* name);
QComboBox* NewCombo(QWidget* parent, const char* name, bool editable = false);
QCheckBox* NewCheck(QWidget* parent, const char* name);

} // namespace corvane
