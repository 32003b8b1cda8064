#include "selection/TResultList.h"

#include "i18n/Texts.h"
#include "util/Text.h"

#include <cmath>
#include <utility>

namespace corvane {

TResultList::TResultList(TCatalogue& catalogue) : catalogue_(catalogue) {
    Refresh();
}

void TResultList::TakeSearch(std::vector<TErgebnisZeile> rows, const TAuswahlParam& request) {
    rows_ = std::move(rows);
    request_ = request;
    searchDone_ = true;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        rows_[i].ChartMark = i < 4 ? static_cast<std::int32_t>(i + 1) : 0;
    Refresh();
}

void TResultList::Invalidate() {
    if (searchDone_) {
        rows_.clear();
        marked_.Clear();
        progress_ = 0;
    }
    searchDone_ = false;
    Refresh();
}

void TResultList::BeginSearch() {
    statusText_ = Txt(TextId::Searching);
    statusWarning_ = false;
    progress_ = 0;
}

void TResultList::Refresh() {
    std::size_t shown = 0;
    for (TErgebnisZeile& row : rows_) {
        if (row.ChartMark <= 0) continue;
        if (shown >= kMaxChartMarks) {
            row.ChartMark = 0;
            continue;
        }
        row.ChartMark = static_cast<std::int32_t>(++shown);
    }

    remarks_.fill(false);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const std::string marker = RemarkMarkerOf(i);
        if (marker.size() == 2) remarks_[static_cast<std::size_t>(marker[1] - '1')] = true;
    }

    if (rows_.empty()) {
        if (searchDone_) {
            statusText_ = Txt(request_.SearchMode == SearchFixedSpeed ? TextId::NoResultsFixedSpeed
                                                                      : TextId::NoResults);
            statusWarning_ = true;
        } else {
            statusText_ = ReplaceAll(Txt(TextId::PressSearch), "%s", Txt(TextId::SuchBtn));
            statusWarning_ = false;
        }
    } else {
        statusText_.clear();
        statusWarning_ = false;
    }
    progress_ = 0;
}

void TResultList::ToggleMark(std::size_t row) {
    if (row >= rows_.size()) return;
    TErgebnisZeile& target = rows_[row];
    if (target.ChartMark == 0) {
        // Room for the new mark: at most nine others stay.
        std::size_t marked = 0;
        for (TErgebnisZeile& r : rows_) {
            if (r.ChartMark == 0) continue;
            if (++marked > kMaxChartMarks - 1) r.ChartMark = 0;
        }
        target.ChartMark = 1;
    } else {
        target.ChartMark = 0;
    }
    RememberMarks();
    Refresh();
}

void TResultList::RememberMarks() {
    marked_.Clear();
    for (const TErgebnisZeile& r : rows_)
        if (r.ChartMark > 0 && !marked_.Add(r.Id())) break;
}

void TResultList::RestoreMarks() {
    for (TErgebnisZeile& r : rows_)
        r.ChartMark = 0;
    if (marked_.Ids.empty()) {
        for (std::size_t i = 0; i < rows_.size() && i < 4; ++i) {
            rows_[i].ChartMark = static_cast<std::int32_t>(i + 1);
            marked_.Add(rows_[i].Id());
        }
    } else {
        for (std::size_t j = 0; j < marked_.Ids.size(); ++j) {
            for (TErgebnisZeile& r : rows_) {
                if (r.Id() != marked_.Ids[j]) continue;
                r.ChartMark = static_cast<std::int32_t>(j + 1);
                break;
            }
        }
    }
    Refresh();
}

void TResultList::ApplyMarkIds(const std::vector<std::int32_t>& ids) {
    if (ids.empty()) return;
    for (TErgebnisZeile& r : rows_)
        r.ChartMark = 0;
    for (const std::int32_t id : ids) {
        if (id < 1) continue;
        for (TErgebnisZeile& r : rows_)
            if (r.Id() == id) r.ChartMark = 1;
    }
    Refresh();
}

std::vector<std::int32_t> TResultList::MarkedIds() const {
    std::vector<std::int32_t> ids;
    for (const TErgebnisZeile& r : rows_)
        if (r.ChartMark > 0) ids.push_back(r.Id());
    return ids;
}

std::vector<std::size_t> TResultList::ChartRows() const {
    std::vector<std::size_t> order;
    for (std::int32_t mark = 1; mark <= static_cast<std::int32_t>(kMaxChartMarks); ++mark)
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].ChartMark == mark) order.push_back(i);
    return order;
}

void TResultList::SetCart(TWarenkorb cart) {
    cart_ = std::move(cart);
    if (cart_.size() > kMaxCartEntries) cart_.resize(kMaxCartEntries);
}

int TResultList::CartIndexOf(std::size_t row) const {
    if (row >= rows_.size()) return -1;
    const TErgebnisZeile& r = rows_[row];
    for (std::size_t i = 0; i < cart_.size(); ++i) {
        const TWarenkorbEintrag& e = cart_[i];
        if (e.Id == r.Id() && std::fabs(e.Speed - r.N) < 0.001 && std::fabs(e.Flow - r.Vop) < 0.001)
            return static_cast<int>(i);
    }
    return -1;
}

bool TResultList::AddOrRemoveCart(std::size_t row) {
    if (row >= rows_.size() || rows_[row].Id() < 1) return false;
    const int index = CartIndexOf(row);
    if (request_.SearchMode != SearchCart) {
        if (index < 0 && cart_.size() < kMaxCartEntries)
            cart_.push_back({rows_[row].Id(), rows_[row].N, rows_[row].Vop});
        return false;
    }
    if (index < 0) return false;
    cart_.erase(cart_.begin() + index);
    return true;
}

bool TResultList::EmptyCart() {
    cart_.clear();
    return true;
}

std::string TResultList::CartMenuText() const {
    return Txt(request_.SearchMode == SearchCart ? TextId::CartRemove : TextId::CartAdd);
}

std::string TResultList::RemarkText(std::size_t index) const {
    static constexpr TextId kTexts[kRemarkCount] = {TextId::Remark1, TextId::Remark2,
                                                    TextId::Remark3, TextId::Remark4};
    if (index >= kRemarkCount) return {};
    return std::string(" ") + Txt(kTexts[index]);
}

std::string TResultList::RemarkMarkerOf(std::size_t row) const {
    if (row >= rows_.size()) return {};
    return RemarkMarker(rows_[row].SpeedClass, request_.DensityNonStd);
}

std::string DataSheetFile(const std::string& folder, const std::string& sheetNo) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path += '/';
    for (const char c : sheetNo)
        path += c == '.' ? '_' : c;
    return path + ".pdf";
}

} // namespace corvane
