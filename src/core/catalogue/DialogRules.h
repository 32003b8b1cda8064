#pragma once

#include "mdb/EDialogError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class TMdb;
class TMdbRecord;
class TRecordDialog;

// Helpers of the tables' edit-dialog rules.

// Runs `check`; its refusal (EMdbError) becomes a dialog error that focuses `field`.
template <typename F> void RefuseAt(int field, F&& check) {
    try {
        check();
    } catch (const EDialogError&) {
        throw;
    } catch (const EMdbError& e) {
        throw EDialogError(e.what(), field);
    }
}

// The text of the bound control of `field`, trimmed; empty without one.
std::string BoundText(const TRecordDialog& dialog, int field);
// The typed number of that control, rounded to an integer.
std::int32_t BoundInt(const TRecordDialog& dialog, int field);
// Selected item of a choice group or combo box bound to `field`; -1 without one.
int BoundIndex(const TRecordDialog& dialog, int field);
void SetBoundIndex(TRecordDialog& dialog, int field, int index);
// Whether the text, stripped of blanks, begins with `letter` in either case.
bool StartsWithLetter(std::string_view text, char letter);
// "einfügen": asks `question` (OK/Cancel) and on OK fills the dialog from `source`.
bool ConfirmCopy(TMdb& table, TRecordDialog& dialog, const TMdbRecord* source,
                 const std::string& question);

} // namespace corvane
