#include "selection/TImpellerSearch.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "mdb/CurveInterpolation.h"
#include "measurements/TMdbMw.h"
#include "measurements/TSeriesPointCache.h"
#include "selection/ResultSort.h"
#include "selection/SearchTables.h"
#include "selection/SpeedSolver.h"
#include "selection/TCandidateSolutions.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <utility>

namespace corvane {

namespace {

// Reports progress through a table loop: at position i (1-based) past the report mark, the
// fraction i / n is reported and the mark moves n / 20 further, so about twenty reports are
// made (every record for tables of fewer than 20).
class TProgressMarks {
public:
    explicit TProgressMarks(std::size_t count) : count_(count), mark_(count / 20) {}
    template <class Report> void At(std::size_t position, Report report) {
        if (position <= mark_) return;
        report(static_cast<double>(position) / static_cast<double>(count_));
        mark_ = position + count_ / 20;
    }

private:
    std::size_t count_;
    std::size_t mark_;
};

// The first `count` characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size() && chars < count; ++chars) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return text.substr(0, i);
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

// Housing angle of a result row: angles that start with a digit are padded in front with
// "0" to 8 characters, so that they sort numerically as texts.
std::string RowAngle(std::string_view angle) {
    std::string text(FirstCharacters(angle, kHousingAngleLength));
    if (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        const std::size_t chars = CharacterCount(text);
        if (chars < kHousingAngleLength) text.insert(0, kHousingAngleLength - chars, '0');
    }
    return text;
}

// The calibration stored in an impeller or housing record.
template <class Table>
TCalibration StoredCalibration(const Table& table, const TMdbRecord* record) {
    return {table.GetFloat(record, Table::F_CALVMIN), table.GetFloat(record, Table::F_CALVMAX),
            table.GetFloat(record, Table::F_CALA0), table.GetFloat(record, Table::F_CALA1),
            table.GetFloat(record, Table::F_CALA2)};
}

// The row values at the operating flow `flow`: the flow is located once on the view and
// every curve read at that position, which gives what interpolating each one gives.
void ReadRowValues(const TMdbMw& mw, double flow, TCandidateSolution& solution) {
    const std::span<TMdbRecord* const> view = mw.ViewRecords();
    const auto x = static_cast<float>(flow);
    const auto flowAt = [&mw, view](std::size_t i) { return mw.GetFloat(view[i], TMdbMw::F_VC); };
    const TCurvePosition position = LocateAscending(
        view.size(), x, flowAt, [&flowAt, x](std::size_t i) { return flowAt(i) <=> x; });
    const auto at = [&](int field) {
        return ValueAt(position, [&mw, view, field](std::size_t i) {
            return static_cast<double>(mw.GetFloat(view[i], field));
        });
    };
    TErgebnisZeile& row = solution.Row;
    const TCurveValue eff1 = at(TMdbMw::F_ETATOT);
    solution.Inside = eff1.Found;
    row.Eff1 = eff1.Value;
    row.Eff2 = at(TMdbMw::F_ETAFA).Value;
    row.P2 = at(TMdbMw::F_PTOT).Value;
    row.P = at(TMdbMw::F_PFA).Value;
    row.Power = at(TMdbMw::F_PWE).Value;
    double powerMax = -1;
    for (const TMdbRecord* point : view)
        powerMax = std::max(powerMax, static_cast<double>(mw.GetFloat(point, TMdbMw::F_PWE)));
    row.PowerMax = powerMax;
    const double lp = at(TMdbMw::F_LPAC).Value;
    row.Lp = lp < 10 ? -1 : lp;
    row.Vop = flow;
}

} // namespace

TImpellerSearch::TImpellerSearch(TCatalogue& catalogue)
    : catalogue_(catalogue), cache_(std::make_unique<TSeriesPointCache>()),
      mw_(std::make_unique<TMdbMw>(&catalogue)) {
    mw_->SetPointCache(cache_.get());
    rows_.reserve(kStoreSize);
}

TImpellerSearch::~TImpellerSearch() = default;

void TImpellerSearch::SetProgressCallback(TSearchProgress callback) {
    progress_ = std::move(callback);
}

void TImpellerSearch::ForgetPoints() {
    cache_->Clear();
    mw_->FreeAllRecords();
    mw_->ForgetSeries();
}

void TImpellerSearch::Report(double fraction) const {
    if (progress_)
        progress_(fraction);
    else
        ReportSearchProgress(fraction);
}

std::size_t TImpellerSearch::Run(const TAuswahlParam& request, const TWarenkorb& cart) {
    request_ = request;
    request_.DensityNonStd = IsNonStandardDensity(request_.RequestedDensity);
    rows_.clear();
    candidates_ = 0;
    solutions_.Clear();

    d2Lo_ = request_.D2Min - 2;
    d2Hi_ = request_.D2Max + 2;
    widthLo_ = request_.WidthMin - 0.5;
    widthHi_ = request_.WidthMax + 0.5;
    flowType_ = request_.FanLayout == 2 ? "D" : "E";
    impellers_.clear();
    queue_.clear();
    knownType_ = {};
    // Series read ahead for this run are dropped when it ends, however it ends.
    const std::unique_ptr<TCatalogue, void (*)(TCatalogue*)> stopReadingAhead(
        &catalogue_, [](TCatalogue* catalogue) { catalogue->StopReadingAhead(); });

    if (request_.SearchMode == SearchCart)
        RunCart(cart);
    else if (request_.FanLayout == 0)
        RunImpellers();
    else
        RunHousings();

    // The table as solving every candidate would have left it.
    solutions_.Settle(request_, *mw_);
    SortResultRows(rows_, request_, kResultCount, sortScratch_);
    return rows_.size();
}

void TImpellerSearch::RunCart(const TWarenkorb& cart) {
    TMdbLaufrad& impellers = catalogue_.Laufrad();
    TMdbGehaeuse& housings = catalogue_.Gehaeuse();
    TProgressMarks marks(cart.size());
    TImpellerValues values;
    for (std::size_t i = 0; i < cart.size(); ++i) {
        const TWarenkorbEintrag& entry = cart[i];
        // Record numbers are unique keys: the look-ups find every record with the number.
        if (entry.Id > kImpellerIdOffset) {
            const TMdbRecord* impeller = impellers.FindByKey(entry.Id - kImpellerIdOffset);
            if (impeller != nullptr) {
                ReadImpeller(impeller, false, values);
                ReadImpellerCalibration(values);
                Evaluate(values, nullptr, &entry, SeriesNo(values, nullptr));
            }
        }
        if (const TMdbRecord* housing = housings.FindByKey(entry.Id)) {
            const TMdbRecord* impeller = housings.ImpellerRecord(housing);
            if (impeller != nullptr) {
                ReadImpeller(impeller, false, values);
                const THousingValues housingValues = ReadHousing(housing);
                Evaluate(values, &housingValues, &entry, SeriesNo(values, housing));
            }
        }
        marks.At(i + 1, [this](double f) { Report(f); });
    }
}

void TImpellerSearch::RunImpellers() {
    TMdbLaufrad& impellers = catalogue_.Laufrad();
    const auto count = static_cast<std::size_t>(impellers.KeyIndexCount());
    TImpellerValues values;
    for (std::size_t i = 0; i < count; ++i) {
        ReadImpeller(impellers.KeyRecord(static_cast<int>(i)), true, values);
        if (!values.Passes) continue;
        ReadImpellerCalibration(values);
        Queue(i, values, nullptr);
    }
    EvaluateQueue(count);
}

void TImpellerSearch::RunHousings() {
    TMdbLaufrad& impellers = catalogue_.Laufrad();
    TMdbGehaeuse& housings = catalogue_.Gehaeuse();
    const auto count = static_cast<std::size_t>(housings.KeyIndexCount());
    // The housings of one impeller mostly follow each other: the impeller is looked up and
    // read once for them (TMdbGehaeuse::ImpellerRecord by the housing's impeller number).
    TImpellerValues values;
    std::int32_t impellerNo = 0;
    bool known = false;
    auto impellerAt = static_cast<std::size_t>(-1);
    for (std::size_t i = 0; i < count; ++i) {
        const TMdbRecord* housing = housings.KeyRecord(static_cast<int>(i));
        const std::int32_t no = housings.GetInt(housing, TMdbGehaeuse::F_LAUFRADNR);
        if (!known || no != impellerNo) {
            impellerNo = no;
            known = true;
            values = {};
            if (const TMdbRecord* impeller = impellers.FindByKeyNear(no, impellerAt))
                ReadImpeller(impeller, true, values);
        }
        if (values.Passes && HousingPasses(housing)) Queue(i, values, housing);
    }
    EvaluateQueue(count);
}

void TImpellerSearch::Queue(std::size_t position, const TImpellerValues& impeller,
                            const TMdbRecord* housing) {
    if (impellers_.empty() || impellers_.back().Record != impeller.Record)
        impellers_.push_back(impeller);
    queue_.push_back({position, impellers_.size() - 1, SeriesNo(impeller, housing),
                      housing != nullptr ? ReadHousing(housing) : THousingValues{}});
}

void TImpellerSearch::ReadSeriesAhead() {
    // Worth a second thread only for a good number of series that are not in memory yet.
    constexpr std::size_t kFewSeries = 8;
    std::vector<std::int32_t> series;
    std::int32_t last = 0;
    for (const TQueued& queued : queue_) {
        if (queued.SeriesNo <= 0 || queued.SeriesNo == last) continue;
        last = queued.SeriesNo;
        if (!cache_->Contains(last)) series.push_back(last);
    }
    if (series.size() >= kFewSeries) catalogue_.ReadSeriesAhead(series);
}

void TImpellerSearch::EvaluateQueue(std::size_t count) {
    ReadSeriesAhead();
    TProgressMarks marks(count);
    auto queued = queue_.cbegin();
    for (std::size_t i = 0; i < count; ++i) {
        for (; queued != queue_.cend() && queued->Position == i; ++queued)
            Evaluate(impellers_[queued->Impeller],
                     queued->Housing.Record != nullptr ? &queued->Housing : nullptr, nullptr,
                     queued->SeriesNo);
        marks.At(i + 1, [this](double f) { Report(f); });
    }
}

void TImpellerSearch::ReadImpeller(const TMdbRecord* impeller, bool filtered,
                                   TImpellerValues& values) {
    const TMdbLaufrad& impellers = catalogue_.Laufrad();
    const TMdbLrTyp& types = catalogue_.LrTyp();
    values = {};
    values.Record = impeller;
    values.Width = impellers.GetFloat(impeller, TMdbLaufrad::F_EINBHOEHE);
    if (filtered) {
        if (impellers.GetText(impeller, TMdbLaufrad::F_FLUTIGKEIT) != flowType_) return;
        const double d2 = impellers.GetInt(impeller, TMdbLaufrad::F_D2NENN);
        if (d2 < d2Lo_ || d2 > d2Hi_) return;
        const double width = values.Width;
        if (width < widthLo_ || width > widthHi_) return;
    }
    // Impellers that follow each other mostly share their type.
    const std::int32_t typeKey = impellers.GetInt(impeller, TMdbLaufrad::F_TYPNR);
    if (!knownType_.Valid || knownType_.Key != typeKey)
        knownType_ = {true, typeKey, impellers.TypeRecord(impeller)};
    const TMdbRecord* type = knownType_.Record;
    if (filtered) {
        const std::int32_t typeNo = type == nullptr ? 0 : types.GetInt(type, TMdbLrTyp::F_TYPNR);
        if (!TypeInGroup(request_.TypeGroup, typeNo)) return;
    }
    values.Passes = true;
    values.D2 = impellers.GetFloat(impeller, TMdbLaufrad::F_D2);
    values.MinSpeed = impellers.GetFloat(impeller, TMdbLaufrad::F_MINDREHZ);
    values.MaxSpeed = impellers.GetFloat(impeller, TMdbLaufrad::F_MAXDREHZ);
    if (type != nullptr) values.TypeDesignation = types.GetText(type, TMdbLrTyp::F_TYPBEZ);
    values.SheetNo = impellers.GetText(impeller, TMdbLaufrad::F_BLATTNR);
    values.Key = impellers.Key(impeller);
}

void TImpellerSearch::ReadImpellerCalibration(TImpellerValues& values) const {
    values.Calibration = StoredCalibration(catalogue_.Laufrad(), values.Record);
}

TImpellerSearch::THousingValues TImpellerSearch::ReadHousing(const TMdbRecord* housing) const {
    const TMdbGehaeuse& housings = catalogue_.Gehaeuse();
    return {housing, housings.Key(housing), housings.GetText(housing, TMdbGehaeuse::F_OEFFWKL),
            StoredCalibration(housings, housing)};
}

bool TImpellerSearch::HousingPasses(const TMdbRecord* housing) const {
    if (request_.HousingAngle.empty()) return true;
    const std::string& angle = catalogue_.Gehaeuse().GetText(housing, TMdbGehaeuse::F_OEFFWKL);
    return FirstCharacters(angle, kHousingAngleLength) == request_.HousingAngle;
}

std::int32_t TImpellerSearch::SeriesNo(const TImpellerValues& impeller,
                                       const TMdbRecord* housing) const {
    return housing != nullptr ? catalogue_.Gehaeuse().MeasurementNo(housing)
                              : catalogue_.Laufrad().MeasurementNo(impeller.Record);
}

const TCandidateSolution& TImpellerSearch::Solve(const TSpeedCandidate& candidate) {
    // A cart entry brings its own speed and flow: the only mode whose solution depends on
    // more than the series, the diameter and the calibration. At a given speed only housings
    // share impellers often enough to pay for keeping the solutions.
    const bool computed = request_.SearchMode == SearchComputedSpeed ||
                          request_.SearchMode == SearchComputedReinforced;
    const bool shared = computed || (request_.SearchMode != SearchCart && request_.FanLayout != 0);
    if (shared) {
        if (const TCandidateSolution* known = solutions_.Take(candidate)) return *known;
        solutions_.BeforeSolving(request_, candidate.SeriesNo, *mw_);
    }
    TCandidateSolution& solution = solution_;
    solution = {};
    solution.Speed = SolveSpeed(request_, candidate, *mw_);
    if (solution.Speed.Accepted) ReadRowValues(*mw_, solution.Speed.Flow, solution);
    if (shared) solutions_.Solved(candidate, solution);
    return solution;
}

void TImpellerSearch::Evaluate(const TImpellerValues& impeller, const THousingValues* housing,
                               const TWarenkorbEintrag* cartEntry, std::int32_t seriesNo) {
    if (seriesNo <= 0) return; // refers to no series
    TSpeedCandidate candidate;
    candidate.D2 = impeller.D2;
    candidate.MinSpeed = impeller.MinSpeed;
    candidate.MaxSpeed = impeller.MaxSpeed;
    candidate.TypeDesignation = impeller.TypeDesignation;
    candidate.SheetNo = impeller.SheetNo;
    // The calibration of the record being tried: the housing's, or the impeller's alone.
    candidate.Calibration = housing != nullptr ? housing->Calibration : impeller.Calibration;
    candidate.SeriesNo = seriesNo;
    candidate.CartEntry = cartEntry;
    ++candidates_;
    const TCandidateSolution& solved = Solve(candidate);
    if (!solved.Speed.Accepted) return;
    const std::int32_t speedClass = ClassifySpeed(request_, candidate, solved.Speed.Speed);
    if (speedClass == kSpeedRejected) return;
    if (!solved.Inside && request_.SearchMode != SearchManualSpeed &&
        request_.SearchMode != SearchCart)
        return;

    TErgebnisZeile row = solved.Row;
    row.Impeller = impeller.Record;
    row.Housing = housing != nullptr ? housing->Record : nullptr;
    row.ImpellerNo = impeller.Key;
    row.HousingNo = housing != nullptr ? housing->Key : 0;
    row.Series = candidate.SeriesNo;
    row.SpeedClass = speedClass;
    row.D2 = candidate.D2;
    row.Width = impeller.Width;
    row.N = solved.Speed.Speed;
    if (housing != nullptr) row.Angle = RowAngle(housing->Angle);
    AddRow(std::move(row));
}

void TImpellerSearch::AddRow(TErgebnisZeile row) {
    // The store is bounded: when it is full the best half is kept.
    if (rows_.size() >= kStoreSize) SortResultRows(rows_, request_, kResultCount, sortScratch_);
    rows_.push_back(std::move(row));
}

} // namespace corvane
