#include "CatalogueBuilder.h"

#include "DataSheets.h"
#include "ReferenceTables.h"
#include "SeriesFactory.h"
#include "TextFormat.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "catalogue/TMdbMotor.h"
#include "catalogue/TMdbTexte.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "util/Dates.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {

constexpr int kAngles[8] = {0, 45, 90, 135, 180, 225, 270, 315};
const char* const kMaterials[4] = {"Stahl", "Stahl verzinkt", "Aluminium", "Edelstahl 1.4301"};
constexpr const char* kMaker = "Brask";
constexpr int kLargestModel = 630;     // largest single-inlet model on the rigs, mm
constexpr int kLargestTwinModel = 800; // largest double-inlet model, mm

double Round1(double v) {
    return std::round(v * 10) / 10;
}

} // namespace

TCatalogueBuilder::TCatalogueBuilder(TCatalogue& catalogue, std::uint64_t seed, int scale)
    : catalogue_(catalogue), random_(seed), scale_(std::max(scale, 1)),
      baseDay_(DayNumber(2016, 1, 4) + static_cast<std::int32_t>(seed % 97)),
      series_(std::make_shared<std::vector<TSeriesPlan>>()) {
    refs_ = std::make_unique<TReferenceTables>(catalogue_, random_, baseDay_, content_);
    seriesFactory_ = std::make_unique<TSeriesFactory>(catalogue_, *refs_, random_);
}

TCatalogueBuilder::~TCatalogueBuilder() = default;

TDemoContent TCatalogueBuilder::Build() {
    refs_->BuildFixed();
    BuildTypes();
    for (int edition = 0; edition < scale_; ++edition)
        for (const TFamily& family : families_)
            BuildFamily(family, edition);
    refs_->CompleteMotors();

    for (int position = 2; position <= TCatalogue::kTableCount; ++position)
        catalogue_.TableInFileOrder(position)->RebuildIndex(false);
    catalogue_.LrTyp().UpdateInCatalogue();
    catalogue_.SetTitle("Corvane Demo-Katalog");

    // The points are generated when the catalogue asks for them (saving, calibration).
    std::shared_ptr<const std::vector<TSeriesPlan>> plans = series_;
    catalogue_.SetSeriesPointSource([plans](std::int32_t seriesNo, TMdbMw& table) {
        if (seriesNo >= 1 && static_cast<std::size_t>(seriesNo) <= plans->size())
            TSeriesPoints::Fill((*plans)[static_cast<std::size_t>(seriesNo) - 1], table);
    });
    return std::move(content_);
}

void TCatalogueBuilder::BuildTypes() {
    TMdbLrTyp& types = catalogue_.LrTyp();
    for (const TFamilyDef& def : DemoFamilyDefs()) {
        TFamily family = DrawFamily(def, random_);
        TSketchPlan sketch;
        sketch.Blades = family.Blades;
        sketch.ForwardCurved = def.Kind == TFanKind::Forward;
        sketch.RadialBlades = def.Kind == TFanKind::RadialBlade;
        sketch.InletRatio = family.InletRatio;
        family.PictureNo = refs_->ImpellerPicture(def.TypeText, sketch);

        TMdbRecord* r = types.NewRecord();
        types.SetInt(r, TMdbLrTyp::F_TYPNR, def.TypeNo);
        types.SetText(r, TMdbLrTyp::F_TYPBEZ, def.TypeText);
        std::string description =
            std::string(def.Description) + ". Schaufelzahl " + std::to_string(family.Blades) +
            ", b2/D2 = " + FixedText(family.WidthRatio, 2) + ", Umfangsgeschwindigkeit bis " +
            FixedText(family.TipLimit, 0) + " m/s.";
        types.SetDescription(r, description);
        families_.push_back(std::move(family));
    }
    types.RebuildIndex(false);
}

