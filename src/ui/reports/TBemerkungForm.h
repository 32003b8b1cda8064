#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace corvane {

class TRemarkHistory;

// The remark for the next printout: a text box preset with a text, "&letzte Bemerkung"
// stepping back through the remarks given before, OK and Cancel. OK commits the text to the
// history. The placement is kept by the caller.
class TBemerkungForm : public QDialog {
    Q_OBJECT
public:
    TBemerkungForm(TRemarkHistory& history, const QString& text, QWidget* parent = nullptr);

    QString Text() const;
    QPlainTextEdit* Memo() const { return memo_; }
    QPushButton* RecallButton() const { return recallBtn_; }

    void accept() override;

private:
    TRemarkHistory& history_;
    QPlainTextEdit* memo_;
    QPushButton* recallBtn_;
};

} // namespace corvane
