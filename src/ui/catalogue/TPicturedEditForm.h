#pragma once

#include "ui/catalogue/TRecordEditForm.h"

class QGridLayout;
class QWidget;

namespace corvane {

class TCatalogue;
class TPicturePane;

// The impeller and housing dialogs: a first page whose right part shows the sketch (upper
// half) and the picture of the record's picture number, reloaded whenever that number
// changes, and the "einfügen" button that copies all data from another record.
class TPicturedEditForm : public TRecordEditForm {
    Q_OBJECT
public:
    TPicturedEditForm(TMdb& table, TMdbRecord* record, bool isNew, TIniFile& settings,
                      TCatalogue& catalogue, int pictureField, QWidget* parent);

    TPicturePane* SketchBox() const { return sketch_; }
    TPicturePane* PictureBox() const { return picture_; }

protected:
    // The first page: a grid for its fields on the left, the picture panel on the right.
    QGridLayout* AddFirstPage(const QString& title);
    // The inlet choice bound to `field`: single or double inlet.
    void AddInletChoice(QGridLayout* grid, int row, int field);
    // The picks of picture and measurement series in the rows from `row` on, closing the page.
    void EndFirstPage(QGridLayout* grid, int row, int pictureTextField, int seriesField);
    // Loads the sketch and picture of the number in the picture box.
    void LoadPictures();
    // Fills the dialog; from then on the pictures follow the picture number.
    void Finish();

private:
    TCatalogue& catalogue_;
    int pictureField_;
    TPicturePane* sketch_ = nullptr;
    TPicturePane* picture_ = nullptr;
};

} // namespace corvane
