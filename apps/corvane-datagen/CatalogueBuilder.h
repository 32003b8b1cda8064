#pragma once

#include "DemoContent.h"
#include "DemoFamilies.h"
#include "Random.h"
#include "SeriesPoints.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdbRecord;
class TReferenceTables;
class TSeriesFactory;

// Fills a catalogue with the demo data: impeller types and families, impellers, housings,
// nozzles, reference tables and measurement series whose points are generated on demand
// through the catalogue's point source. The same seed and scale give the same catalogue.
class TCatalogueBuilder {
public:
    TCatalogueBuilder(TCatalogue& catalogue, std::uint64_t seed, int scale);
    ~TCatalogueBuilder();

    // Builds every table and installs the point source; returns the pictures and data sheets
    // that belong to the catalogue.
    TDemoContent Build();

    const std::vector<TSeriesPlan>& SeriesPlans() const { return *series_; }

private:
    // An impeller made for a family, with the housings built around it.
    struct TBuiltImpeller {
        TMdbRecord* Record = nullptr;
        double D2 = 0;
        bool Double = false;
        bool Base = false; // the plain right-hand version of its size
        std::vector<TMdbRecord*> Housings;
    };
    struct TBuiltSeries {
        std::int32_t No = 0;
        double D2 = 0;
        bool Double = false;
        bool WithHousing = false;
    };

    void BuildTypes();
    void BuildFamily(const TFamily& family, int edition);
    TBuiltImpeller AddImpeller(const TFamily& family, int d2Nominal, bool twin, bool left,
                               int widthStep);
    TMdbRecord* AddHousing(const TFamily& family, const TBuiltImpeller& impeller, int angle,
                           int form);
    void AddSeriesFor(const TFamily& family, std::vector<TBuiltImpeller>& impellers);
    void AssignSeries(std::vector<TBuiltImpeller>& impellers,
                      const std::vector<TBuiltSeries>& series);

    TCatalogue& catalogue_;
    TRandom random_;
    int scale_;
    std::int32_t baseDay_;
    TDemoContent content_;
    std::unique_ptr<TReferenceTables> refs_;
    std::unique_ptr<TSeriesFactory> seriesFactory_;
    std::vector<TFamily> families_;
    std::shared_ptr<std::vector<TSeriesPlan>> series_;
    std::vector<TBuiltSeries> familySeries_;
    std::set<std::string> sheets_;
    std::map<std::pair<int, int>, int> versions_; // (type, nominal diameter) -> last version
    std::int32_t nextImpeller_ = 0;
    std::int32_t nextHousing_ = 0;
};

} // namespace corvane
