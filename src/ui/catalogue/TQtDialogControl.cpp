#include "ui/catalogue/TQtDialogControl.h"

#include "ui/catalogue/TChoiceGroup.h"
#include "ui/common/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <limits>

namespace corvane {

namespace {

QString TextOf(const QWidget* widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) return memo->toPlainText();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* group = qobject_cast<const TChoiceGroup*>(widget)) return group->title();
    return {};
}

} // namespace

TQtDialogControl::TQtDialogControl(QWidget* widget, TControlKind kind)
    : widget_(widget), kind_(kind) {}

void TQtDialogControl::MarkFilled() {
    filled_ = TextOf(widget_);
}

int TQtDialogControl::Tag() const {
    return widget_ ? widget_->property(kFieldProperty).toInt() : 0;
}

std::string TQtDialogControl::Name() const {
    return widget_ ? ToUtf8(widget_->objectName()) : std::string();
}

std::string TQtDialogControl::Text() const {
    return ToUtf8(TextOf(widget_));
}

void TQtDialogControl::SetText(const std::string& text) {
    const QString shown = ShownText(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        edit->setText(ToQString(text));
        edit->setCursorPosition(0);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget_)) {
        memo->setPlainText(ToQString(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
        if (combo->isEditable())
            combo->setEditText(ToQString(text));
        else
            combo->setCurrentIndex(combo->findText(ToQString(text)));
    } else if (auto* label = qobject_cast<QLabel*>(widget_)) {
        label->setText(shown);
    } else if (auto* group = qobject_cast<TChoiceGroup*>(widget_)) {
        group->setTitle(shown);
    }
}

int TQtDialogControl::ItemIndex() const {
    if (const auto* combo = qobject_cast<const QComboBox*>(widget_)) return combo->currentIndex();
    if (const auto* group = qobject_cast<const TChoiceGroup*>(widget_)) return group->ItemIndex();
    return -1;
}

void TQtDialogControl::SetItemIndex(int index) {
    if (auto* combo = qobject_cast<QComboBox*>(widget_))
        combo->setCurrentIndex(index < combo->count() ? index : -1);
    else if (auto* group = qobject_cast<TChoiceGroup*>(widget_))
        group->SetItemIndex(index);
}

int TQtDialogControl::ItemCount() const {
    if (const auto* combo = qobject_cast<const QComboBox*>(widget_)) return combo->count();
    if (const auto* group = qobject_cast<const TChoiceGroup*>(widget_)) return group->ItemCount();
    return 0;
}

void TQtDialogControl::SetItems(const std::vector<std::string>& items) {
    QStringList texts;
    for (const std::string& item : items)
        texts.push_back(ShownText(item));
    if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
        const int index = combo->currentIndex();
        combo->clear();
        combo->addItems(texts);
        combo->setCurrentIndex(index < combo->count() ? index : -1);
    } else if (auto* group = qobject_cast<TChoiceGroup*>(widget_)) {
        group->SetItems(texts);
    }
}

void TQtDialogControl::SetMaxLength(int length) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget_))
        edit->setMaxLength(length > 0 ? length : std::numeric_limits<int>::max());
}

bool TQtDialogControl::IsShown() const {
    return widget_ && !widget_->isHidden();
}

void TQtDialogControl::SetShown(bool shown) {
    if (widget_) widget_->setVisible(shown);
}

void TQtDialogControl::SetReadOnly(bool readOnly) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) edit->setReadOnly(readOnly);
}

bool TQtDialogControl::TwoLineLabel() const {
    const auto* label = qobject_cast<const QLabel*>(widget_);
    return label != nullptr && (label->alignment() & Qt::AlignVCenter) != 0 && label->wordWrap();
}

bool TQtDialogControl::Modified() const {
    return TextOf(widget_) != filled_;
}

} // namespace corvane
