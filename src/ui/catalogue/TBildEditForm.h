#pragma once

#include "ui/catalogue/TRecordEditForm.h"

#include <QString>
#include <functional>

namespace corvane {

class TCatalogue;
class TPicturePane;

// The picture dialog: number and designation, the sketch and the picture shown in their
// boxes. While the catalogue may be changed, "Skizze auswählen" and "Bild auswählen" (or a
// double click on a box) choose a file, shown at once and copied into the picture folder on
// OK; read-only it only shows ("Bild anzeigen").
class TBildEditForm : public TRecordEditForm {
    Q_OBJECT
public:
    // Asks for a picture file starting in a folder; empty when none was chosen.
    using TFileChooser = std::function<QString(QWidget* owner, const QString& folder)>;
    static constexpr const char* kFolderKey = "BildOrdner";

    TBildEditForm(TCatalogue& catalogue, TMdbRecord* record, bool isNew, TIniFile& settings,
                  QWidget* parent = nullptr);

    // Replaces the file dialog (tests script it); an empty function restores it.
    static void SetFileChooser(TFileChooser chooser);
    void ChooseFile(bool sketch);

    TPicturePane* SketchBox() const { return sketch_; }
    TPicturePane* PictureBox() const { return picture_; }

protected:
    void Stored() override;

private:
    TCatalogue& catalogue_;
    TPicturePane* sketch_;
    TPicturePane* picture_;
    QString chosenFolder_;
};

} // namespace corvane
