#pragma once

#include <QMenu>
#include <array>

namespace corvane {

struct TResultRowMenu;

// The context menu of a result row "ErgPopup": chart mark, the three data sheets, the
// picture, four information lines and the cart command. It is prepared for the row it opens
// on; the commands are reported as signals.
class TResultContextMenu : public QMenu {
    Q_OBJECT
public:
    explicit TResultContextMenu(QWidget* parent = nullptr);

    // Captions, check mark and enabled states of a row.
    void Prepare(const TResultRowMenu& row);

    QAction* SelAction() const { return selMen_; }
    QAction* HousingSheetAction() const { return pdfGehAnzMen_; }
    QAction* PictureAction() const { return bildAnzMen_; }
    QAction* ImpellerSheetAction() const { return pdfLaufrAnzMen_; }
    QAction* NozzleSheetAction() const { return pdfEinstrAnzMen_; }
    QAction* InfoAction(int line) const { return info_.at(static_cast<std::size_t>(line)); }
    QAction* CartAction() const { return warenkorbAddMen_; }

Q_SIGNALS:
    void markToggled();
    void dataSheetChosen(const QString& file);
    void pictureChosen();
    void cartChosen();

private:
    QAction* Add(const char* name);

    QAction* selMen_ = nullptr;
    QAction* pdfGehAnzMen_ = nullptr;
    QAction* bildAnzMen_ = nullptr;
    QAction* pdfLaufrAnzMen_ = nullptr;
    QAction* pdfEinstrAnzMen_ = nullptr;
    std::array<QAction*, 4> info_{};
    QAction* warenkorbAddMen_ = nullptr;
};

} // namespace corvane
