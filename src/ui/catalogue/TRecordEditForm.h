#pragma once

#include "mdb/TRecordDialog.h"

#include <QDialog>
#include <memory>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace corvane {

class TChoiceGroup;
class TIniFile;
class TMdb;
class TMdbRecord;
class TQtDialogControl;

// The pattern every record edit dialog follows: bound controls carrying their field number,
// filled from the record on opening, a changed flag set by every edit, the discard question
// when a changed dialog is left, and OK that validates, stores (and writes the database when
// the table is bound to one) and closes. A refusal keeps the dialog open with its message
// and the offending control focused on its page; a failed write keeps the input and puts the
// record back as it was. Subclasses lay out pages and special controls, then call Open().
class TRecordEditForm : public QDialog, public TRecordDialog {
    Q_OBJECT
public:
    static constexpr const char* kDiscardQuestion =
        "Bearbeitung abbrechen und Änderungen verwerfen?";

    TRecordEditForm(TMdb& table, TMdbRecord* record, bool isNew, TIniFile& settings,
                    QWidget* parent);
    ~TRecordEditForm() override;

    // TRecordDialog
    std::vector<TDialogControl*> Controls() const override;
    bool IsNewRecord() const override { return isNew_; }

    bool Changed() const { return changed_; }
    TMdb& Table() const { return table_; }
    TMdbRecord* Record() const { return record_; }
    QTabWidget* Pages() const { return pages_; }

    // Reference buttons: pick from the referenced table's browser, clear, copy.
    void Pick(int numberField);
    void Clear(int numberField);
    void CopyFromOther();

    void accept() override;
    void reject() override;

protected:
    // Fills the controls from the record, restores the placement, shows the first page.
    void Open();
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Layout helpers: a page with a grid; bound controls (label and input) in a grid.
    QGridLayout* AddPage(const QString& title);
    QGridLayout* SinglePage();
    QLabel* AddLabel(QGridLayout* grid, int row, int column, int field);
    QLineEdit* AddEdit(QGridLayout* grid, int row, int column, int field);
    QComboBox* AddCombo(QGridLayout* grid, int row, int column, int field,
                        const QStringList& items = {});
    TChoiceGroup* AddChoice(QGridLayout* grid, int row, int column, int field,
                            const QStringList& items);
    // Label and input of each field, `columns` pairs per row, from `row` on; the next row.
    int AddFields(QGridLayout* grid, int row, std::initializer_list<int> fields, int columns = 2);
    // A number box with its text box, a pick button (and a clear button) in one row.
    void AddReference(QGridLayout* grid, int row, int numberField, int textField,
                      const char* pickName, const char* clearName = nullptr);
    // Registers a control for the binding; changes of it mark the dialog as changed.
    TQtDialogControl& Bind(QWidget* widget, int field);
    QPushButton* AddButton(const QString& text, const char* name);
    // The input widget bound to `field`, nullptr without one.
    QWidget* BoundWidget(int field) const;
    void SetChanged() {
        if (!filling_) changed_ = true;
    }
    // Runs a rule that sets controls without marking the dialog as changed.
    template <typename F> void Quietly(F&& f) {
        const bool before = filling_;
        filling_ = true;
        f();
        filling_ = before;
    }
    void ShowMessage(const std::string& text);
    // After a stored record: subclasses remember what they need (the picture folder).
    virtual void Stored() {}
    TIniFile& Settings() const { return settings_; }

private:
    bool MayDiscard();
    void Focus(QWidget* widget);
    QWidget* FocusTarget(int field, const std::string& name) const;

    TMdb& table_;
    TMdbRecord* record_;
    bool isNew_;
    TIniFile& settings_;
    bool changed_ = false;
    bool filling_ = false;
    QTabWidget* pages_ = nullptr;
    QWidget* body_ = nullptr;
    QPushButton* insBtn_ = nullptr;
    std::vector<std::unique_ptr<TQtDialogControl>> controls_;
};

} // namespace corvane
