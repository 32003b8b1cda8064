#pragma once

#include "model/TMapSettings.h"
#include "render/reports/TReportPage.h"

#include <functional>
#include <string>
#include <vector>

namespace corvane {

class TCatalogue;
class TMdbMw;
class TMessAuswahl;
struct TCompanyInfo;
struct TLayout;
struct TLayoutPage;
struct TMessSlot;
struct TSettings;

// What the evaluation pages are made of: the catalogue, the series selection (with the duty
// point of the search), the settings (fonts, curve style, point lists, operator), the map
// settings, and whether the pages show a search result (selection mode).
struct TReportSource {
    TCatalogue& Catalogue;
    TMessAuswahl& Selection;
    const TSettings& Settings;
    TMapSettings Map = TMapSettings::Shared();
    bool SelectionMode = true;
    // The name of a selected series in legends and point lists (the result list's
    // designation); without it the catalogue designation of the series' impeller.
    std::function<std::string(const TMessSlot& slot)> SlotName = {};
};

// Builds the snapshots of evaluation pages in the current text language and the print unit
// system (the caller switches to the print language first). Per-measurement evaluations
// (map, cover sheet, measured values) give one page per measurement: the measurements marked
// with "*" in the selection, else the first one.
class TReportBuilder {
public:
    explicit TReportBuilder(TReportSource source);

    // Company block, logo, font and footer of a page of `code`.
    TPageFrameData Frame(const TCompanyInfo& company, int code) const;
    // The footer note of a page of `code`: the density of the values in selection mode,
    // otherwise the measuring note of sound pages or the note on changed values.
    QString Footer(int code) const;
    // The pages of one layout page; an empty or unknown page gives one empty page.
    std::vector<TReportPage> Build(const TLayoutPage& page) const;
    // The pages of layout pages first..last (1-based, clamped to the layout).
    std::vector<TReportPage> Build(const TLayout& layout, int first, int last) const;

    // Selection positions of the per-measurement evaluations.
    std::vector<int> Measurements() const;

private:
    TReportPage DiagramPage(const TLayoutPage& page) const;
    TDiagramHeader Header(const QString& remark) const;
    TReportPage ValuesPage(int position) const;
    TReportPage PointListPage(int code, const QString& remark) const;
    TReportPage CoverPage(int position) const;
    TReportPage MapPage(int position) const;
    TReportPage SoundPage(int code, const QString& remark) const;
    TReportPage DataSheetPage() const;
    QString SlotLabel(int position) const;

    TReportSource source_;
};

} // namespace corvane
