#include "TempFolder.h"
#include "settings/TIniFile.h"
#include "settings/TSettings.h"
#include "units/Units.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

using TempDir = test::TTempFolder;

// Keys of a section in document order.
std::vector<std::string> Keys(const TIniFile& ini, const std::string& section) {
    for (const auto& s : ini.Sections())
        if (s.Name == section) {
            std::vector<std::string> keys;
            for (const auto& e : s.Entries)
                keys.push_back(e.Key);
            return keys;
        }
    return {};
}

TSettings SampleSettings() {
    TSettings s;
    s.FontSize = 12;
    s.FontName = "DejaVu Sans";
    s.Bearbeiter = "Jörg Пётр";
    s.PolynomGrad = 11;
    s.PolynomPunkte = 0;
    s.PrintUnit = 3;
    s.LpAbstand = 2.5f;
    TLayout& l = s.Layouts.Layouts[1];
    l.Count = 3;
    l.Pages[0].Slots = {1, 3, 99, 99};
    l.Pages[0].Remark = "Bemerkung äöü";
    l.Pages[1].Slots = {90, 0, 0, 0};
    l.Pages[2].Slots = {7, 8, 9, 10};
    l.Pages[2].Remark = "third";
    s.SelectedFlows = {{1000, 2000, 3000}, 2};
    s.ParabolaFlows = {{1500}, 1};
    s.Cart = {{1000017, 1450.5, 3200}, {42, 2900, 0.25}};
    TAuswahlParam& r = s.Request;
    r.RequestedFlow = 12345.678;
    r.RequestedPressure = 987.5;
    r.Tolerance = 15;
    r.GivenSpeed = 2900;
    r.MaxSpeed = 3600;
    r.RequestedDensity = 1.2;
    r.D2Min = 250;
    r.D2Max = 630;
    r.WidthMin = 100;
    r.WidthMax = 900;
    r.FixedQuantity = 0;
    r.SliderMax = 4500;
    r.TypeGroup = 7;
    r.FanLayout = 1;
    r.SearchMode = 3;
    r.SortKey = 6;
    r.HousingAngle = "090";
    r.DensityNonStd = true;
    return s;
}

} // namespace

TEST(Settings, UserDefaultsDifferFromSelectionFileDefaults) {
    TSettings user;
    user.Read(TIniFile{}, ESettingsSource::User);
    EXPECT_EQ(user.PolynomGrad, 6);
    EXPECT_EQ(user.Request, TAuswahlParam{});
    EXPECT_DOUBLE_EQ(user.Request.RequestedFlow, 3000);
    EXPECT_EQ(user.Request.FixedQuantity, 1);
    EXPECT_EQ(user.Request.TypeGroup, 1);

    TSettings file;
    file.Read(TIniFile{}, ESettingsSource::SelectionFile);
    EXPECT_EQ(file.PolynomGrad, 7);
    EXPECT_DOUBLE_EQ(file.Request.RequestedFlow, 4000);
    EXPECT_DOUBLE_EQ(file.Request.RequestedPressure, 300);
    EXPECT_DOUBLE_EQ(file.Request.Tolerance, 10);
    EXPECT_DOUBLE_EQ(file.Request.GivenSpeed, 1500);
    EXPECT_EQ(file.Request.FixedQuantity, 0);
    EXPECT_EQ(file.Request.TypeGroup, 0);
    EXPECT_EQ(file.Request.SearchMode, 1);
    EXPECT_EQ(file.FontName, "Arial");
    EXPECT_FLOAT_EQ(file.LpAbstand, -1.0f);
}

