#include "catalogue/DialogRules.h"

#include "mdb/TConfirmation.h"
#include "mdb/TDialogControl.h"
#include "mdb/TMdb.h"
#include "mdb/TRecordDialog.h"
#include "util/Numbers.h"
#include "util/Text.h"

#include <cctype>

namespace corvane {

std::string BoundText(const TRecordDialog& dialog, int field) {
    const TDialogControl* control = dialog.Bound(field);
    return control == nullptr ? std::string() : Trim(control->Text());
}

std::int32_t BoundInt(const TRecordDialog& dialog, int field) {
    return ClampRoundInt(ParseNumber(BoundText(dialog, field)));
}

int BoundIndex(const TRecordDialog& dialog, int field) {
    const TDialogControl* control = dialog.Bound(field);
    return control == nullptr ? -1 : control->ItemIndex();
}

void SetBoundIndex(TRecordDialog& dialog, int field, int index) {
    if (TDialogControl* control = dialog.Bound(field); control != nullptr)
        control->SetItemIndex(index);
}

bool StartsWithLetter(std::string_view text, char letter) {
    const std::string trimmed = Trim(text);
    return !trimmed.empty() && std::toupper(static_cast<unsigned char>(trimmed[0])) ==
                                   std::toupper(static_cast<unsigned char>(letter));
}

bool ConfirmCopy(TMdb& table, TRecordDialog& dialog, const TMdbRecord* source,
                 const std::string& question) {
    if (source == nullptr || !TConfirmation::Ask(question)) return false;
    table.RecordToDialog(dialog, source);
    return true;
}

} // namespace corvane
