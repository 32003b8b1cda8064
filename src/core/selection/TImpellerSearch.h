#pragma once

#include "model/Calibration.h"
#include "selection/SearchProgress.h"
#include "selection/TAuswahlParam.h"
#include "selection/TCandidateSolutions.h"
#include "selection/TErgebnisZeile.h"
#include "selection/TWarenkorbEintrag.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdbMw;
class TMdbRecord;
class TSeriesPointCache;
struct TSpeedCandidate;

// The impeller search: walks the impellers (or the housings with their impellers, or the
// cart entries) that pass the request's filters, solves the speed of each candidate and keeps
// the best 50 accepted candidates as result rows, sorted by the request's sort key.
//
// The search owns its measured-points table and a point cache, so each series is read from
// the data file once and later searches switch between series in memory.
class TImpellerSearch {
public:
    static constexpr std::size_t kStoreSize = 100;  // rows held while searching
    static constexpr std::size_t kResultCount = 50; // rows kept

    explicit TImpellerSearch(TCatalogue& catalogue);
    ~TImpellerSearch();
    TImpellerSearch(const TImpellerSearch&) = delete;
    TImpellerSearch& operator=(const TImpellerSearch&) = delete;

    // Progress handler of this search (fraction done, 0..1); without one the process-wide
    // slot is used.
    void SetProgressCallback(TSearchProgress callback);

    // Runs the search; `cart` is evaluated in cart mode only. Returns the row count.
    std::size_t Run(const TAuswahlParam& request, const TWarenkorb& cart = {});

    // The request of the last run with DensityNonStd set.
    const TAuswahlParam& Request() const { return request_; }
    const std::vector<TErgebnisZeile>& Rows() const { return rows_; }
    // Number of candidates handed to the speed solution in the last run.
    std::size_t CandidateCount() const { return candidates_; }

    // The measured-points table of the search: after a candidate was solved it holds that
    // candidate's series converted to its operating speed.
    TMdbMw& Points() { return *mw_; }
    // Drops the cached series points (after the catalogue read another data file).
    void ForgetPoints();

private:
    // What the search reads of one impeller once, for every housing that follows with it.
    struct TImpellerValues {
        const TMdbRecord* Record = nullptr;
        bool Passes = false; // flow type and the impeller's filters; the rest only when passed
        std::int32_t Key = 0;
        float D2 = 0;
        float MinSpeed = 0;
        float MaxSpeed = 0;
        float Width = 0;
        std::string_view TypeDesignation;
        std::string_view SheetNo;
        TCalibration Calibration; // read only for candidates without a housing
    };
    // What the search reads of a housing that passed the filters. It is read while the walk
    // over the housings has the record at hand, not again when the candidate is evaluated.
    struct THousingValues {
        const TMdbRecord* Record = nullptr;
        std::int32_t Key = 0;
        std::string_view Angle;
        TCalibration Calibration;
    };
    // A candidate that passed the filters, at its position in the walked table.
    struct TQueued {
        std::size_t Position = 0;
        std::size_t Impeller = 0; // into impellers_
        std::int32_t SeriesNo = 0;
        THousingValues Housing; // Record nullptr: the impeller alone
    };
    // Reads an impeller; `filtered` applies the flow type and the impeller's filters.
    void ReadImpeller(const TMdbRecord* impeller, bool filtered, TImpellerValues& values);
    // The calibration of an impeller tried without a housing.
    void ReadImpellerCalibration(TImpellerValues& values) const;
    THousingValues ReadHousing(const TMdbRecord* housing) const;
    // Whether a housing passes the request's housing angle.
    bool HousingPasses(const TMdbRecord* housing) const;
    // The solution of a candidate (known from an equal one of this search, or solved); valid
    // until the next candidate is solved.
    const TCandidateSolution& Solve(const TSpeedCandidate& candidate);
    // Solves one candidate and adds its row when accepted.
    void Evaluate(const TImpellerValues& impeller, const THousingValues* housing,
                  const TWarenkorbEintrag* cartEntry, std::int32_t seriesNo);
    // The series the candidate's points come from (0 or less: none).
    std::int32_t SeriesNo(const TImpellerValues& impeller, const TMdbRecord* housing) const;
    void AddRow(TErgebnisZeile row);
    void Report(double fraction) const;

    void RunCart(const TWarenkorb& cart);
    void RunImpellers();
    void RunHousings();
    // Queues a candidate that passed the filters at table position `position`.
    void Queue(std::size_t position, const TImpellerValues& impeller, const TMdbRecord* housing);
    // Has the catalogue read ahead the series of the queue that are not in memory yet.
    void ReadSeriesAhead();
    // Evaluates the queue in order, reporting progress through the `count` table positions.
    void EvaluateQueue(std::size_t count);

    TCatalogue& catalogue_;
    std::unique_ptr<TSeriesPointCache> cache_;
    std::unique_ptr<TMdbMw> mw_;
    TSearchProgress progress_;
    TAuswahlParam request_;
    std::vector<TErgebnisZeile> rows_;
    std::vector<TErgebnisZeile> sortScratch_; // storage of the row sorts, kept between them
    std::vector<TImpellerValues> impellers_;  // of the queued candidates
    std::vector<TQueued> queue_;
    // The impeller type looked up last in this run, by the impeller's type number.
    struct TKnownType {
        bool Valid = false;
        std::int32_t Key = 0;
        const TMdbRecord* Record = nullptr;
    };
    TKnownType knownType_;
    TCandidateSolutions solutions_;
    TCandidateSolution solution_; // of the candidate solved last
    std::size_t candidates_ = 0;
    const char* flowType_ = "E";
    double d2Lo_ = 0, d2Hi_ = 0, widthLo_ = 0, widthHi_ = 0;
};

} // namespace corvane
