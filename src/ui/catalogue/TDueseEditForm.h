#pragma once

#include "ui/catalogue/TRecordEditForm.h"

namespace corvane {

class TCatalogue;

// "Einströmdüse bearbeiten": the nozzle; typing its type or size shows the designation.
class TDueseEditForm : public TRecordEditForm {
    Q_OBJECT
public:
    TDueseEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                   QWidget* parent = nullptr);
};

} // namespace corvane
