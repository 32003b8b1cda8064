#pragma once

#include <string>
#include <vector>

namespace corvane {

// The kinds of dialog controls the generic record binding knows; other controls (buttons,
// picture boxes, memos) take no part in it.
enum class TControlKind { Label, Edit, Combo, Choice, Other };

// One control of an edit dialog as the table rules see it. A control is bound to a field when
// its tag is a field number of the dialog's table. The window layer implements it over its
// widgets; tests implement it in memory.
class TDialogControl {
public:
    virtual ~TDialogControl() = default;

    virtual TControlKind Kind() const = 0;
    // The field number the control shows; 0 for an unbound control.
    virtual int Tag() const = 0;
    // The control's name (e.g. "DBwdCombo"), by which rules reach unbound controls.
    virtual std::string Name() const = 0;

    // Label and edit text; the typed or chosen text of a combo box; a choice group's caption.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // Selected item of a combo box or choice group, -1 for none.
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
    virtual int ItemCount() const = 0;
    // Replaces the items of a combo box or choice group.
    virtual void SetItems(const std::vector<std::string>& items) = 0;
    // Longest text an edit box accepts; 0 for no limit.
    virtual void SetMaxLength(int length) = 0;

    // Explicitly hidden controls (not merely on a page that is not shown) report false.
    virtual bool IsShown() const = 0;
    virtual void SetShown(bool shown) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    // A label laid out vertically centred gets its unit on a second line.
    virtual bool TwoLineLabel() const = 0;

    // Whether the text differs from the one the control held when the dialog was filled.
    virtual bool Modified() const = 0;
};

} // namespace corvane
