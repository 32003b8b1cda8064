#pragma once

#include "mdb/TMdbBrowser.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace corvane {

class TIniFile;
class TMdb;
class TMdbHeaderView;
class TMdbTableModel;

// The table browser: any table as a grid with three header rows, sorted by a click on a
// header, searched by typing, with movable, removable and resizable columns whose layout is
// kept per table in the settings, copy to the clipboard, and (when the table is not
// read-only) insert, edit and delete through the table's own operations. As a record picker
// (Browse) it returns the record chosen with OK.
class TMdbForm : public QDialog, public TMdbBrowser {
    Q_OBJECT
public:
    static constexpr int kEditFlag = 0;
    static constexpr int kShowPointsFlag = 1;
    static constexpr int kMeasureFlag = 2;
    static constexpr int kEditPointsFlag = 3;

    // Runs a "Messwerte" command (flags 1..3) on the record `key`; true when the points
    // changed.
    using TPointsHandler = std::function<bool(QWidget* owner, std::int32_t key, int flag)>;

    // `settings` keeps the window placement and the column layout (section "WinSize").
    TMdbForm(TMdb& table, std::int32_t key, TIniFile& settings, QWidget* parent = nullptr);
    ~TMdbForm() override;

    // Opens the browser modally on `table` with `key` preselected; true, with `key` the
    // chosen record's number (-1 for none), when it was closed with OK.
    static bool Browse(QWidget* owner, TMdb& table, std::int32_t& key, TIniFile& settings);

    std::int32_t CurrentKey() const { return currentKey_; }
    int SortColumn() const { return sortColumn_; }
    bool SortDescending() const { return sortDescending_; }
    bool ColumnEditing() const { return columnEditing_; }

    // TMdbBrowser
    void SetCaption(const std::string& caption) override;
    void ShowMeasuredValuesMenu(bool visible) override;
    // Where the "Messwerte" commands go; without a handler they go to the table's EditRecord.
    void SetPointsHandler(TPointsHandler handler) { pointsHandler_ = std::move(handler); }

    // Commands (menus, buttons, mouse and keys end here).
    void SortBy(int column);
    void Search(const QString& text);
    void InsertRecord();
    void EditRecord(int flag);
    void DeleteRecord();
    void CopyToClipboard();
    void SetColumnEditing(bool on);
    void MoveColumn(int from, int to);
    void RemoveColumn(int column);
    void RestoreDefaultColumns();
    // The column layout text of the current columns and widths.
    std::string LayoutText() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    // Insert, edit, delete and the "Messwerte" items as the table and PrepareBrowser allow.
    void UpdateActions();
    void SetupColumns();
    // With `rebuild` the view is rebuilt from the records and sorted; then the grid shows
    // the table with the given column widths and the current record selected.
    void Refresh(bool rebuild, const std::vector<int>& widths);
    void SyncSelection();
    void ApplyWidths(const std::vector<int>& widths);
    std::vector<int> CurrentWidths() const;
    void UpdateSearchLabel();
    void RunEditRecord(std::int32_t key, int flag);
    void ShowError(const std::string& text);
    void OnRowChanged(int row);
    void OnSectionMoved(int logical, int oldVisual, int newVisual);
    void OnSectionMenu(int section, const QPoint& globalPos);
    void OnGridMenu(const QPoint& pos);

    TMdb& table_;
    TIniFile& settings_;
    std::int32_t currentKey_;
    int sortColumn_ = 0;
    bool sortDescending_ = false;
    int menuColumn_ = -1;
    bool columnEditing_ = false;
    TPointsHandler pointsHandler_;
    bool active_ = false;
    bool measuredValuesShown_ = false;

    TMdbTableModel* model_ = nullptr;
    TMdbHeaderView* header_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* suchLabel_ = nullptr;
    QLineEdit* suchEdit_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    QMenu* editPop_ = nullptr;
    QMenu* spaltePop_ = nullptr;
    QMenu* messwerteMenu_ = nullptr;
    QAction* insertAct_ = nullptr;
    QAction* editAct_ = nullptr;
    QAction* deleteAct_ = nullptr;
    QAction* editSeparator_ = nullptr;
    QAction* copyAct_ = nullptr;
    QAction* showPointsAct_ = nullptr;
    QAction* measureAct_ = nullptr;
    QAction* editPointsAct_ = nullptr;
    QAction* columnEditAct_ = nullptr;
};

} // namespace corvane
