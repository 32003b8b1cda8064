#pragma once

#include "ui/catalogue/TPicturedEditForm.h"

namespace corvane {

// "Gehäuse bearbeiten": the housing on five pages with inlet choice and form combo, picks of
// picture, type, impeller and series, sketch and picture.
class TGehaeuseEditForm : public TPicturedEditForm {
    Q_OBJECT
public:
    TGehaeuseEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                      QWidget* parent = nullptr);
};

} // namespace corvane
