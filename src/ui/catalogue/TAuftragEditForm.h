#pragma once

#include "ui/catalogue/TRecordEditForm.h"

namespace corvane {

class TCatalogue;

// "Auftrag bearbeiten": the order with its customer picked from the customers.
class TAuftragEditForm : public TRecordEditForm {
    Q_OBJECT
public:
    TAuftragEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                     QWidget* parent = nullptr);
};

} // namespace corvane
