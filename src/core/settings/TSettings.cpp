#include "settings/TSettings.h"

#include "i18n/LanguageTable.h"
#include "i18n/Texts.h"
#include "selection/ErgIdList.h"
#include "util/Numbers.h"
#include "util/XdgFolders.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace corvane {

namespace {

constexpr const char* kOptions = "Options";
constexpr const char* kAuswahl = "Auswahl";

// Defaults of the keys that differ between the user settings and a selection file.
struct TDefaults {
    const char* Flow;
    const char* Pressure;
    const char* Tolerance;
    const char* Speed;
    std::int32_t FixedQuantity;
    std::int32_t TypeGroup;
    std::int32_t PolynomGrad;
};
constexpr TDefaults kUserDefaults{"3000", "500", "5", "1450", 1, 1, 6};
constexpr TDefaults kFileDefaults{"4000", "300", "10", "1500", 0, 0, 7};

// The program's sentence for a failed file operation, then the reason on its own line.
TOutcome Explained(TOutcome outcome, TextId what) {
    if (outcome) return outcome;
    return TOutcome::Failure(std::string(Txt(what)) + "\n" + outcome.Message());
}

const TDefaults& DefaultsOf(ESettingsSource source) {
    return source == ESettingsSource::User ? kUserDefaults : kFileDefaults;
}

double ReadDouble(const TIniFile& ini, const char* key, std::string_view defaultText) {
    return ParseNumber(ini.ReadString(kAuswahl, key, defaultText));
}

std::string LayoutKey(std::size_t layout) {
    return "Layout" + std::to_string(layout + 1);
}
std::string RemarkKey(std::size_t layout, std::size_t page) {
    return LayoutKey(layout) + "B" + std::to_string(page + 1);
}

void ReadOptions(TSettings& s, const TIniFile& ini, ESettingsSource source) {
    const TDefaults& d = DefaultsOf(source);
    s.FontSize = ini.ReadInteger(kOptions, "FontSize", 10);
    if (s.FontSize < 1 || s.FontSize > 200) s.FontSize = 10;
    s.FontName = ini.ReadString(kOptions, "FontName", "Arial");
    if (s.FontName.empty()) s.FontName = "Arial";
    s.Bearbeiter = ini.ReadString(kOptions, "Bearbeiter", "");
    s.PolynomGrad = ini.ReadInteger(kOptions, "PolynomGrad", d.PolynomGrad);
    if (s.PolynomGrad < 0 || s.PolynomGrad > 11) s.PolynomGrad = d.PolynomGrad;
    s.PolynomPunkte = ini.ReadInteger(kOptions, "PolynomPunkte", 1) == 1 ? 1 : 0;
    s.PrintUnit = ClampLanguageIndex(ini.ReadInteger(kOptions, "PrintUnit", s.PrintUnit));
    const double distance = ParseNumber(ini.ReadString(kOptions, "LpAbstand", "-1"));
    s.LpAbstand =
        std::isfinite(static_cast<float>(distance)) ? static_cast<float>(distance) : -1.0f;
    for (std::size_t i = 0; i < kLayoutCount; ++i) {
        TLayout& layout = s.Layouts.Layouts[i];
        ReadLayoutText(ini.ReadString(kOptions, LayoutKey(i), ""), layout);
        if (source != ESettingsSource::SelectionFile) continue;
        for (std::int32_t j = 0; j < layout.Count; ++j) {
            const auto page = static_cast<std::size_t>(j);
            layout.Pages[page].Remark =
                ReadHexText(ini.ReadString(kOptions, RemarkKey(i, page), ""));
        }
    }
    s.SelectedFlows = ReadListText(ini.ReadString(kOptions, "Vauswahl", ""));
    s.ParabolaFlows = ReadListText(ini.ReadString(kOptions, "Pauswahl", ""));
    s.Cart = ReadCartText(ini.ReadString(kOptions, "Warenkorb", ""));
    if (source == ESettingsSource::User)
        s.Naufruf = std::max(ini.ReadInteger(kOptions, "Naufruf", 0), 0);
}

void ReadRequest(TAuswahlParam& r, const TIniFile& ini, ESettingsSource source) {
    const TDefaults& d = DefaultsOf(source);
    r.RequestedFlow = ReadDouble(ini, "AuswV", d.Flow);
    r.RequestedPressure = ReadDouble(ini, "AuswP", d.Pressure);
    r.Tolerance = ReadDouble(ini, "AuswDproz", d.Tolerance);
    r.GivenSpeed = ReadDouble(ini, "AuswN", d.Speed);
    r.MaxSpeed = ReadDouble(ini, "AuswNmax", "3000");
    r.RequestedDensity = ReadDouble(ini, "AuswRho", FormatDouble(kStandardDensity));
    r.SliderMax = ini.ReadInteger(kAuswahl, "AuswSlmax", 3000);
    r.FixedQuantity = ini.ReadInteger(kAuswahl, "AuswDart", d.FixedQuantity);
    r.D2Min = ReadDouble(ini, "AuswD2min", "67");
    r.D2Max = ReadDouble(ini, "AuswD2max", "1000");
    r.WidthMin = ReadDouble(ini, "AuswEinbhMin", "0");
    r.WidthMax = ReadDouble(ini, "AuswEinbhMax", "1500");
    r.HousingAngle = ini.ReadString(kAuswahl, "AuswGehWinkel", "");
    r.TypeGroup = ini.ReadInteger(kAuswahl, "AuswTypNr", d.TypeGroup);
    r.FanLayout = ini.ReadInteger(kAuswahl, "AuswFlut", 0);
    r.SearchMode = ini.ReadInteger(kAuswahl, "AuswArt", 1);
    r.SortKey = ini.ReadInteger(kAuswahl, "AuswSort", 0);
    ClampRequest(r);
    r.DensityNonStd = IsNonStandardDensity(r.RequestedDensity);
}

void WriteRequest(const TAuswahlParam& r, TIniFile& ini) {
    ini.WriteString(kAuswahl, "AuswV", FormatDouble(r.RequestedFlow));
    ini.WriteString(kAuswahl, "AuswP", FormatDouble(r.RequestedPressure));
    ini.WriteString(kAuswahl, "AuswDproz", FormatDouble(r.Tolerance));
    ini.WriteString(kAuswahl, "AuswN", FormatDouble(r.GivenSpeed));
    ini.WriteString(kAuswahl, "AuswNmax", FormatDouble(r.MaxSpeed));
    ini.WriteString(kAuswahl, "AuswRho", FormatDouble(r.RequestedDensity));
    ini.WriteInteger(kAuswahl, "AuswSlmax", r.SliderMax);
    ini.WriteInteger(kAuswahl, "AuswDart", r.FixedQuantity);
    ini.WriteString(kAuswahl, "AuswD2min", FormatDouble(r.D2Min));
    ini.WriteString(kAuswahl, "AuswD2max", FormatDouble(r.D2Max));
    ini.WriteString(kAuswahl, "AuswEinbhMin", FormatDouble(r.WidthMin));
    ini.WriteString(kAuswahl, "AuswEinbhMax", FormatDouble(r.WidthMax));
    ini.WriteString(kAuswahl, "AuswGehWinkel", r.HousingAngle);
    ini.WriteInteger(kAuswahl, "AuswTypNr", r.TypeGroup);
    ini.WriteInteger(kAuswahl, "AuswFlut", r.FanLayout);
    ini.WriteInteger(kAuswahl, "AuswArt", r.SearchMode);
    ini.WriteInteger(kAuswahl, "AuswSort", r.SortKey);
}

// The options both kinds of document start with.
void WriteCommonOptions(const TSettings& s, TIniFile& ini) {
    ini.WriteInteger(kOptions, "FontSize", s.FontSize);
    ini.WriteString(kOptions, "FontName", s.FontName);
    ini.WriteString(kOptions, "Bearbeiter", s.Bearbeiter);
    ini.WriteInteger(kOptions, "PolynomGrad", s.PolynomGrad);
    ini.WriteInteger(kOptions, "PolynomPunkte", s.PolynomPunkte);
    ini.WriteInteger(kOptions, "PrintUnit", s.PrintUnit);
    ini.WriteString(kOptions, "LpAbstand", FormatSingle(s.LpAbstand));
}

} // namespace