TCatalogueBuilder::TBuiltImpeller TCatalogueBuilder::AddImpeller(const TFamily& family,
                                                                 int d2Nominal, bool twin,
                                                                 bool left, int widthStep) {
    TMdbLaufrad& table = catalogue_.Laufrad();
    TMdbRecord* r = table.NewRecord();
    const TFamilyDef& def = family.Def;
    const int version = ++versions_[{def.TypeNo, d2Nominal}];
    const double d2 = Round1(d2Nominal * random_.Uniform(0.996, 1.004));
    const double b2 = Round1(family.WidthRatio * d2 * (1 + 0.12 * widthStep));
    const double plate = std::clamp(std::round(d2 / 150), 2.0, 8.0);
    const double bs = twin ? Round1(2 * b2 + 3 * plate) : Round1(b2 + 2 * plate);
    const double d0 = Round1(family.InletRatio * d2);
    const double d1Ratio = def.Kind == TFanKind::Forward    ? 0.86
                           : def.Kind == TFanKind::Backward ? 0.72
                                                            : 0.5;
    const double d1 = Round1(d1Ratio * d2);

    table.SetInt(r, TMdbLaufrad::F_LFRDNR, ++nextImpeller_);
    table.SetInt(r, TMdbLaufrad::F_TYPNR, def.TypeNo);
    table.SetInt(r, TMdbLaufrad::F_D2NENN, d2Nominal);
    table.SetFloat(r, TMdbLaufrad::F_RB, b2 / d2);
    table.SetFloat(r, TMdbLaufrad::F_B2, b2);
    table.SetFloat(r, TMdbLaufrad::F_B0, Round1(b2 * random_.Uniform(1.05, 1.2)));
    table.SetFloat(r, TMdbLaufrad::F_BS, bs);
    table.SetText(r, TMdbLaufrad::F_DREHRICHT, left ? "L" : "R");
    table.SetText(r, TMdbLaufrad::F_FLUTIGKEIT, twin ? "D" : "E");
    table.SetInt(r, TMdbLaufrad::F_VERSION, version);
    table.SetText(r, TMdbLaufrad::F_HERSTELLER, kMaker);
    table.SetInt(r, TMdbLaufrad::F_SCHFLZAHL, family.Blades);
    table.SetFloat(r, TMdbLaufrad::F_SCHFLBREIT, b2);
    table.SetFloat(r, TMdbLaufrad::F_SCHFLDICKE, std::clamp(Round1(d2 / 250), 0.8, 6.0));
    const double bladeLength =
        Round1((d2 - d1) / 2 * (def.Kind == TFanKind::Backward ? 1.35 : 1.1));
    table.SetFloat(r, TMdbLaufrad::F_SCHFLLAENG, bladeLength);
    table.SetFloat(r, TMdbLaufrad::F_KRUEMRAD, Round1(d2 * random_.Uniform(0.2, 0.35)));
    table.SetFloat(r, TMdbLaufrad::F_UEBERST_L1, Round1(d2 * 0.01));
    table.SetFloat(r, TMdbLaufrad::F_UEBERST_L2, Round1(d2 * 0.015));
    table.SetFloat(r, TMdbLaufrad::F_D2, d2);
    table.SetFloat(r, TMdbLaufrad::F_D1, d1);
    table.SetFloat(r, TMdbLaufrad::F_D0, d0);
    table.SetFloat(r, TMdbLaufrad::F_DRI, Round1(d0 * 1.04));
    table.SetFloat(r, TMdbLaufrad::F_DR0, Round1(d0 * 1.15));
    table.SetFloat(r, TMdbLaufrad::F_RODICKE_S1, plate);
    table.SetFloat(r, TMdbLaufrad::F_ROHOEHE_H4, Round1(d2 * 0.06));
    table.SetFloat(r, TMdbLaufrad::F_RIDICKE_S2, plate);
    table.SetFloat(r, TMdbLaufrad::F_DRHOEHE_H3, Round1(d2 * 0.08));
    table.SetFloat(r, TMdbLaufrad::F_BOEHOEH_H5, Round1(d2 * 0.03));
    table.SetFloat(r, TMdbLaufrad::F_H6, Round1(d2 * 0.02));
    table.SetFloat(r, TMdbLaufrad::F_H7, Round1(d2 * 0.025));
    table.SetFloat(r, TMdbLaufrad::F_DRRADIUS, Round1(d0 * 0.12));
    table.SetFloat(r, TMdbLaufrad::F_BETA1, Round1(family.Beta1));
    table.SetFloat(r, TMdbLaufrad::F_BETA2, Round1(family.Beta2));
    table.SetFloat(r, TMdbLaufrad::F_GAMMA, Round1(d2 * 0.05));
    table.SetFloat(r, TMdbLaufrad::F_SEHNLAENGE, Round1(bladeLength * 0.95));
    table.SetFloat(r, TMdbLaufrad::F_BREITE1, Round1(b2 * 1.15));
    table.SetFloat(r, TMdbLaufrad::F_BREITE2, b2);
    const double hub = std::max(20.0, std::round(d2 / 10 / 5) * 5);
    table.SetFloat(r, TMdbLaufrad::F_D2NABE, hub);
    table.SetFloat(r, TMdbLaufrad::F_DMAXNABE, hub * 2);
    table.SetFloat(r, TMdbLaufrad::F_NABENGEW, std::round(hub * hub * hub * 2.2e-5 * 1000) / 1000);
    table.SetText(r, TMdbLaufrad::F_NABENTYP, "TL" + std::to_string(static_cast<int>(hub)));
    table.SetInt(r, TMdbLaufrad::F_KEILNUT, random_.Chance(0.7) ? 1 : 0);
    table.SetInt(r, TMdbLaufrad::F_BREITENVAR, widthStep);

    // Mass of two discs and the blades in steel (mm and kg/mm³), inertia of a thin disc.
    const double steel = 7.85e-6;
    const double mass = steel * (std::numbers::pi / 4 * d2 * d2 * plate * (twin ? 3 : 2) +
                                 family.Blades * bladeLength * b2 * plate * (twin ? 2 : 1) * 0.5);
    table.SetFloat(r, TMdbLaufrad::F_GEWICHT, std::round(mass * 1000) / 1000);
    table.SetFloat(r, TMdbLaufrad::F_MASSENTRG,
                   std::round(mass * (d2 / 2000) * (d2 / 2000) * 0.6 * 1000) / 1000);

    // Speed limits from the family's tip-speed limit; a few impellers have none recorded.
    const bool noLimit = random_.Chance(0.03);
    const double nmax = std::round(family.TipLimit * 60 / (std::numbers::pi * d2 / 1000) / 10) * 10;
    table.SetFloat(r, TMdbLaufrad::F_MAXDREHZ, noLimit ? 0 : nmax);
    table.SetFloat(r, TMdbLaufrad::F_MINDREHZ,
                   !noLimit && random_.Chance(0.15) ? std::round(0.12 * nmax / 10) * 10 : 0);
    const std::string sheet =
        "L" + ZeroPadded(def.TypeNo, 3) + "." + ZeroPadded(d2Nominal, 4) + (twin ? "D" : "");
    if (!noLimit || random_.Chance(0.5)) table.SetText(r, TMdbLaufrad::F_BLATTNR, sheet);
    table.SetText(r, TMdbLaufrad::F_MATERIAL, kMaterials[random_.Int(0, 3)]);
    table.SetText(r, TMdbLaufrad::F_INFOTEXT,
                  std::string(def.Description) + (twin ? ", doppelflutig" : ""));
    table.SetInt(r, TMdbLaufrad::F_BILDNR, family.PictureNo);
    table.SetFloat(r, TMdbLaufrad::F_EINBHOEHE, std::round(bs + 2 * (0.04 * d2 + 10)));
    table.SetText(r, TMdbLaufrad::F_ZEICHNR,
                  "Z-" + ZeroPadded(def.TypeNo, 3) + "-" + ZeroPadded(d2Nominal, 4) + "-" +
                      ZeroPadded(version, 2));
    const std::int32_t created = refs_->SomeDay();
    table.SetInt(r, TMdbLaufrad::F_ERSTDATUM, created);
    if (random_.Chance(0.3))
        table.SetInt(r, TMdbLaufrad::F_AENDDATUM, created + random_.Int(1, 400));
    table.SetInt(r, TMdbLaufrad::F_DUESE,
                 refs_->Nozzle(def.Kind == TFanKind::Forward ? "EK" : "ED", d2Nominal, d0));
    table.SetInt(r, TMdbLaufrad::F_INKATALOG, 1);

    TBuiltImpeller built;
    built.Record = r;
    built.D2 = d2;
    built.Double = twin;
    if (!table.GetText(r, TMdbLaufrad::F_BLATTNR).empty() && sheets_.insert(sheet).second)
        content_.Sheets.push_back(ImpellerSheet(table, r, family, sheet));
    return built;
}

