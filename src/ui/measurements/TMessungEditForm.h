#pragma once

#include "ui/catalogue/TRecordEditForm.h"

namespace corvane {

class TCatalogue;
class TMdbMessung;

// "Messreihe bearbeiten": a measurement series on three pages. The order, impeller, housing
// and motor are picked from their browsers (their numbers sit in hidden boxes, their names
// beside the buttons); the code lists, the metering diameters, the rig and method rules and
// the flow-coefficient area follow the table's rules as the user types.
class TMessungEditForm : public TRecordEditForm {
    Q_OBJECT
public:
    TMessungEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                     QWidget* parent = nullptr);

private:
    QGridLayout* BuildSeriesPage();
    QGridLayout* BuildImpellerPage();
    QGridLayout* BuildRigPage();
    // A picked reference: hidden number box, name box, pick button in one row.
    void AddPickRow(QGridLayout* grid, int row, int numberField, const char* nameBox,
                    const char* button);
    QLineEdit* AddNamedEdit(QGridLayout* grid, int row, int column, const char* name);
    QLabel* AddNamedLabel(QGridLayout* grid, int row, int column, const char* name,
                          const QString& text = {});
    void ConnectRules();

    TMdbMessung& series_;
};

} // namespace corvane
