#include "mdb/TRecordDialog.h"

#include "mdb/TDialogControl.h"

namespace corvane {

TDialogControl* TRecordDialog::Bound(int field) const {
    for (TDialogControl* control : Controls())
        if (control->Tag() == field && control->Kind() != TControlKind::Label) return control;
    return nullptr;
}

TDialogControl* TRecordDialog::Named(std::string_view name) const {
    for (TDialogControl* control : Controls())
        if (control->Name() == name) return control;
    return nullptr;
}

} // namespace corvane
