#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QGridLayout;
class QLabel;

namespace corvane {

struct TGradeLine;

// The energy-efficiency details of one result row: a label and a value per grade line, laid
// out in two column pairs so that the panel stays low under the result grid. Without a row it
// shows a hint instead.
class TEnergyDetailsPanel : public QWidget {
    Q_OBJECT
public:
    explicit TEnergyDetailsPanel(QWidget* parent = nullptr);

    void ShowLines(const std::vector<TGradeLine>& lines);
    void ShowHint(const QString& hint);

    // What is shown: the number of lines, their labels and values (tests, the context menu).
    int LineCount() const { return shown_; }
    QString Label(int line) const;
    QString Value(int line) const;
    QString Hint() const;

private:
    void Place(int count);

    QGridLayout* grid_ = nullptr;
    QLabel* hint_ = nullptr;
    std::vector<QLabel*> labels_;
    std::vector<QLabel*> values_;
    int shown_ = 0;
};

} // namespace corvane
