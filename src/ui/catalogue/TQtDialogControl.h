#pragma once

#include "mdb/TDialogControl.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace corvane {

// A widget of an edit dialog as the table rules see it: labels, line edits and text boxes,
// combo boxes and choice groups. The field number is the widget's property "field".
class TQtDialogControl : public TDialogControl {
public:
    static constexpr const char* kFieldProperty = "field";

    TQtDialogControl(QWidget* widget, TControlKind kind);

    QWidget* Widget() const { return widget_; }
    // The current text counts as the filled state (Modified compares with it).
    void MarkFilled();

    TControlKind Kind() const override { return kind_; }
    int Tag() const override;
    std::string Name() const override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    int ItemIndex() const override;
    void SetItemIndex(int index) override;
    int ItemCount() const override;
    void SetItems(const std::vector<std::string>& items) override;
    void SetMaxLength(int length) override;
    bool IsShown() const override;
    void SetShown(bool shown) override;
    void SetReadOnly(bool readOnly) override;
    bool TwoLineLabel() const override;
    bool Modified() const override;

private:
    QPointer<QWidget> widget_;
    TControlKind kind_;
    QString filled_;
};

} // namespace corvane
