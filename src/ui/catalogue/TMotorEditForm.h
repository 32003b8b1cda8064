#pragma once

#include "ui/catalogue/TRecordEditForm.h"

namespace corvane {

class TCatalogue;

// "Motor bearbeiten": the motor with its type combo.
class TMotorEditForm : public TRecordEditForm {
    Q_OBJECT
public:
    TMotorEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                   QWidget* parent = nullptr);
};

} // namespace corvane
