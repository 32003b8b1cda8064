#pragma once

#include "session/TSelectionSession.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace corvane {

class TSpeedPages;
struct TRequestInput;
struct TRequestView;

// The input controls of the search: diameter and width limits, fan layout, type group and
// housing angle, the duty point with its units, and the speed pages. The panel keeps the
// controls' own rules (coupled diameter lists, the housing angle only for layouts with a
// housing) and reports which input the person changed; what follows is the session's
// business.
class TRequestPanel : public QWidget {
    Q_OBJECT
public:
    explicit TRequestPanel(QWidget* parent = nullptr);

    // Captions, fixed list texts and unit labels of the current text language and unit system.
    void ApplyTexts();
    // Everything typed and chosen, as the session reads it (the sort key is not here).
    TRequestInput Input() const;
    // Shows the request: texts, lists with their positions, pages and check boxes.
    void Show(const TRequestView& view);
    // Shows the slider range and position and the given speed only.
    void ShowSpeed(const TRequestView& view);

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
    // The person changed an input (typed, chose an entry, switched a page or a check box).
    void inputChanged(corvane::ERequestInput which);
    void densityDialogRequested();
    void emptyCartRequested();

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
