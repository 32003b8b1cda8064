#include "FifoGuard.h"
#include "ProcessStateGuard.h"
#include "TempFolder.h"
#include "settings/TIniFile.h"
#include "settings/TSettings.h"
#include "settings/TWindowPlacement.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

using TempDir = test::TTempFolder;

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

} // namespace

TEST(IniFile, ParsesLikeTheProfileFunctions) {
    TIniFile ini;
    ini.Parse("\xEF\xBB\xBF"
              "orphan=1\r\n"
              "[Options]\r\n"
              "  FontSize = 12 \r\n"
              "; comment=1\r\n"
              "garbage line\r\n"
              "=nokey\r\n"
              "Bearbeiter=\"  padded  \"\r\n"
              "FONTSIZE=99\r\n"
              "[auswahl]\n"
              "AuswV=3000\n"
              "[OPTIONS]\n"
              "Extra=a=b\n"
              "[broken\n"
              "k=v");
    ASSERT_EQ(ini.Sections().size(), 3u);
    EXPECT_EQ(ini.ReadInteger("options", "fontsize", 0), 12); // first occurrence wins
    EXPECT_EQ(ini.ReadString("Options", "Bearbeiter", ""), "  padded  ");
    EXPECT_EQ(ini.ReadString("Options", "Extra", ""), "a=b"); // duplicate section merged
    EXPECT_EQ(ini.ReadString("Auswahl", "AUSWV", ""), "3000");
    EXPECT_EQ(ini.ReadString("broken", "k", ""), "v");
    EXPECT_FALSE(ini.ValueExists("Options", "orphan"));
    EXPECT_EQ(ini.ReadString("Options", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadInteger("Options", "Bearbeiter", -4), -4); // not a number
    EXPECT_EQ(ini.ReadInteger("Options", "Extra", 7), 7);

    // Writing keeps the order, the first spelling of names and values that survive reading.
    ini.WriteString("OPTIONS", "fontsize", "14");
    ini.WriteString("Options", "Quoted", "\"q\"");
    ini.WriteString("Options", "Multi", "line1\nline2\r");
    ini.WriteInteger("New", "N", -3);
    ini.DeleteKey("options", "EXTRA");
    ini.EraseSection("BROKEN");
    EXPECT_EQ(ini.Text(), "[Options]\nFontSize=14\nBearbeiter=\"  padded  \"\nQuoted=\"\"q\"\"\n"
                          "Multi=\"line1 line2 \"\n\n[auswahl]\nAuswV=3000\n\n[New]\nN=-3\n");
    TIniFile again;
    again.Parse(ini.Text());
    EXPECT_EQ(again.ReadString("Options", "Quoted", ""), "\"q\"");
    EXPECT_EQ(again.ReadString("Options", "Multi", ""), "line1 line2 ");
    EXPECT_EQ(again.Text(), ini.Text());
}

TEST(IniFile, EncodingsAndDamagedFiles) {
    TIniFile ini;
    ini.Parse("[Options]\nBearbeiter=M\xFCller \x80\n"); // Windows-1252
    EXPECT_EQ(ini.ReadString("Options", "Bearbeiter", ""), "Müller €");
    ini.Parse("[Options]\nBearbeiter=Müller\n"); // UTF-8
    EXPECT_EQ(ini.ReadString("Options", "Bearbeiter", ""), "Müller");

    // Binary junk: whatever parses is kept, nothing crashes.
    std::string junk("[A]\nx=1\n\0\0\xFF\xFE[[[]]]=\n=\n[\n]\n\x01=\x02\n", 30);
    for (int i = 0; i < 256; ++i)
        junk += static_cast<char>(i * 37);
    ini.Parse(junk);
    EXPECT_EQ(ini.ReadString("A", "x", ""), "1");
}

TEST(IniFile, SavesAtomicallyAndLoadsBack) {
    TempDir dir;
    const fs::path file = dir.Path / "sub" / "deeper" / "Corvane.conf";
    TIniFile ini;
    EXPECT_FALSE(ini.Load(file.string()));
    EXPECT_FALSE(ini.Load(dir.Path.string())); // a folder is no settings file
    ini.WriteString("Options", "FontName", "Arial");
    ASSERT_TRUE(ini.Save(file.string())); // creates the missing folders
    EXPECT_EQ(ReadBytes(file), "[Options]\nFontName=Arial\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), {}), 1);

    // Saving through a symbolic link updates the linked file and keeps the link.
    const fs::path link = dir.Path / "link.conf";
    fs::create_symlink(file, link);
    ini.WriteString("Options", "FontName", "Serif");
    ASSERT_TRUE(ini.Save(link.string()));
    EXPECT_TRUE(fs::is_symlink(link));
    TIniFile back;
    ASSERT_TRUE(back.Load(file.string()));
    EXPECT_EQ(back.ReadString("Options", "FontName", ""), "Serif");

    // A save that cannot be done reports failure and leaves the old file as it was.
    const fs::path blocked = dir.Path / "blocked";
    fs::create_directory(blocked);
    WriteBytes(blocked / "Corvane.conf", "[Options]\nFontName=Keep\n");
    fs::permissions(blocked, fs::perms::owner_read | fs::perms::owner_exec);
    if (::geteuid() != 0) {
        EXPECT_FALSE(ini.Save((blocked / "Corvane.conf").string()));
        EXPECT_EQ(ReadBytes(blocked / "Corvane.conf"), "[Options]\nFontName=Keep\n");
    }
    fs::permissions(blocked, fs::perms::owner_all);
}

TEST(IniFile, SettingsPathAndWindowPlacements) {
    {
        test::TProcessStateGuard guard;
        guard.SetEnv("XDG_CONFIG_HOME", "/tmp/xdg-test");
        guard.SetEnv("HOME", "/home/someone");
        EXPECT_EQ(SettingsPath(), "/tmp/xdg-test/Brask/Corvane.conf");
        guard.SetEnv("XDG_CONFIG_HOME", "relative/dir"); // not absolute: ignored
        EXPECT_EQ(SettingsPath(), "/home/someone/.config/Brask/Corvane.conf");
        guard.SetEnv("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(SettingsPath(), "/home/someone/.config/Brask/Corvane.conf");
    }

    TIniFile ini;
    SavePlacement(ini, "TKennlForm", 2, {0, 800, 600, 5000, 30, "x"});
    SavePlacement(ini, "TCorvaneMainForm", -1, {12, 1, 1, 1, 1, "/home/a/b.cva"});
    EXPECT_EQ(ini.Text(), "[WinSize]\nTKennlForm2_S=0\nTKennlForm2_W=800\nTKennlForm2_H=600\n"
                          "TKennlForm2_T=5000\nTKennlForm2_L=30\nTKennlForm2_A=x\n"
                          "TCorvaneMainForm_S=12\nTCorvaneMainForm_A=/home/a/b.cva\n");
    const TWindowPlacement current{0, 640, 480, 10, 20, ""};
    EXPECT_EQ(RestorePlacement(ini, "TKennlForm", 2, current, 1920, 1080),
              (TWindowPlacement{0, 800, 600, 1040, 30, "x"}));
    EXPECT_EQ(RestorePlacement(ini, "TCorvaneMainForm", -1, current, 1920, 1080),
              (TWindowPlacement{12, 640, 480, 10, 20, "/home/a/b.cva"}));
    EXPECT_EQ(RestorePlacement(ini, "TOptForm", -1, current, 1920, 1080), current);
}

TEST(IniFile, ManyKeysKeepTheFirstOfEachAndTheIndexFollowsEdits) {
    std::string text = "[Auswahl]\n";
    for (int i = 0; i < 20000; ++i)
        text += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    text += "KEY7=second\n[Options]\nA=1\n[auswahl]\nkey8=merged\nNew=n\n";
    TIniFile ini;
    ini.Parse(text);
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_EQ(ini.Sections()[0].Entries.size(), 20001u);
    EXPECT_EQ(ini.ReadString("AUSWAHL", "key7", ""), "7");
    EXPECT_EQ(ini.ReadString("Auswahl", "Key19999", ""), "19999");
    EXPECT_EQ(ini.ReadString("auswahl", "key8", ""), "8");
    EXPECT_EQ(ini.ReadString("Auswahl", "new", ""), "n");

    // Deleting shifts the entries behind; erasing shifts the sections: look-ups and writes
    // still reach the right entry afterwards.
    ini.DeleteKey("Auswahl", "Key0");
    ini.WriteString("Auswahl", "Key1", "one");
    EXPECT_EQ(ini.Sections()[0].Entries[0].Value, "one");
    EXPECT_EQ(ini.ReadString("Auswahl", "Key19999", ""), "19999");
    EXPECT_FALSE(ini.ValueExists("Auswahl", "Key0"));
    ini.EraseSection("auswahl");
    ini.WriteString("Options", "A", "2");
    ini.WriteString("Auswahl", "Key5", "again");
    EXPECT_EQ(ini.Text(), "[Options]\nA=2\n\n[Auswahl]\nKey5=again\n");
}

TEST(IniFile, OnlyRegularFilesWithinTheSizeLimitAreRead) {
    TempDir dir;
    TIniFile ini;
    ini.WriteString("Options", "A", "1");

    // A FIFO would block the reader until a writer comes: it is refused at once.
    const test::TFifoGuard fifo((dir.Path / "pipe.cva").string());
    ASSERT_TRUE(fifo.Made());
    const TOutcome fromFifo = ini.Load(fifo.Path());
    EXPECT_FALSE(fromFifo);
    EXPECT_NE(fromFifo.Message().find("not a regular file"), std::string::npos);
    EXPECT_TRUE(ini.Sections().empty());

    // A file over the limit is refused as a whole, not read in part.
    const fs::path big = dir.Path / "big.cva";
    WriteBytes(big, "[Auswahl]\nAuswV=123\n" + std::string(TIniFile::kMaxFileBytes, ';'));
    const TOutcome fromBig = ini.Load(big.string());
    EXPECT_FALSE(fromBig);
    EXPECT_NE(fromBig.Message().find("big.cva"), std::string::npos);
    EXPECT_TRUE(ini.Sections().empty());
    // Saving a selection over it would drop everything the file held: refused as well.
    TSettings settings;
    EXPECT_FALSE(settings.WriteSelectionFile(big.string(), {}));
    EXPECT_EQ(fs::file_size(big), TIniFile::kMaxFileBytes + 20);
    EXPECT_FALSE(settings.ReadSelectionFile(big.string()));

    // Exactly at the limit it is still read.
    WriteBytes(big, "[Auswahl]\nAuswV=123\n" + std::string(TIniFile::kMaxFileBytes - 20, ';'));
    ASSERT_TRUE(ini.Load(big.string()));
    EXPECT_EQ(ini.ReadString("Auswahl", "AuswV", ""), "123");
}
