#pragma once

#include <string_view>
#include <vector>

namespace corvane {

class TDialogControl;

// An edit dialog as the table rules see it: its controls in the dialog's own order, and
// whether it edits a record that does not exist yet.
class TRecordDialog {
public:
    virtual ~TRecordDialog() = default;

    virtual std::vector<TDialogControl*> Controls() const = 0;
    virtual bool IsNewRecord() const = 0;

    // The first input control (not a label) bound to `field`; nullptr when there is none.
    TDialogControl* Bound(int field) const;
    // The control named `name`; nullptr when there is none.
    TDialogControl* Named(std::string_view name) const;
};

} // namespace corvane