std::string SettingsPath() {
    return (std::filesystem::path(ConfigHomeFolder()) / "Brask" / "Corvane.conf").string();
}

void TSettings::Read(const TIniFile& ini, ESettingsSource source) {
    ReadOptions(*this, ini, source);
    ReadRequest(Request, ini, source);
    if (source == ESettingsSource::User) Installation.Read(ini);
}

void TSettings::WriteUser(TIniFile& ini) const {
    WriteCommonOptions(*this, ini);
    for (std::size_t i = 0; i < kLayoutCount; ++i)
        ini.WriteString(kOptions, LayoutKey(i), WriteLayoutText(Layouts.Layouts[i]));
    ini.WriteString(kOptions, "Vauswahl", WriteListText(SelectedFlows));
    ini.WriteString(kOptions, "Pauswahl", WriteListText(ParabolaFlows));
    ini.WriteString(kOptions, "Warenkorb", WriteCartText(Cart));
    ini.WriteInteger(kOptions, "Naufruf", Naufruf);
    WriteRequest(Request, ini);
    Installation.Write(ini);
}

TOutcome TSettings::LoadUser(const std::string& path) {
    std::error_code ec;
    const bool exists =
        std::filesystem::symlink_status(path, ec).type() != std::filesystem::file_type::not_found;
    TOutcome loaded = Store.Load(path);
    Read(Store, ESettingsSource::User);
    if (!exists) return {};
    return Explained(std::move(loaded), TextId::SettingsReadError);
}

