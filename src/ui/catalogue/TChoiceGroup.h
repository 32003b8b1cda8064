#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace corvane {

// A choice group: a framed caption over one radio button per item, one of them selected.
class TChoiceGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TChoiceGroup(QWidget* parent = nullptr);

    void SetItems(const QStringList& items);
    int ItemCount() const;
    // Selected item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);

Q_SIGNALS:
    void ItemChanged(int index);

private:
    QButtonGroup* buttons_;
};

} // namespace corvane
