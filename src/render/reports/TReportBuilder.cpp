#include "render/reports/TReportBuilder.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "measurements/TMdbMessung.h"
#include "measurements/TMdbMw.h"
#include "model/TCurveSet.h"
#include "model/TMessAuswahl.h"
#include "units/Units.h"
#include "render/curves/CurvePalette.h"
#include "render/diagram/DiagramText.h"
#include "render/reports/ReportTexts.h"
#include "selection/LayoutEdit.h"
#include "selection/TResultList.h"
#include "settings/TCompanyInfo.h"
#include "settings/TSettings.h"

#include <QFileInfo>
#include <algorithm>

namespace corvane {

namespace {

constexpr int kDensityQuantity = 15;
constexpr int kDiameterQuantity = 17;
constexpr int kSpeedQuantity = 5;
constexpr int kFlowQuantity = 11;
constexpr int kPressureQuantity = 9;

QString Q(const std::string& text) {
    return DiagramText(text);
}

QString WithUnit(const QString& caption, int quantity) {
    const std::string unit = UnitLabel(quantity, PrintUnitSystem());
    return unit.empty() ? caption : caption + QStringLiteral(" [") + Q(unit) + QStringLiteral("]");
}

QString Number(int quantity, double value, int decimals = 0) {
    return Q(FormatQuantity(decimals, quantity, PrintUnitSystem(), value));
}

bool Changed(const TMessSlot& slot) {
    return slot.TargetD2 > 0 || slot.TargetSpeed > 0 ||
           std::fabs(slot.TargetDensity - 1.205) >= 0.001;
}

} // namespace

TReportBuilder::TReportBuilder(TReportSource source) : source_(std::move(source)) {}

std::vector<int> TReportBuilder::Measurements() const {
    std::vector<int> positions;
    const TMessAuswahl& s = source_.Selection;
    for (int i = 1; i <= s.Count(); ++i)
        if (s.Slot(i)->Starred) positions.push_back(i);
    if (positions.empty() && s.Count() > 0) positions.push_back(1);
    return positions;
}

TPageFrameData TReportBuilder::Frame(const TCompanyInfo& company, int code) const {
    TPageFrameData f;
    f.CompanyName = Q(company.Name);
    for (std::size_t i = 0; i < company.Address.size(); ++i)
        f.Address[i] = Q(company.Address[i]);
    f.Web = Q(company.Web);
    f.Mail = Q(company.Mail);
    if (!company.Logo.empty()) f.Logo.load(QString::fromStdString(company.Logo));
    f.FontName = QString::fromStdString(source_.Settings.FontName);
    f.FontSize = source_.Settings.FontSize;
    f.Footer = Footer(code);
    return f;
}

QString TReportBuilder::Footer(int code) const {
    const TMessAuswahl& s = source_.Selection;
    if (source_.SelectionMode) {
        double density = 1.205;
        for (int i = 1; i <= s.Count(); ++i)
            if (s.Slot(i)->TargetDensity > 0) {
                density = s.Slot(i)->TargetDensity;
                break;
            }
        const QString value = Number(kDensityQuantity, density, 3) + QStringLiteral(" ") +
                              Q(UnitLabel(kDensityQuantity, PrintUnitSystem()));
        return RepText(ERep::FooterDensity).arg(value);
    }
    bool changed = false;
    for (int i = 1; i <= s.Count(); ++i)
        changed = changed || Changed(*s.Slot(i));
    if (code == 91 || code == 93 || code == 94) return RepText(ERep::FooterSound);
    return RepText(changed ? ERep::FooterChanged : ERep::FooterPlain);
}

QString TReportBuilder::SlotLabel(int position) const {
    const TMessSlot* slot = source_.Selection.Slot(position);
    if (slot == nullptr) return {};
    if (source_.SlotName) {
        const std::string name = source_.SlotName(*slot);
        if (!name.empty()) return Q(name);
    }
    TCatalogue& c = source_.Catalogue;
    const TMdbRecord* series = c.Messung().FindByKey(slot->SeriesNo);
    if (series == nullptr) return {};
    const TMdbRecord* impeller =
        c.Laufrad().FindByKey(c.Messung().GetInt(series, TMdbMessung::F_LFRDNR));
    return impeller != nullptr ? Q(c.Laufrad().CatalogueDesignation(impeller, 0)) : QString();
}

TDiagramHeader TReportBuilder::Header(const QString& remark) const {
    TDiagramHeader h;
    TMessAuswahl& s = source_.Selection;
    if (source_.SelectionMode && s.RequestedFlow() > 0) {
        const int units = PrintUnitSystem();
        h.DutyLine = Q(Txt(TextId::BetrPunktLabel)) + QStringLiteral(" ") +
                     Number(kFlowQuantity, s.RequestedFlow()) + QStringLiteral(" ") +
                     Q(UnitLabel(kFlowQuantity, units)) + QStringLiteral(",  ") +
                     Number(kPressureQuantity, s.RequestedPressure()) + QStringLiteral(" ") +
                     Q(UnitLabel(kPressureQuantity, units));
    }
    h.LegendCaptions = {
        RepText(ERep::LegendImpeller) + QStringLiteral(" / ") + RepText(ERep::LegendHousing),
        RepText(ERep::LegendSeries), WithUnit(RepText(ERep::LegendD2), kDiameterQuantity),
        WithUnit(RepText(ERep::LegendSpeed), kSpeedQuantity),
        WithUnit(RepText(ERep::LegendDensity), kDensityQuantity)};
    for (int i = 1; i <= s.Count(); ++i) {
        const TMessSlot* slot = s.Slot(i);
        const TMdbMw* points = s.Points(i);
        TMarkedRow row;
        row.Marker = i;
        row.Colour = CurveColour(i);
        const QString star = QStringLiteral("*");
        const double d2 = slot->TargetD2 > 0 ? slot->TargetD2 : points->MeasuredD2();
        const double speed = slot->TargetSpeed > 0 ? slot->TargetSpeed : points->MaxMeasuredSpeed();
        row.Cells = {SlotLabel(i),
                     QString::number(slot->SeriesNo) + (slot->Starred ? star : QString()),
                     Number(kDiameterQuantity, d2) + (slot->TargetD2 > 0 ? star : QString()),
                     Number(kSpeedQuantity, speed) + (slot->TargetSpeed > 0 ? star : QString()),
                     Number(kDensityQuantity, slot->TargetDensity, 3)};
        h.Legend.push_back(row);
    }
    h.Remark = remark;
    h.Hint = RepText(ERep::HeaderHint);
    return h;
}

TReportPage TReportBuilder::DiagramPage(const TLayoutPage& layoutPage) const {
    TReportPage page;
    page.Code = layoutPage.Slots[0];
    page.Header = Header(QString::fromStdString(layoutPage.Remark));
    const TSettings& settings = source_.Settings;
    for (const std::int32_t code : layoutPage.Slots) {
        if (code == 0) continue;
        const bool used = code >= 1 && code <= kLastDiagramCode;
        TCurveSet set = TCurveSet::ForKind(used ? code : 1);
        if (used) BuildCurveSet(set, source_.Selection, settings.PolynomGrad);
        page.Diagrams.push_back(TCurveDiagramData::Make(set, source_.Catalogue.Mw(), settings,
                                                        source_.SelectionMode, 0));
        page.DiagramUsed.push_back(used);
    }
    return page;
}

TReportPage TReportBuilder::DataSheetPage() const {
    TReportPage page;
    page.Code = 97;
    TCatalogue& c = source_.Catalogue;
    const std::string folder = c.Folder().empty() ? std::string("Pdf") : c.Folder() + "/Pdf";
    for (const int position : Measurements()) {
        const TMdbRecord* series =
            c.Messung().FindByKey(source_.Selection.Slot(position)->SeriesNo);
        if (series == nullptr) continue;
        std::vector<std::string> sheets;
        if (const TMdbRecord* impeller =
                c.Laufrad().FindByKey(c.Messung().GetInt(series, TMdbMessung::F_LFRDNR)))
            sheets.push_back(c.Laufrad().GetText(impeller, TMdbLaufrad::F_BLATTNR));
        if (const TMdbRecord* housing =
                c.Gehaeuse().FindByKey(c.Messung().GetInt(series, TMdbMessung::F_GEHSNR)))
            sheets.push_back(c.Gehaeuse().GetText(housing, TMdbGehaeuse::F_BLATTNR));
        for (const std::string& sheet : sheets) {
            if (sheet.empty()) continue;
            const QString file = QString::fromStdString(DataSheetFile(folder, sheet));
            if (page.DataSheets.contains(file) || page.MissingSheets.contains(file) ||
                page.DataSheets.size() + page.MissingSheets.size() >= 10)
                continue;
            (QFileInfo(file).isFile() ? page.DataSheets : page.MissingSheets) << file;
        }
    }
    return page;
}

std::vector<TReportPage> TReportBuilder::Build(const TLayoutPage& page) const {
    const int code = page.Slots[0];
    const QString remark = QString::fromStdString(page.Remark);
    std::vector<TReportPage> pages;
    if (IsDiagramPage(page)) {
        pages.push_back(DiagramPage(page));
    } else if (code == 90 || code == 96 || code == 98) {
        for (const int position : Measurements())
            pages.push_back(code == 90   ? MapPage(position)
                            : code == 96 ? CoverPage(position)
                                         : ValuesPage(position));
        if (code == 90)
            for (TReportPage& p : pages)
                p.Header.Remark = remark;
    } else if (code == 92 || code == 95) {
        pages.push_back(PointListPage(code, remark));
    } else if (code == 91 || code == 93 || code == 94) {
        pages.push_back(SoundPage(code, remark));
    } else if (code == 97) {
        pages.push_back(DataSheetPage());
    }
    if (pages.empty()) pages.emplace_back();
    for (TReportPage& p : pages) {
        p.Landscape = IsLandscapeCode(p.Code);
        p.Footer = Footer(p.Code);
    }
    return pages;
}

std::vector<TReportPage> TReportBuilder::Build(const TLayout& layout, int first, int last) const {
    std::vector<TReportPage> pages;
    const int from = std::max(first, 1);
    const int to = std::min(last, layout.Count);
    for (int i = from; i <= to; ++i) {
        std::vector<TReportPage> built = Build(layout.Pages[static_cast<std::size_t>(i - 1)]);
        pages.insert(pages.end(), std::make_move_iterator(built.begin()),
                     std::make_move_iterator(built.end()));
    }
    return pages;
}

} // namespace corvane
