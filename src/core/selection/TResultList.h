#pragma once

#include "selection/TAuswahlParam.h"
#include "selection/TErgebnisZeile.h"
#include "selection/TMarkedResults.h"
#include "selection/TWarenkorbEintrag.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

class TCatalogue;
class TMessAuswahl;

// The result list of the main window without its grid: the rows of the last search with
// their chart marks, the marked-result memory, the cart, the remark markers, the texts of
// the 14 columns and the status line.
class TResultList {
public:
    static constexpr int kColumnCount = 14;
    static constexpr std::size_t kMaxChartMarks = 10;
    static constexpr std::size_t kRemarkCount = 4; // markers "*1" .. "*4"

    explicit TResultList(TCatalogue& catalogue);

    // Takes the rows and request of a finished search, marks the first four rows 1..4 and
    // refreshes.
    void TakeSearch(std::vector<TErgebnisZeile> rows, const TAuswahlParam& request);
    // Drops the results after an input change: no rows, marked-result memory empty, progress
    // 0, no search done.
    void Invalidate();
    // A search starts: status "suchen ..." on the normal colour, progress 0.
    void BeginSearch();

    const std::vector<TErgebnisZeile>& Rows() const { return rows_; }
    std::size_t Count() const { return rows_.size(); }
    const TErgebnisZeile& Row(std::size_t row) const { return rows_.at(row); }
    const TAuswahlParam& Request() const { return request_; }
    bool SearchDone() const { return searchDone_; }
    double Progress() const { return progress_; }
    void SetProgress(double fraction) { progress_ = fraction; }

    // Chart marks.
    // Renumbers the marks 1..k in row order, at most ten (later marks are cleared); collects
    // the remark markers and the status text; progress 0.
    void Refresh();
    // Toggles the mark of a row (keeping at most ten), rebuilds the memory and refreshes.
    void ToggleMark(std::size_t row);
    // Manual speed variation: with an empty memory the first four rows get marks 1..4 and
    // are remembered; else the first row with the j-th remembered identifier gets mark j.
    void RestoreMarks();
    // Marks of a selection file: every row whose identifier is listed gets mark 1; nothing
    // changes when `ids` is empty.
    void ApplyMarkIds(const std::vector<std::int32_t>& ids);
    // Identifiers of the rows with a chart mark, in row order.
    std::vector<std::int32_t> MarkedIds() const;
    const TMarkedResults& MarkedMemory() const { return marked_; }
    // Rows with a chart mark in mark order (positions into Rows()).
    std::vector<std::size_t> ChartRows() const;
    // Fills the curve selection from the marked rows in row order (series, row number,
    // requested density, speed, diameter) with the request's duty point. A row whose series
    // is not taken (selection full, series missing, or already selected) loses its mark; the
    // others get their position in the selection as mark.
    void BuildCurveSelection(TMessAuswahl& selection);

    // Cart.
    TWarenkorb& Cart() { return cart_; }
    const TWarenkorb& Cart() const { return cart_; }
    void SetCart(TWarenkorb cart);
    // Position of the cart entry of a row (same identifier, speed and flow within 0.001),
    // or -1.
    int CartIndexOf(std::size_t row) const;
    // Adds the row to the cart (normal modes) or removes it (cart mode). Returns true when
    // the cart changed in cart mode, so the search has to run again.
    bool AddOrRemoveCart(std::size_t row);
    // Empties the cart; the search has to run again (returns true).
    bool EmptyCart();
    // "-> VLR zum Warenkorb hinzufügen", or "... entfernen" in cart mode.
    std::string CartMenuText() const;

    // Columns: header row 0 and 1, cells of body row `row` (0-based result row).
    std::string ColumnHeader(int column, int headerRow) const;
    std::string CellText(std::size_t row, int column) const;
    // Unrounded value of a numeric column (3..12) in display units; NaN for the others and
    // for an empty cell.
    double CellValue(std::size_t row, int column) const;
    static bool IsNumericColumn(int column) { return column >= 3 && column <= 12; }

    // Remarks and status line (after Refresh).
    std::string RemarkMarkerOf(std::size_t row) const;
    bool RemarkShown(std::size_t index) const { return remarks_.at(index); }
    // " " + the annotation text of marker index 0..3 ("*1" .. "*4").
    std::string RemarkText(std::size_t index) const;
    const std::string& StatusText() const { return statusText_; }
    bool StatusWarning() const { return statusWarning_; } // yellow status line

private:
    void RememberMarks();

    TCatalogue& catalogue_;
    std::vector<TErgebnisZeile> rows_;
    TAuswahlParam request_;
    TMarkedResults marked_;
    TWarenkorb cart_;
    bool searchDone_ = false;
    double progress_ = 0;
    std::array<bool, kRemarkCount> remarks_{};
    std::string statusText_;
    bool statusWarning_ = false;
};

// Data-sheet file of a sheet number: the folder, then the number with every "." replaced by
// "_", then ".pdf".
std::string DataSheetFile(const std::string& folder, const std::string& sheetNo);

} // namespace corvane