TOutcome TSettings::SaveUser(const std::string& path) {
    WriteUser(Store);
    return Explained(Store.Save(path), TextId::SettingsSaveError);
}

TOutcome TSettings::WriteSelectionFile(const std::string& path,
                                       const std::vector<std::int32_t>& markedIds) const {
    TIniFile ini;
    (void)ini.Load(path); // update an existing file; a new one starts empty
    WriteCommonOptions(*this, ini);
    for (std::size_t i = 0; i < kLayoutCount; ++i) {
        const TLayout& layout = Layouts.Layouts[i];
        ini.WriteString(kOptions, LayoutKey(i), WriteLayoutText(layout));
        for (std::size_t j = 0; j < kLayoutPages; ++j) {
            const std::string& remark = layout.Pages[j].Remark;
            if (static_cast<std::int32_t>(j) < layout.Count && !remark.empty())
                ini.WriteString(kOptions, RemarkKey(i, j), WriteHexText(remark));
            else
                ini.DeleteKey(kOptions, RemarkKey(i, j));
        }
    }
    ini.WriteString(kOptions, "Vauswahl", WriteListText(SelectedFlows));
    ini.WriteString(kOptions, "Pauswahl", WriteListText(ParabolaFlows));
    ini.WriteString(kOptions, "Warenkorb", WriteCartText(Cart));
    WriteRequest(Request, ini);
    ini.WriteString(kAuswahl, "AuswSet", WriteIdList(markedIds));
    return Explained(ini.Save(path), TextId::SelectionSaveError);
}

TOutcome TSettings::ReadSelectionFile(const std::string& path) {
    TIniFile ini;
    if (TOutcome loaded = ini.Load(path); !loaded)
        return Explained(std::move(loaded), TextId::SelectionOpenError);
    Read(ini, ESettingsSource::SelectionFile);
    return {};
}

std::vector<std::int32_t> ReadSelectionMarks(const std::string& path) {
    std::vector<std::int32_t> ids;
    (void)ReadSelectionMarks(path, ids);
    return ids;
}

TOutcome ReadSelectionMarks(const std::string& path, std::vector<std::int32_t>& ids) {
    ids.clear();
    TIniFile ini;
    if (TOutcome loaded = ini.Load(path); !loaded)
        return Explained(std::move(loaded), TextId::SelectionOpenError);
    ids = ReadIdList(ini.ReadString(kAuswahl, "AuswSet", ""));
    return {};
}

} // namespace corvane
