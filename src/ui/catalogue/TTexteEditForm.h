#pragma once

#include "ui/catalogue/TRecordEditForm.h"

namespace corvane {

class TCatalogue;

// "Texte zur Messung bearbeiten": number and text.
class TTexteEditForm : public TRecordEditForm {
    Q_OBJECT
public:
    TTexteEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                   QWidget* parent = nullptr);
};

} // namespace corvane
