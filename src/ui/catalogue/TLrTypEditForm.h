#pragma once

#include "ui/catalogue/TRecordEditForm.h"

namespace corvane {

class TCatalogue;

// "Laufrad-Typ bearbeiten": number, designation and the long description.
class TLrTypEditForm : public TRecordEditForm {
    Q_OBJECT
public:
    TLrTypEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                   QWidget* parent = nullptr);
};

} // namespace corvane
