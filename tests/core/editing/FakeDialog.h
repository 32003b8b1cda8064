#pragma once

// An edit dialog held in memory: the table rules work on it as on a window.

#include "mdb/TDialogControl.h"
#include "mdb/TRecordDialog.h"

#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

class TFakeControl : public TDialogControl {
public:
    TFakeControl(TControlKind kind, int tag, std::string name)
        : kind_(kind), tag_(tag), name_(std::move(name)) {}
    TControlKind Kind() const override { return kind_; }
    int Tag() const override { return tag_; }
    std::string Name() const override { return name_; }
    std::string Text() const override {
        if (kind_ == TControlKind::Combo && index_ >= 0 && index_ < ItemCount())
            return items_[static_cast<std::size_t>(index_)];
        return text_;
    }
    void SetText(const std::string& text) override { text_ = text; }
    int ItemIndex() const override { return index_; }
    void SetItemIndex(int index) override { index_ = index < ItemCount() ? index : -1; }
    int ItemCount() const override { return static_cast<int>(items_.size()); }
    void SetItems(const std::vector<std::string>& items) override { items_ = items; }
    void SetMaxLength(int length) override { maxLength = length; }
    bool IsShown() const override { return shown; }
    void SetShown(bool s) override { shown = s; }
    void SetReadOnly(bool r) override { readOnly = r; }
    bool TwoLineLabel() const override { return twoLines; }
    bool Modified() const override { return Text() != baseline; }

    bool shown = true;
    bool readOnly = false;
    bool twoLines = false;
    int maxLength = -1;
    std::string baseline;

private:
    TControlKind kind_;
    int tag_;
    std::string name_;
    std::string text_;
    int index_ = -1;
    std::vector<std::string> items_;
};

class TFakeDialog : public TRecordDialog {
public:
    explicit TFakeDialog(bool isNew = false) : isNew_(isNew) {}
    TFakeControl& Add(TControlKind kind, int tag, std::string name = {}) {
        controls_.push_back(std::make_unique<TFakeControl>(kind, tag, std::move(name)));
        return *controls_.back();
    }
    TFakeControl& Edit(int tag) { return Add(TControlKind::Edit, tag); }
    TFakeControl& Choice(int tag, std::vector<std::string> items) {
        TFakeControl& c = Add(TControlKind::Choice, tag);
        c.SetItems(items);
        return c;
    }
    // Every control's text as it is now counts as the filled state.
    void MarkFilled() {
        for (auto& c : controls_)
            c->baseline = c->Text();
    }
    std::vector<TDialogControl*> Controls() const override {
        std::vector<TDialogControl*> all;
        for (const auto& c : controls_)
            all.push_back(c.get());
        return all;
    }
    bool IsNewRecord() const override { return isNew_; }
    TFakeControl& At(int tag) { return *static_cast<TFakeControl*>(Bound(tag)); }
    TFakeControl& Name(const char* name) { return *static_cast<TFakeControl*>(Named(name)); }

private:
    bool isNew_;
    std::vector<std::unique_ptr<TFakeControl>> controls_;
};

} // namespace corvane::test