TEST(Settings, UserFileWriteOrderAndRoundTrip) {
    TempDir dir;
    const std::string path = (dir.Path / "Brask" / "Corvane.conf").string();
    TSettings s = SampleSettings();
    s.Naufruf = 4;
    s.PrintUnit = 2;
    s.Store.WriteString("WinSize", "TCorvaneMainForm_S", "2");
    ASSERT_TRUE(s.SaveUser(path));

    TIniFile ini;
    ASSERT_TRUE(ini.Load(path));
    EXPECT_EQ(Keys(ini, "Options"),
              (std::vector<std::string>{"FontSize", "FontName", "Bearbeiter", "PolynomGrad",
                                        "PolynomPunkte", "PrintUnit", "LpAbstand", "Layout1",
                                        "Layout2", "Layout3", "Layout4", "Layout5", "Vauswahl",
                                        "Pauswahl", "Warenkorb", "Naufruf"}));
    EXPECT_EQ(Keys(ini, "Auswahl"),
              (std::vector<std::string>{
                  "AuswV", "AuswP", "AuswDproz", "AuswN", "AuswNmax", "AuswRho", "AuswSlmax",
                  "AuswDart", "AuswD2min", "AuswD2max", "AuswEinbhMin", "AuswEinbhMax",
                  "AuswGehWinkel", "AuswTypNr", "AuswFlut", "AuswArt", "AuswSort"}));
    EXPECT_EQ(ini.ReadString("Options", "LpAbstand", ""), "2.5");
    EXPECT_EQ(ini.ReadString("Options", "Layout2", ""), "1|3|99|99|90|7|8|9|10|");
    EXPECT_EQ(ini.ReadString("Options", "Vauswahl", ""), "1000|-2000|3000");
    EXPECT_EQ(ini.ReadString("Auswahl", "AuswV", ""), "12345.678");
    EXPECT_EQ(ini.ReadString("Auswahl", "AuswRho", ""), "1.2");
    EXPECT_FALSE(ini.ValueExists("Options", "Layout2B1")); // remarks only in selection files

    TSettings back;
    ASSERT_TRUE(back.LoadUser(path));
    EXPECT_EQ(back.Request, s.Request);
    EXPECT_EQ(back.Naufruf, 4);
    EXPECT_EQ(back.Cart, s.Cart);
    EXPECT_EQ(back.Store.ReadString("WinSize", "TCorvaneMainForm_S", ""), "2");
    EXPECT_TRUE(back.Layouts.Layouts[1].Pages[0].Remark.empty());

    // A first start has no file: the defaults, no complaint. A file that cannot be read
    // gives the defaults too, with the reason.
    TSettings missing;
    EXPECT_TRUE(missing.LoadUser((dir.Path / "none.conf").string()));
    EXPECT_EQ(missing.Request, TAuswahlParam{});
    TSettings unreadable;
    const TOutcome outcome = unreadable.LoadUser(dir.Path.string());
    ASSERT_FALSE(outcome);
    EXPECT_EQ(outcome.Message().rfind("Die Einstellungen konnten nicht gelesen werden:\n", 0), 0u)
        << outcome.Message();
    EXPECT_NE(outcome.Message().find(dir.Path.string()), std::string::npos);
    EXPECT_EQ(unreadable.Request, TAuswahlParam{});
}

TEST(Settings, SelectionFileRoundTrip) {
    TempDir dir;
    const std::string path = (dir.Path / "quick.cva").string();
    const TSettings s = SampleSettings();
    ASSERT_TRUE(s.WriteSelectionFile(path, {12, 1000005}));
    // Saving twice overwrites the same file; remarks of pages that went away are deleted.
    TSettings changed = s;
    changed.Layouts.Layouts[1].Count = 1;
    ASSERT_TRUE(changed.WriteSelectionFile(path, {}));
    TIniFile ini;
    ASSERT_TRUE(ini.Load(path));
    EXPECT_TRUE(ini.ValueExists("Options", "Layout2B1"));
    EXPECT_FALSE(ini.ValueExists("Options", "Layout2B3"));
    EXPECT_FALSE(ini.ValueExists("Options", "Naufruf"));
    EXPECT_EQ(Keys(ini, "Auswahl").back(), "AuswSet");
    ASSERT_TRUE(s.WriteSelectionFile(path, {12, 1000005}));

    TSettings back;
    ASSERT_TRUE(back.ReadSelectionFile(path));
    EXPECT_EQ(back.Request, s.Request);
    EXPECT_EQ(back.Layouts, s.Layouts);
    EXPECT_EQ(back.SelectedFlows, s.SelectedFlows);
    EXPECT_EQ(back.ParabolaFlows, s.ParabolaFlows);
    EXPECT_EQ(back.Cart, s.Cart);
    EXPECT_EQ(back.Bearbeiter, s.Bearbeiter);
    EXPECT_EQ(back.FontName, s.FontName);
    EXPECT_EQ(back.FontSize, 12);
    EXPECT_EQ(back.PolynomGrad, 11);
    EXPECT_EQ(back.PolynomPunkte, 0);
    EXPECT_EQ(back.PrintUnit, 3);
    EXPECT_FLOAT_EQ(back.LpAbstand, 2.5f);
    EXPECT_EQ(ReadSelectionMarks(path), (std::vector<std::int32_t>{12, 1000005}));

    // A missing file changes nothing.
    TSettings untouched = s;
    EXPECT_FALSE(untouched.ReadSelectionFile((dir.Path / "missing.cva").string()));
    EXPECT_EQ(untouched.Request, s.Request);
    EXPECT_TRUE(ReadSelectionMarks((dir.Path / "missing.cva").string()).empty());
}