TMdbRecord* TCatalogueBuilder::AddHousing(const TFamily& family, const TBuiltImpeller& impeller,
                                          int angle, int form) {
    const TMdbLaufrad& impellers = catalogue_.Laufrad();
    TMdbGehaeuse& table = catalogue_.Gehaeuse();
    const TMdbRecord* ir = impeller.Record;
    TMdbRecord* r = table.NewRecord();
    const bool forward = family.Def.Kind == TFanKind::Forward;
    const int d2Nominal = impellers.GetInt(ir, TMdbLaufrad::F_D2NENN);
    const double d2 = impeller.D2;
    const double bs = impellers.GetFloat(ir, TMdbLaufrad::F_BS);
    const double d0 = impellers.GetFloat(ir, TMdbLaufrad::F_D0);
    const std::string rotation = impellers.GetText(ir, TMdbLaufrad::F_DREHRICHT);
    const int version = impellers.GetInt(ir, TMdbLaufrad::F_VERSION);

    // Spiral casing: radii growing by a constant step around the wheel.
    const double base = 0.55 * d2;
    const double step = (forward ? 0.12 : 0.1) * base;
    // Discharge flange: wide enough that the outlet's dynamic pressure stays a modest part
    // of the fan pressure (double-inlet casings carry twice the flow).
    const double c = Round1(1.0 * d2);
    const double e = Round1(bs + (forward ? 0.4 : 0.35) * d2 * (impeller.Double ? 2 : 1));
    const double flange = std::max(20.0, std::round(d2 * 0.06));
    const double sheetThickness = std::clamp(std::round(d2 / 250), 1.0, 5.0);

    table.SetInt(r, TMdbGehaeuse::F_GEHSNR, ++nextHousing_);
    table.SetText(r, TMdbGehaeuse::F_GEHSBEZ,
                  ZeroPadded(family.Def.TypeNo, 3) + "-" + ZeroPadded(d2Nominal, 4) + "-" +
                      ZeroPadded(angle, 3) + rotation + "/" + ZeroPadded(version, 2));
    table.SetInt(r, TMdbGehaeuse::F_TYPNR, family.Def.TypeNo);
    table.SetText(r, TMdbGehaeuse::F_FLUTIGKEIT, impeller.Double ? "D" : "E");
    table.SetInt(r, TMdbGehaeuse::F_BAUGROESSE, d2Nominal);
    table.SetInt(r, TMdbGehaeuse::F_BREITENVAR, impellers.GetInt(ir, TMdbLaufrad::F_BREITENVAR));
    table.SetFloat(r, TMdbGehaeuse::F_D2, d2);
    table.SetFloat(r, TMdbGehaeuse::F_RB, Round1(base));
    table.SetFloat(r, TMdbGehaeuse::F_B2, impellers.GetFloat(ir, TMdbLaufrad::F_B2));
    table.SetFloat(r, TMdbGehaeuse::F_B0, impellers.GetFloat(ir, TMdbLaufrad::F_B0));
    table.SetFloat(r, TMdbGehaeuse::F_BS, bs);
    const double r8 = base + 8 * step;
    table.SetFloat(r, TMdbGehaeuse::F_A, Round1(r8 + base + 4 * step));
    table.SetFloat(r, TMdbGehaeuse::F_H, Round1(r8 + base + 2 * step + flange));
    table.SetFloat(r, TMdbGehaeuse::F_HZ, Round1(base + 4 * step));
    table.SetFloat(r, TMdbGehaeuse::F_H1Q, Round1(base + 2 * step));
    table.SetFloat(r, TMdbGehaeuse::F_H2Q, Round1(base + 6 * step));
    table.SetFloat(r, TMdbGehaeuse::F_C, c);
    table.SetFloat(r, TMdbGehaeuse::F_E, e);
    table.SetFloat(r, TMdbGehaeuse::F_F, Round1(c + 2 * flange));
    table.SetFloat(r, TMdbGehaeuse::F_G, Round1(e + 2 * flange));
    table.SetFloat(r, TMdbGehaeuse::F_B, Round1(e + 2 * sheetThickness + 40));
    table.SetFloat(r, TMdbGehaeuse::F_E1, Round1(e + 0.1 * d2));
    table.SetFloat(r, TMdbGehaeuse::F_K, Round1(0.8 * d2));
    table.SetFloat(r, TMdbGehaeuse::F_L, Round1(1.1 * d2));
    table.SetFloat(r, TMdbGehaeuse::F_M, Round1(0.45 * d2));
    table.SetFloat(r, TMdbGehaeuse::F_N, Round1(0.3 * d2));
    for (int i = 0; i < 4; ++i)
        table.SetFloat(r, TMdbGehaeuse::F_L1 + i, Round1((0.2 + 0.15 * i) * d2));
    for (int i = 0; i < 8; ++i)
        table.SetFloat(r, TMdbGehaeuse::F_R1 + i, Round1(base + (i + 1) * step));
    table.SetFloat(r, TMdbGehaeuse::F_R, Round1(0.05 * d2));
    for (int i = 0; i < 4; ++i)
        table.SetFloat(r, TMdbGehaeuse::F_X1 + i, Round1((0.1 + 0.2 * i) * d2));
    for (int i = 0; i < 4; ++i)
        table.SetFloat(r, TMdbGehaeuse::F_Y1 + i, Round1((0.12 + 0.18 * i) * d2));
    table.SetFloat(r, TMdbGehaeuse::F_S1, sheetThickness);
    table.SetFloat(r, TMdbGehaeuse::F_S2, sheetThickness + 1);
    table.SetFloat(r, TMdbGehaeuse::F_DE1, Round1(d0 * 1.02));
    table.SetFloat(r, TMdbGehaeuse::F_H1, Round1(d0 * 0.25));
    table.SetFloat(r, TMdbGehaeuse::F_R1E, Round1(d0 * 0.08));
    table.SetFloat(r, TMdbGehaeuse::F_R2E, Round1(d0 * 0.12));
    table.SetFloat(r, TMdbGehaeuse::F_DA, Round1(d0 * 1.35));
    table.SetFloat(r, TMdbGehaeuse::F_U, Round1(random_.Uniform(-4, 8)));
    table.SetText(r, TMdbGehaeuse::F_OEFFWKL, std::to_string(angle));
    table.SetInt(r, TMdbGehaeuse::F_GEHSEFORM, form);
    table.SetInt(r, TMdbGehaeuse::F_LAUFRADNR, impellers.Key(ir));
    table.SetInt(r, TMdbGehaeuse::F_BILDNR, refs_->HousingPicture(form, angle));
    table.SetText(r, TMdbGehaeuse::F_GEHAEUSENR, "GH" + ZeroPadded(nextHousing_, 5));
    table.SetText(r, TMdbGehaeuse::F_HERSTELLER, kMaker);
    const std::int32_t created = refs_->SomeDay();
    table.SetInt(r, TMdbGehaeuse::F_ERSTDATUM, created);
    if (random_.Chance(0.25))
        table.SetInt(r, TMdbGehaeuse::F_AENDDATUM, created + random_.Int(1, 400));
    table.SetInt(r, TMdbGehaeuse::F_INKATALOG, 1);

    const std::string sheet = "G" + ZeroPadded(family.Def.TypeNo, 3) + "." +
                              ZeroPadded(d2Nominal, 4) + (impeller.Double ? "D" : "") + "." +
                              std::to_string(form);
    table.SetText(r, TMdbGehaeuse::F_BLATTNR, sheet);
    if (sheets_.insert(sheet).second) content_.Sheets.push_back(HousingSheet(table, r, sheet));
    return r;
}

