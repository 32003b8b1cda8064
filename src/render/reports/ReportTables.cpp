// The table pages of the evaluations: measured values, point lists and the cover sheet.
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbMotor.h"
#include "i18n/Language.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/TCurveSet.h"
#include "model/TMessAuswahl.h"
#include "selection/TPointTable.h"
#include "render/curves/CurvePalette.h"
#include "render/diagram/DiagramText.h"
#include "render/reports/ReportTexts.h"
#include "render/reports/TReportBuilder.h"
#include "settings/TSettings.h"

namespace corvane {

namespace {

using F = TMdbMwFieldNo;

// The measured-values fields of the list of measured values, in column order.
constexpr int kValueFields[] = {
    F::F_MWNR, F::F_VC,  F::F_PFA,   F::F_PDYN,   F::F_PTOT,   F::F_NC,      F::F_MC,
    F::F_PWE,  F::F_PW,  F::F_ETAFA, F::F_ETATOT, F::F_ETAFAM, F::F_ETATOTM, F::F_LPC,
    F::F_LPAC, F::F_RHO, F::F_PSIFA, F::F_PSITOT, F::F_PHI,    F::F_LAMBDA,  F::F_UMEAN};

constexpr int kImpellerFields[] = {
    TMdbLaufrad::F_LAUFRADBEZ, TMdbLaufrad::F_BLATTNR,   TMdbLaufrad::F_TYPBEZ,
    TMdbLaufrad::F_D2NENN,     TMdbLaufrad::F_D2,        TMdbLaufrad::F_D1,
    TMdbLaufrad::F_B2,         TMdbLaufrad::F_SCHFLZAHL, TMdbLaufrad::F_BETA1,
    TMdbLaufrad::F_BETA2,      TMdbLaufrad::F_DREHRICHT, TMdbLaufrad::F_FLUTIGKEIT,
    TMdbLaufrad::F_MATERIAL,   TMdbLaufrad::F_GEWICHT,   TMdbLaufrad::F_MASSENTRG,
    TMdbLaufrad::F_MINDREHZ,   TMdbLaufrad::F_MAXDREHZ,  TMdbLaufrad::F_EINSTROEMDUESE,
    TMdbLaufrad::F_EINBHOEHE,  TMdbLaufrad::F_ZEICHNR};
constexpr int kHousingFields[] = {TMdbGehaeuse::F_GEHSBEZ,
                                  TMdbGehaeuse::F_BLATTNR,
                                  TMdbGehaeuse::F_TYPBEZ,
                                  TMdbGehaeuse::F_BAUGROESSE,
                                  TMdbGehaeuse::F_D2,
                                  TMdbGehaeuse::F_A,
                                  TMdbGehaeuse::F_H,
                                  TMdbGehaeuse::F_OEFFWKL,
                                  TMdbGehaeuse::F_GEHSEFORM,
                                  TMdbGehaeuse::F_LAUFRADBEZ,
                                  TMdbGehaeuse::F_EINSTROEMDUESE};

QString Q(const std::string& text) {
    return DiagramText(text);
}

// A value as printed: the field's text in print units followed by its unit; empty values
// and the "no value" numbers are left out.
QString FieldValue(const TMdb& table, const TMdbRecord* record, int field) {
    const std::string text = table.GetFieldTextInUnits(record, field, true);
    if (text.empty()) return {};
    const std::string unit = table.GetUnitText(field, true);
    return unit.empty() ? Q(text) : Q(text + " " + unit);
}

bool IsLongText(const TMdb& table, int field) {
    const TMdbField& f = table.Field(field);
    return f.FieldType == ftString && f.Width >= 50;
}

// A section of the cover sheet: the given fields (all shown fields when none are given).
TCoverSection Section(const QString& heading, const TMdb& table, const TMdbRecord* record,
                      std::vector<int> fields) {
    TCoverSection section;
    section.Heading = heading;
    if (record == nullptr) return section;
    if (fields.empty())
        for (int f = 1; f <= table.FieldCount(); ++f)
            if (table.Field(f).ColWidth != 0) fields.push_back(f);
    const int language = TextLanguage();
    for (const int field : fields) {
        const QString value = FieldValue(table, record, field);
        if (value.isEmpty()) continue;
        const QString caption = Q(table.Field(field).LongCaptionIn(language));
        if (IsLongText(table, field))
            section.LongTexts << caption + QStringLiteral(": ") + value;
        else
            section.Fields.emplace_back(caption, value);
    }
    return section;
}

} // namespace

TReportPage TReportBuilder::ValuesPage(int position) const {
    TReportPage page;
    page.Code = 98;
    TMdbMw* table = source_.Selection.Points(position);
    const TMessSlot* slot = source_.Selection.Slot(position);
    if (table == nullptr || slot == nullptr) return page;
    table->Sort(F::F_VC, false);
    const int language = TextLanguage();
    TReportTable& t = page.Table;
    t.Title = RepText(ERep::ListTitle) + QString::number(slot->SeriesNo) + QStringLiteral("   ") +
              SlotLabel(position);
    for (const int field : kValueFields) {
        t.Captions << Q(table->Field(field).CaptionIn(language));
        t.Units << Q(table->GetUnitText(field, true));
    }
    for (int i = 0; i < table->ViewCount(); ++i) {
        const TMdbRecord* record = table->ViewRecord(i);
        TMarkedRow row;
        for (const int field : kValueFields)
            row.Cells << Q(table->GetFieldTextInUnits(record, field, true));
        t.Rows.push_back(row);
    }
    return page;
}

TReportPage TReportBuilder::PointListPage(int code, const QString& remark) const {
    TReportPage page;
    page.Code = code;
    const int showMode = code == 95 ? 1 : 2;
    TCurveSet set = TCurveSet::ForKind(1);
    BuildCurveSet(set, source_.Selection, source_.Settings.PolynomGrad);
    std::vector<std::string> names;
    for (int i = 1; i <= source_.Selection.Count(); ++i)
        names.push_back(SlotLabel(i).toStdString());
    TPointTable points;
    points.Build(source_.Catalogue, source_.Selection, set, showMode,
                 source_.Settings.SelectedFlows, source_.Settings.ParabolaFlows,
                 source_.SelectionMode, PrintUnitSystem(), names);
    TReportTable& t = page.Table;
    t.Title = RepText(code == 95 ? ERep::SelectedPointsTitle : ERep::ParabolaPointsTitle);
    if (!remark.isEmpty()) t.Title += QStringLiteral("   ") + remark;
    t.Markers = true;
    for (int c = 0; c < TPointTable::kColumnCount; ++c) {
        t.Captions << Q(TPointTable::Header(source_.Catalogue.Mw(), c, 0, source_.SelectionMode,
                                            TextLanguage(), PrintUnitSystem()));
        t.Units << Q(TPointTable::Header(source_.Catalogue.Mw(), c, 1, source_.SelectionMode,
                                         TextLanguage(), PrintUnitSystem()));
    }
    for (const TPointTable::TRow& r : points.Rows()) {
        TMarkedRow row;
        row.Marker = r.Curve;
        row.Colour = CurveColour(r.Curve);
        for (const std::string& cell : r.Cells)
            row.Cells << Q(cell);
        t.Rows.push_back(row);
    }
    return page;
}

TReportPage TReportBuilder::CoverPage(int position) const {
    TReportPage page;
    page.Code = 96;
    const TMessSlot* slot = source_.Selection.Slot(position);
    if (slot == nullptr) return page;
    TCatalogue& c = source_.Catalogue;
    const TMdbMessung& series = c.Messung();
    const TMdbRecord* record = series.FindByKey(slot->SeriesNo);
    page.Cover.Title = RepText(ERep::CoverTitle) + QString::number(slot->SeriesNo);
    if (record == nullptr) return page;
    std::vector<int> seriesFields;
    for (int f = 1; f <= series.FieldCount(); ++f)
        if (series.Field(f).ColWidth != 0 && f != TMdbMessung::F_MESSRECORD)
            seriesFields.push_back(f);
    page.Cover.Sections.push_back(
        Section(RepText(ERep::CoverSeries), series, record, seriesFields));
    const auto find = [](TMdb& table, std::int32_t key) {
        return key > 0 ? table.FindByKey(key) : nullptr;
    };
    const TMdbRecord* impeller = find(c.Laufrad(), series.GetInt(record, TMdbMessung::F_LFRDNR));
    const TMdbRecord* housing = find(c.Gehaeuse(), series.GetInt(record, TMdbMessung::F_GEHSNR));
    const TMdbRecord* motor = find(c.Motor(), series.GetInt(record, TMdbMessung::F_MOTORNR));
    const TMdbRecord* order = find(c.Auftrag(), series.GetInt(record, TMdbMessung::F_AUFTRAGSNR));
    std::vector<int> impellerFields(std::begin(kImpellerFields), std::end(kImpellerFields));
    impellerFields.push_back(TMdbLaufrad::F_INFOTEXT);
    std::vector<int> housingFields(std::begin(kHousingFields), std::end(kHousingFields));
    if (impeller != nullptr)
        page.Cover.Sections.push_back(
            Section(RepText(ERep::CoverImpeller), c.Laufrad(), impeller, impellerFields));
    if (housing != nullptr)
        page.Cover.Sections.push_back(
            Section(RepText(ERep::CoverHousing), c.Gehaeuse(), housing, housingFields));
    if (motor != nullptr)
        page.Cover.Sections.push_back(Section(RepText(ERep::CoverMotor), c.Motor(), motor, {}));
    if (order != nullptr)
        page.Cover.Sections.push_back(Section(RepText(ERep::CoverOrder), c.Auftrag(), order, {}));
    return page;
}

} // namespace corvane
