#include "selection/TResultRowMenu.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "selection/TResultList.h"
#include "util/Text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace corvane {

namespace {

constexpr std::size_t kNozzleCaptionChars = 23;
constexpr std::size_t kInfoCaptionChars = 43;

// At most `count` characters of a UTF-8 text.
std::string FirstChars(const std::string& text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size() && chars < count; ++chars) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return text.substr(0, i);
}

std::string Caption(const TMdb& table, int field, std::size_t chars) {
    const std::string& caption = table.Field(field).CaptionIn(std::clamp(TextLanguage(), 0, 2));
    return FirstChars(caption + ":  ", chars);
}

TDataSheetItem Sheet(std::string caption, const std::string& sheetNo, const std::string& folder) {
    TDataSheetItem item;
    item.Caption = std::move(caption);
    if (sheetNo.empty()) return item;
    item.File = DataSheetFile(folder, sheetNo);
    std::error_code ec;
    item.Exists = std::filesystem::is_regular_file(item.File, ec);
    return item;
}

std::string ValueWithUnit(const TMdb& table, const TMdbRecord* record, int field) {
    return table.GetFieldTextInUnits(record, field, false) + " " + table.GetUnitText(field, false);
}

} // namespace

TResultRowMenu TResultRowMenu::Of(const TResultList& results, TCatalogue& catalogue,
                                  std::size_t row, const std::string& sheetFolder) {
    TResultRowMenu menu;
    if (row >= results.Count()) return menu;
    const TErgebnisZeile& r = results.Row(row);
    const TMdbLaufrad& impellers = catalogue.Laufrad();
    const TMdbGehaeuse& housings = catalogue.Gehaeuse();
    const TMdbDuese& nozzles = catalogue.Duese();
    menu.Marked = r.ChartMark > 0;
    menu.CartCaption = results.CartMenuText();
    if (r.Impeller == nullptr) return menu;

    const TMdbRecord* housing = r.Housing;
    const std::string angle =
        housing ? Trim(housings.GetText(housing, TMdbGehaeuse::F_OEFFWKL)) : "";
    const std::string housingSheet =
        housing ? Trim(housings.GetText(housing, TMdbGehaeuse::F_BLATTNR)) : "";
    menu.HousingSheet =
        Sheet(Txt(TextId::HousingSheet) + angle + "°-" + housingSheet, housingSheet, sheetFolder);
    menu.PictureNo = housing ? housings.GetInt(housing, TMdbGehaeuse::F_BILDNR)
                             : impellers.GetInt(r.Impeller, TMdbLaufrad::F_BILDNR);

    const std::string impellerSheet = Trim(impellers.GetText(r.Impeller, TMdbLaufrad::F_BLATTNR));
    menu.ImpellerSheet =
        Sheet(Txt(TextId::ImpellerSheet) + impellerSheet, impellerSheet, sheetFolder);
    const TMdbRecord* nozzle =
        nozzles.FindByKey(impellers.GetInt(r.Impeller, TMdbLaufrad::F_DUESE));
    const std::string nozzleSheet =
        nozzle ? Trim(nozzles.GetText(nozzle, TMdbDuese::F_BLATTNR)) : "";
    menu.NozzleSheet = Sheet(Txt(TextId::NozzleSheet) + nozzleSheet, nozzleSheet, sheetFolder);

    menu.Info[0] = std::string(Txt(TextId::ImpellerWord)) + ":  " + results.CellText(row, 1);
    menu.Info[1] = Caption(impellers, TMdbLaufrad::F_EINSTROEMDUESE, kNozzleCaptionChars) +
                   Trim(impellers.GetFieldText(r.Impeller, TMdbLaufrad::F_EINSTROEMDUESE));
    menu.Info[2] = Caption(impellers, TMdbLaufrad::F_EINBHOEHE, kInfoCaptionChars);
    if (r.Width > 1e-6)
        menu.Info[2] += ValueWithUnit(impellers, r.Impeller, TMdbLaufrad::F_EINBHOEHE);
    menu.Info[3] = Caption(nozzles, TMdbDuese::F_U, kInfoCaptionChars);
    if (nozzle) menu.Info[3] += ValueWithUnit(nozzles, nozzle, TMdbDuese::F_U);
    return menu;
}

} // namespace corvane
