#include "setup/DesktopEntry.h"
#include "setup/FolderRules.h"
#include "setup/UninstallRecord.h"
#include "util/XdgFolders.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(DesktopEntry, ExecArgumentsAreQuotedAndEscapedAsTheFormatWants) {
    EXPECT_EQ(DesktopExecArgument("/opt/corvane/corvane"), "/opt/corvane/corvane");
    EXPECT_EQ(DesktopExecArgument("/a b/c"), "\"/a b/c\"");
    EXPECT_EQ(DesktopExecArgument("/50%/c"), "/50%%/c");
    EXPECT_EQ(DesktopExecArgument("/a\"b"), "\"/a\\\\\"b\"");   // "\"" -> \" -> \\"
    EXPECT_EQ(DesktopExecArgument("/a\\b"), "\"/a\\\\\\\\b\""); // "\" -> \\ -> \\\\ .
    EXPECT_EQ(DesktopExecArgument("/a$b`c"), "\"/a\\\\$b\\\\`c\"");
    EXPECT_EQ(DesktopExecArgument("/a'b;c(d)"), "\"/a'b;c(d)\"");
    EXPECT_EQ(DesktopExecArgument("/Ünïcödé/Каталог"), "/Ünïcödé/Каталог");
    EXPECT_EQ(DesktopExecArgument(""), "\"\"");
    EXPECT_EQ(DesktopStringValue("a\\b\nc"), "a\\\\b\\nc");
}

TEST(DesktopEntry, NamesItsFolderAndOffersTheUninstallAction) {
    const TDesktopEntry entry{"/h/my apps/corvane", "/h/my apps", "/h/my apps/corvane.png", 1};
    const std::string text = entry.Text();
    EXPECT_EQ(DesktopEntryFolder(text), "/h/my apps");
    EXPECT_EQ(DesktopEntryFolder(TDesktopEntry{"/x\\y/corvane", "/x\\y", "", 0}.Text()), "/x\\y");
    EXPECT_EQ(DesktopEntryFolder("[Desktop Entry]\nName=x\n"), "");
    for (const char* line :
         {"[Desktop Entry]\n", "Name=Halvik Catalogue\n", "Name[ru]=Каталог Halvik\n",
          "Exec=\"/h/my apps/corvane\"\n", "Path=/h/my apps\n", "Actions=uninstall;\n",
          "[Desktop Action uninstall]\nName=Corvane deinstallieren\n",
          "Name[en]=uninstall Corvane\n", "Exec=\"/h/my apps/corvane\" uninstall 1\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

TEST(DesktopEntry, DesktopFolderFromUserDirs) {
    EXPECT_EQ(DesktopDirFromUserDirs("# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", "/h"),
              "/h/Schreibtisch");
    EXPECT_EQ(DesktopDirFromUserDirs("XDG_DESKTOP_DIR=\"/data/My Desk\"  # mine\n", "/h"),
              "/data/My Desk");
    EXPECT_EQ(DesktopDirFromUserDirs("XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n", "/h"), "");
    EXPECT_EQ(DesktopDirFromUserDirs("XDG_DESKTOP_DIR=\"Desktop\"\n", "/h"), "");
    EXPECT_EQ(DesktopDirFromUserDirs("  XDG_DESKTOP_DIR=$HOME/a\\ b\r\n", "/h"), "/h/a b");
}

TEST(DesktopEntry, FolderRulesAndShellQuoting) {
    EXPECT_TRUE(IsRootHomeOrAbove("/", "/home/u"));
    EXPECT_TRUE(IsRootHomeOrAbove("/home", "/home/u"));
    EXPECT_TRUE(IsRootHomeOrAbove("/home/u", "/home/u"));
    EXPECT_TRUE(IsRootHomeOrAbove("/home/u/", "/home/u"));
    EXPECT_FALSE(IsRootHomeOrAbove("/home/u2", "/home/u"));
    EXPECT_FALSE(IsRootHomeOrAbove("/home/u/apps", "/home/u"));
    EXPECT_FALSE(IsRootHomeOrAbove("/opt", "/home/u"));
    EXPECT_TRUE(HasControlCharacters("/a\tb"));
    EXPECT_FALSE(HasControlCharacters("/Ü b"));
    EXPECT_EQ(ShellQuoted("/opt/corvane"), "/opt/corvane");
    EXPECT_EQ(ShellQuoted("/my apps/it's"), "'/my apps/it'\\''s'");
    EXPECT_EQ(ShellQuoted("/ü"), "'/ü'");
}
