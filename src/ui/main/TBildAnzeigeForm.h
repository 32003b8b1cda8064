#pragma once

#include <QDialog>
#include <cstdint>

namespace corvane {

class TMdbBild;
class TPictureBox;

// Shows the sketch and the picture of a picture record read-only, each scaled into its box
// keeping its proportions ("Bild anzeigen").
class TBildAnzeigeForm : public QDialog {
    Q_OBJECT
public:
    TBildAnzeigeForm(const TMdbBild& pictures, std::int32_t pictureNo, QWidget* parent = nullptr);

    bool HasSketch() const;
    bool HasPicture() const;

private:
    TPictureBox* sketch_ = nullptr;
    TPictureBox* picture_ = nullptr;
};

} // namespace corvane
