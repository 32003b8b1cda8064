#pragma once

#include "session/TSelectionSession.h"

#include <QTabWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace corvane {

// The speed pages "AuswahlPage": computed speed (maximum speed, reinforced versions), given
// speed (deviation kind and tolerance, or the manual variation with its slider) and the cart.
// The pages keep their controls' own rules: the slider follows the typed speed, a moved slider
// writes the speed box, the manual variation shows the slider instead of the deviation. What a
// change means for the search is the session's business.
class TSpeedPages : public QTabWidget {
    Q_OBJECT
public:
    enum EPage { PageComputed = 0, PageFixed = 1, PageCart = 2 };

    explicit TSpeedPages(QWidget* parent = nullptr);

    void ApplyTexts();

    QLineEdit* NmaxEdit() const { return nMaxEdit_; }
    QCheckBox* VerstCheck() const { return verstCheck_; }
    QLineEdit* Nedit() const { return nEdit_; }
    QCheckBox* NvarCheck() const { return nvarCheck_; }
    QComboBox* DartCombo() const { return dartCombo_; }
    QComboBox* DprozCombo() const { return dprozCombo_; }
    QSlider* NtrackBar() const { return nTrackBar_; }
    QComboBox* SliderMaxCombo() const { return sliderMaxCombo_; }
    QPushButton* WarenkorbDelBtn() const { return warenkorbDelBtn_; }

    void ShowManualControls(bool manual);
    // Sets the slider range and position without writing the speed box.
    void SetSlider(int maximum, int position);

Q_SIGNALS:
    // The person changed an input of the pages.
    void inputChanged(corvane::ERequestInput which);
    void emptyCartRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* BuildComputedPage();
    QWidget* BuildFixedPage();
    QWidget* BuildDeviation(QWidget* parent);
    QWidget* BuildSlider(QWidget* parent);
    QWidget* BuildCartPage();
    void Connect();
    void FillLists();
    void SpeedTyped();

    QLabel* nMaxLabel_ = nullptr;
    QLineEdit* nMaxEdit_ = nullptr;
    QLabel* nMaxEinhLabel_ = nullptr;
    QCheckBox* verstCheck_ = nullptr;
    QLabel* nvarLabel_ = nullptr;
    QLabel* nfixLabel_ = nullptr;
    QLineEdit* nEdit_ = nullptr;
    QLabel* nfixEinhLabel_ = nullptr;
    QCheckBox* nvarCheck_ = nullptr;
    QWidget* deviationBox_ = nullptr;
    QLabel* zulAbwLabel_ = nullptr;
    QComboBox* dartCombo_ = nullptr;
    QLabel* abwLabel_ = nullptr;
    QComboBox* dprozCombo_ = nullptr;
    QWidget* sliderBox_ = nullptr;
    QSlider* nTrackBar_ = nullptr;
    QLabel* sliderMaxLabel_ = nullptr;
    QComboBox* sliderMaxCombo_ = nullptr;
    QLabel* sliderEinhLabel_ = nullptr;
    QPushButton* warenkorbDelBtn_ = nullptr;
    int tabWidth_ = 0;
};

} // namespace corvane
