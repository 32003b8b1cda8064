#pragma once

#include "ui/catalogue/TPicturedEditForm.h"

namespace corvane {

// "Laufrad bearbeiten": the impeller on four pages with rotation and inlet choices, the
// keyway combo, picks of picture, type, nozzle and series, sketch and picture.
class TLaufradEditForm : public TPicturedEditForm {
    Q_OBJECT
public:
    TLaufradEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                     QWidget* parent = nullptr);
};

} // namespace corvane