TEST(Settings, ForeignSelectionFileGetsDefaultsAndBounds) {
    TempDir dir;
    const fs::path path = dir.Path / "foreign.cva";
    std::ofstream(path, std::ios::binary)
        << "[options]\r\nFontSize=-4\r\nFontName=\r\nBearbeiter=Gr\xFC\xDF Gott\r\n"
           "PolynomGrad=40\r\nPrintUnit=99\r\nLpAbstand=abc\r\nLayout1=5|x|91|\r\n"
           "Layout1B1=4D\xFC\r\nLayout1B2=5A\r\nVauswahl=0|-0|\r\nWarenkorb=3:1000\r\n"
           "[AUSWAHL]\r\nAuswV=0\r\nAuswP=-12\r\nAuswDproz=\r\nAuswRho=1,18\r\n"
           "AuswSlmax=1e9\r\nAuswD2min=12\r\nAuswD2max=5\r\nAuswEinbhMin=-1\r\n"
           "AuswGehWinkel=0123456789\r\nAuswTypNr=77\r\nAuswFlut=-3\r\nAuswArt=12\r\n"
           "AuswSort=2\r\nAuswSet=x;0;17;abc1000003\r\n";
    TSettings s = SampleSettings();
    ASSERT_TRUE(s.ReadSelectionFile(path.string()));
    EXPECT_EQ(s.FontSize, 10);
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_EQ(s.Bearbeiter, "Grüß Gott");
    EXPECT_EQ(s.PolynomGrad, 7);
    EXPECT_EQ(s.PrintUnit, MaxUnitSystem());
    EXPECT_FLOAT_EQ(s.LpAbstand, 0.0f); // unparsable numbers read as 0
    const TLayout& l = s.Layouts.Layouts[0];
    EXPECT_EQ(l.Count, 2);
    EXPECT_EQ(l.Pages[0].Remark, "M");
    EXPECT_EQ(l.Pages[1].Remark, "Z");
    EXPECT_EQ(s.Layouts.Layouts[1].Count, 0); // missing keys replace the current layouts
    EXPECT_TRUE(s.SelectedFlows.Values.empty());
    EXPECT_TRUE(s.ParabolaFlows.Values.empty());
    EXPECT_TRUE(s.Cart.empty());
    const TAuswahlParam& r = s.Request;
    EXPECT_DOUBLE_EQ(r.RequestedFlow, 0.1);
    EXPECT_DOUBLE_EQ(r.RequestedPressure, 0.1);
    EXPECT_DOUBLE_EQ(r.Tolerance, 0.01);
    EXPECT_DOUBLE_EQ(r.GivenSpeed, 1500); // absent: file default
    EXPECT_DOUBLE_EQ(r.RequestedDensity, 1.18);
    EXPECT_TRUE(r.DensityNonStd);
    EXPECT_EQ(r.SliderMax, 3000); // not an integer: default
    EXPECT_DOUBLE_EQ(r.D2Min, 67);
    EXPECT_DOUBLE_EQ(r.D2Max, 67);
    EXPECT_DOUBLE_EQ(r.WidthMin, 0);
    EXPECT_DOUBLE_EQ(r.WidthMax, 1500);
    EXPECT_EQ(r.HousingAngle, "01234567");
    EXPECT_EQ(r.TypeGroup, 0);
    EXPECT_EQ(r.FanLayout, 0);
    EXPECT_EQ(r.SearchMode, 0);
    EXPECT_EQ(r.SortKey, 2);
    EXPECT_EQ(ReadSelectionMarks(path.string()), (std::vector<std::int32_t>{17, 1000003}));
}
