#pragma once

#include "ui/catalogue/TRecordEditForm.h"

namespace corvane {

class TCatalogue;

// "Kunde bearbeiten": number, name and address of a customer.
class TKundeEditForm : public TRecordEditForm {
    Q_OBJECT
public:
    TKundeEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                   QWidget* parent = nullptr);
};

} // namespace corvane
