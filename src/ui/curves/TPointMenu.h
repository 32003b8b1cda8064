#pragma once

#include <QMenu>

namespace corvane {

// The context menu of a curve window ("AnzeigePop"): the two display modes (exclusive, the
// ticked one shows the mode), insert and delete of a point, and copy.
class TPointMenu : public QMenu {
    Q_OBJECT
public:
    TPointMenu(int showMode, bool insertVisible, bool deleteVisible, QWidget* parent = nullptr);

    QAction* PointsAction() const { return points_; }
    QAction* ParabolasAction() const { return parabolas_; }
    QAction* InsertAction() const { return insert_; }
    QAction* DeleteAction() const { return delete_; }
    QAction* CopyAction() const { return copy_; }

private:
    QAction* points_;
    QAction* parabolas_;
    QAction* insert_;
    QAction* delete_;
    QAction* copy_;
};

} // namespace corvane