void TCatalogueBuilder::BuildFamily(const TFamily& family, int edition) {
    (void)edition; // every edition draws its own impellers, housings and series
    std::vector<TBuiltImpeller> impellers;
    for (int d2 : family.Diameters) {
        TBuiltImpeller base = AddImpeller(family, d2, false, false, 0);
        base.Base = true;
        impellers.push_back(base);
        if (random_.Chance(0.12)) impellers.push_back(AddImpeller(family, d2, false, true, 0));
        if (random_.Chance(0.05)) impellers.push_back(AddImpeller(family, d2, false, false, 1));
        if (family.Def.DoubleInlet && d2 >= 280 && random_.Chance(0.55)) {
            TBuiltImpeller twin = AddImpeller(family, d2, true, false, 0);
            twin.Base = true;
            impellers.push_back(twin);
        }
    }
    for (TBuiltImpeller& impeller : impellers) {
        // One to three housings with different outlet angles.
        int count = 1 + (random_.Chance(0.55) ? 1 : 0) + (random_.Chance(0.25) ? 1 : 0);
        int first = random_.Int(0, 7);
        const int form = random_.Int(1, 4);
        for (int k = 0; k < count; ++k) {
            const int angle = kAngles[(first + 3 * k) % 8];
            impeller.Housings.push_back(
                AddHousing(family, impeller, angle, k == 0 ? form : random_.Int(1, 4)));
        }
    }
    AddSeriesFor(family, impellers);
}

