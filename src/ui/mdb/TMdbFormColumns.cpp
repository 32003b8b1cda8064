// The table browser: columns, sorting, searching and the selection.
#include "i18n/Language.h"
#include "mdb/ColumnLayout.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "ui/common/QtText.h"
#include "ui/mdb/TMdbForm.h"
#include "ui/mdb/TMdbHeaderView.h"
#include "ui/mdb/TMdbTableModel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace corvane {

namespace {

constexpr int kMinColumnWidth = 64;
constexpr int kColumnPadding = 8;
constexpr int kHeaderPadding = 6; // header texts sit 2 pixels inside the cell on each side
const char* const kWidthSample = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The default width of a column: its caption, its unit and, for fields with a length or
// decimals, that many sample letters.
int DefaultWidth(const TMdb& table, int field, const QFontMetrics& header,
                 const QFontMetrics& cells) {
    const TMdbField& f = table.Field(field);
    const int language = std::clamp(TextLanguage(), 0, 2);
    const int caption = header.horizontalAdvance(ShownText(f.Caption[language]));
    const int unit = header.horizontalAdvance(ShownText(table.GetUnitText(field, false)));
    int width = std::max({kMinColumnWidth, caption + kHeaderPadding, unit + kHeaderPadding});
    if (f.Width > 0) {
        const QString sample = QString::fromLatin1(kWidthSample).left(f.Width);
        width = std::max(width, cells.horizontalAdvance(sample) + kColumnPadding);
    }
    return width;
}

} // namespace

void TMdbForm::SetupColumns() {
    const QFontMetrics header(header_->font());
    const QFontMetrics cells(grid_->font());
    std::vector<int> widths;
    for (int field : table_.Columns()) {
        TMdbField& f = table_.MutableField(field);
        if (f.ColWidth < 0) f.ColWidth = DefaultWidth(table_, field, header, cells);
        widths.push_back(f.ColWidth);
    }
    sortColumn_ = 0;
    sortDescending_ = false;
    UpdateSearchLabel();
    Refresh(true, widths);
}

void TMdbForm::Refresh(bool rebuild, const std::vector<int>& widths) {
    active_ = false;
    model_->Change([&] {
        if (rebuild) table_.RebuildIndex(true);
        if (rebuild && sortColumn_ >= 0 && sortColumn_ < table_.ColumnCount())
            table_.Sort(table_.Columns()[static_cast<std::size_t>(sortColumn_)], sortDescending_);
    });
    ApplyWidths(widths);
    header_->SetSortMarker(sortColumn_, sortDescending_);
    SyncSelection();
    active_ = true;
}

// Selects the current record; without one the first row, whose record becomes current.
void TMdbForm::SyncSelection() {
    int row = model_->RowOfKey(currentKey_);
    if (row < 0) {
        row = 0;
        currentKey_ = model_->KeyAt(0);
    }
    if (columnEditing_) return;
    const bool wasActive = active_;
    active_ = false;
    const QModelIndex index = model_->index(row, 0);
    grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    grid_->scrollTo(index);
    active_ = wasActive;
}

std::vector<int> TMdbForm::CurrentWidths() const {
    std::vector<int> widths;
    for (int c = 0; c < table_.ColumnCount(); ++c)
        widths.push_back(header_->sectionSize(c));
    return widths;
}

void TMdbForm::ApplyWidths(const std::vector<int>& widths) {
    const int count = std::min(static_cast<int>(widths.size()), header_->count());
    for (int c = 0; c < count; ++c)
        header_->resizeSection(c, widths[static_cast<std::size_t>(c)]);
}

void TMdbForm::UpdateSearchLabel() {
    QString caption;
    if (sortColumn_ >= 0 && sortColumn_ < table_.ColumnCount())
        caption = model_->headerData(sortColumn_, Qt::Horizontal).toString();
    suchLabel_->setText(QStringLiteral("suchen in ") + caption);
}

void TMdbForm::SortBy(int column) {
    if (column < 0 || column >= table_.ColumnCount()) return;
    if (column == sortColumn_) {
        sortDescending_ = !sortDescending_;
    } else {
        sortColumn_ = column;
        sortDescending_ = false;
    }
    UpdateSearchLabel();
    Refresh(true, CurrentWidths());
}

void TMdbForm::Search(const QString& text) {
    if (!active_ || columnEditing_ || table_.ViewCount() == 0) return;
    if (sortColumn_ < 0 || sortColumn_ >= table_.ColumnCount()) return;
    const int field = table_.Columns()[static_cast<std::size_t>(sortColumn_)];
    currentKey_ = table_.Search(field, sortDescending_, ToUtf8(text));
    SyncSelection();
}

void TMdbForm::SetColumnEditing(bool on) {
    columnEditing_ = on;
    columnEditAct_->setChecked(on);
    header_->setSectionsMovable(on);
    grid_->setSelectionMode(on ? QAbstractItemView::NoSelection
                               : QAbstractItemView::SingleSelection);
    okBtn_->setEnabled(!on);
    if (on)
        grid_->clearSelection();
    else
        SyncSelection();
}

// The header moved a section on screen; the table's columns follow and the header's own
// order is put back, so that section numbers stay column numbers.
void TMdbForm::OnSectionMoved(int /*logical*/, int oldVisual, int newVisual) {
    QMetaObject::invokeMethod(
        this,
        [this, oldVisual, newVisual] {
            header_->blockSignals(true);
            header_->moveSection(newVisual, oldVisual);
            header_->blockSignals(false);
            MoveColumn(oldVisual, newVisual);
        },
        Qt::QueuedConnection);
}

void TMdbForm::MoveColumn(int from, int to) {
    const int count = table_.ColumnCount();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
    std::vector<int> columns = table_.Columns();
    std::vector<int> widths = CurrentWidths();
    const auto rotate = [from, to](auto& items) {
        const auto item = items[static_cast<std::size_t>(from)];
        items.erase(items.begin() + from);
        items.insert(items.begin() + to, item);
    };
    rotate(columns);
    rotate(widths);
    if (sortColumn_ == from)
        sortColumn_ = to;
    else if (from < sortColumn_ && sortColumn_ <= to)
        --sortColumn_;
    else if (to <= sortColumn_ && sortColumn_ < from)
        ++sortColumn_;
    model_->Change([&] { table_.SetColumns(std::move(columns)); });
    Refresh(false, widths);
}

void TMdbForm::RemoveColumn(int column) {
    const int count = table_.ColumnCount();
    if (count < 2 || column < 0 || column >= count) return;
    const std::vector<int> widths = CurrentWidths();
    std::vector<int> columns = table_.Columns();
    for (int c = 0; c < count; ++c)
        table_.MutableField(columns[static_cast<std::size_t>(c)]).ColWidth =
            widths[static_cast<std::size_t>(c)];
    columns.erase(columns.begin() + column);
    model_->Change([&] { table_.SetColumns(std::move(columns)); });
    SetupColumns();
}

void TMdbForm::RestoreDefaultColumns() {
    model_->Change([&] { SetDefaultColumns(table_, true); });
    SetupColumns();
}

std::string TMdbForm::LayoutText() const {
    std::vector<TColumnSpec> columns;
    const std::vector<int> widths = CurrentWidths();
    for (int c = 0; c < table_.ColumnCount(); ++c)
        columns.push_back(
            {table_.Columns()[static_cast<std::size_t>(c)], widths[static_cast<std::size_t>(c)]});
    return FormatColumnLayout(columns);
}

} // namespace corvane
