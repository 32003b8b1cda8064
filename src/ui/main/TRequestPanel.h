#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace corvane {

class TSpeedPages;

// The input controls of the search: diameter and width limits, fan layout, type group and
// housing angle, the duty point with its units, and the speed pages. The panel keeps the
// controls' own rules (coupled diameter lists, the housing angle only for layouts with a
// housing) and reports user changes as signals; it knows nothing of the search.
class TRequestPanel : public QWidget {
    Q_OBJECT
public:
    explicit TRequestPanel(QWidget* parent = nullptr);

    // Captions, fixed list texts and unit labels of the current text language and unit system.
    void ApplyTexts();

    QComboBox* D2MinCombo() const { return d2MinCombo_; }
    QComboBox* D2MaxCombo() const { return d2MaxCombo_; }
    QLineEdit* EinbhMinEdit() const { return einbhMinEdit_; }
    QLineEdit* EinbhMaxEdit() const { return einbhMaxEdit_; }
    QLineEdit* Vedit() const { return vEdit_; }
    QLineEdit* Pedit() const { return pEdit_; }
    QLineEdit* RhoEdit() const { return rhoEdit_; }
    QToolButton* RhoButton() const { return rhoBtn_; }
    QComboBox* FlutCombo() const { return flutCombo_; }
    QComboBox* TypNrCombo() const { return typNrCombo_; }
    QComboBox* GehWinkelCombo() const { return gehWinkelCombo_; }
    QLabel* GehWinkelLabel() const { return gehWinkelLabel_; }
    TSpeedPages* AuswahlPage() const { return auswahlPage_; }

Q_SIGNALS:
    // An input whose change runs the search again (lists, pages, check boxes).
    void searchInputChanged();
    // A typed value whose change only makes the results stale.
    void valueEdited();
    void densityDialogRequested();

private:
    QWidget* BuildLimits();
    QWidget* BuildDutyPoint();
    void Connect();
    void FillLayouts();

    QLabel* auswahlLabel_ = nullptr;
    QLabel* d2Label_ = nullptr;
    QLabel* min1Label_ = nullptr;
    QLabel* max1Label_ = nullptr;
    QComboBox* d2MinCombo_ = nullptr;
    QComboBox* d2MaxCombo_ = nullptr;
    QLabel* einbhLabel_ = nullptr;
    QLabel* min2Label_ = nullptr;
    QLabel* max2Label_ = nullptr;
    QLineEdit* einbhMinEdit_ = nullptr;
    QLineEdit* einbhMaxEdit_ = nullptr;
    QLabel* bauartLabel_ = nullptr;
    QComboBox* flutCombo_ = nullptr;
    QComboBox* typNrCombo_ = nullptr;
    QLabel* gehWinkelLabel_ = nullptr;
    QComboBox* gehWinkelCombo_ = nullptr;
    QLabel* betrPunktLabel_ = nullptr;
    QLabel* vNameLabel_ = nullptr;
    QLineEdit* vEdit_ = nullptr;
    QLabel* vEinheitLabel_ = nullptr;
    QLabel* pName1Label_ = nullptr;
    QLabel* pName2Label_ = nullptr;
    QLineEdit* pEdit_ = nullptr;
    QLabel* pEinheitLabel_ = nullptr;
    QLabel* dichteLabel_ = nullptr;
    QLineEdit* rhoEdit_ = nullptr;
    QLabel* dichteEinhLabel_ = nullptr;
    QToolButton* rhoBtn_ = nullptr;
    TSpeedPages* auswahlPage_ = nullptr;
};

} // namespace corvane