void TCatalogueBuilder::AddSeriesFor(const TFamily& family,
                                     std::vector<TBuiltImpeller>& impellers) {
    std::vector<TBuiltSeries> made;
    const auto add = [&](const TBuiltImpeller& model, bool withHousing) {
        const auto no = static_cast<std::int32_t>(series_->size() + 1);
        series_->push_back(seriesFactory_->Add(no, family, model.Record,
                                               withHousing ? model.Housings.front() : nullptr));
        made.push_back({no, model.D2, model.Double, withHousing});
    };

    // Model sizes: spread over the single-inlet base impellers that fit on the rigs.
    std::vector<const TBuiltImpeller*> singles;
    std::vector<const TBuiltImpeller*> twins;
    const TBuiltImpeller* smallestTwin = nullptr;
    for (const TBuiltImpeller& i : impellers) {
        if (!i.Base) continue;
        if (!i.Double && i.D2 <= kLargestModel + 5) singles.push_back(&i);
        if (i.Double && i.D2 <= kLargestTwinModel + 5) twins.push_back(&i);
        if (i.Double && (!smallestTwin || i.D2 < smallestTwin->D2)) smallestTwin = &i;
    }
    // Every double-inlet impeller needs a double-inlet series, if need be a large one.
    if (twins.empty() && smallestTwin) twins.push_back(smallestTwin);
    const int wanted = family.Def.Kind == TFanKind::Forward ? 2 : 3;
    const int count = std::min(wanted, static_cast<int>(singles.size()));
    std::vector<const TBuiltImpeller*> models;
    for (int k = 0; k < count; ++k) {
        const std::size_t index = (singles.size() - 1) * (2 * k + 1) / (2 * count);
        models.push_back(singles[index]);
    }
    for (const TBuiltImpeller* m : models)
        add(*m, true);
    const int free = family.Def.Kind == TFanKind::Backward && random_.Chance(0.5) ? 2 : 1;
    for (int k = 0; k < free && k < static_cast<int>(models.size()); ++k)
        add(*models[models.size() - 1 - static_cast<std::size_t>(k)], false);
    if (!twins.empty()) {
        add(*twins[twins.size() / 2], true);
        if (twins.size() > 2 && random_.Chance(0.5)) add(*twins.front(), true);
    }
    AssignSeries(impellers, made);
}

