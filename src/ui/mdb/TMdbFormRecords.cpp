// The table browser: inserting, editing and deleting records, and the clipboard copy.
#include "mdb/EMdbError.h"
#include "mdb/TClipboardText.h"
#include "mdb/TMdb.h"
#include "mdb/TMessage.h"
#include "mdb/TableGridText.h"
#include "ui/common/QtText.h"
#include "ui/mdb/TMdbForm.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

namespace corvane {

void TMdbForm::InsertRecord() {
    RunEditRecord(-1, kEditFlag);
}

void TMdbForm::EditRecord(int flag) {
    RunEditRecord(currentKey_, flag);
}

// The table's dialog for record `key` (-1: a new one); after OK that record is current.
void TMdbForm::RunEditRecord(std::int32_t key, int flag) {
    const bool points = flag >= kShowPointsFlag && flag <= kEditPointsFlag && pointsHandler_;
    try {
        if (points ? !pointsHandler_(this, key, flag) : !table_.EditRecord(this, key, flag)) return;
    } catch (const EMdbError& e) {
        ShowError(e.what());
        return;
    }
    currentKey_ = key;
    Refresh(true, CurrentWidths());
}

// The record after the deleted one becomes current, or the one before it when it was the
// last. A refused or cancelled deletion leaves everything as it was.
void TMdbForm::DeleteRecord() {
    TMdbRecord* record = table_.FindByKey(currentKey_);
    if (record == nullptr) return;
    const int position = table_.ViewIndexOf(record);
    std::int32_t next = -1;
    if (position + 1 < table_.ViewCount())
        next = table_.Key(table_.ViewRecord(position + 1));
    else if (position > 0)
        next = table_.Key(table_.ViewRecord(position - 1));
    const std::int32_t deleted = currentKey_;
    try {
        table_.DeleteRecord(record);
    } catch (const EMdbError& e) {
        ShowError(e.what());
        return;
    }
    if (table_.FindByKey(deleted) != nullptr) return; // cancelled
    currentKey_ = next;
    Refresh(true, CurrentWidths());
}

void TMdbForm::CopyToClipboard() {
    TClipboardText text(TClipboardText::kDefaultChunkSize, [](const std::string& copy) {
        QGuiApplication::clipboard()->setText(ToQString(copy));
    });
    AppendGridText(table_, ToUtf8(windowTitle()), text);
}

void TMdbForm::ShowError(const std::string& text) {
    if (TMessage::Installed() != nullptr)
        TMessage::Post(text);
    else
        QMessageBox::warning(this, windowTitle(), ShownText(text));
}

} // namespace corvane