void TCatalogueBuilder::AssignSeries(std::vector<TBuiltImpeller>& impellers,
                                     const std::vector<TBuiltSeries>& series) {
    // The series of the same inlet kind nearest in size; free-running impellers prefer a
    // series without housing.
    const auto nearest = [&](double d2, bool twin, int housingWish) {
        std::int32_t best = 0;
        double bestScore = 1e300;
        for (const TBuiltSeries& s : series) {
            if (s.Double != twin) continue;
            double score = std::abs(std::log(d2 / s.D2));
            if (housingWish == 1 && !s.WithHousing) score += 100;
            if (housingWish == 0 && s.WithHousing) score += 100;
            if (score < bestScore) {
                bestScore = score;
                best = s.No;
            }
        }
        return best;
    };
    TMdbLaufrad& impellerTable = catalogue_.Laufrad();
    TMdbGehaeuse& housingTable = catalogue_.Gehaeuse();
    for (TBuiltImpeller& i : impellers) {
        impellerTable.SetInt(i.Record, TMdbLaufrad::F_MESSNR, nearest(i.D2, i.Double, 0));
        for (TMdbRecord* h : i.Housings)
            housingTable.SetInt(h, TMdbGehaeuse::F_MESSNR, nearest(i.D2, i.Double, 1));
    }
}

} // namespace corvane
