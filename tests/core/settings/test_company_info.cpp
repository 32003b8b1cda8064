#include "settings/TCompanyInfo.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace corvane {
namespace {

// One folder per process: ctest runs the cases of this file (and other worktrees' suites) at
// the same time, and a shared file would hand one case another's text.
std::string WriteIni(const std::string& text) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("corvane_company_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "Corvane.ini";
    std::ofstream(path) << text;
    return path.string();
}

TEST(CompanyInfo, ReadsTheFirmaSection) {
    const std::string path =
        WriteIni("[Other]\nName=wrong\n[Firma]\nName= Muster GmbH \nAdresse1=Weg 1\n"
                 "Adresse2=12345 Ort\nAdresse4=Fax 2\nWeb=www.example.org\nEMail=a@b.c\n"
                 "Logo=Bilder/logo.png\n");
    const TCompanyInfo info = TCompanyInfo::Read(path, "/opt/corvane");
    EXPECT_EQ(info.Name, "Muster GmbH");
    EXPECT_EQ(info.Address[0], "Weg 1");
    EXPECT_EQ(info.Address[1], "12345 Ort");
    EXPECT_EQ(info.Address[2], "");
    EXPECT_EQ(info.Address[3], "Fax 2");
    EXPECT_EQ(info.Web, "www.example.org");
    EXPECT_EQ(info.Mail, "a@b.c");
    EXPECT_EQ(info.Logo, "/opt/corvane/Bilder/logo.png");
}

TEST(CompanyInfo, LogoOutsideTheProgramFolderIsRefused) {
    for (const char* logo : {"/etc/passwd", "../secret.png", "Bilder/../../x.png", "\\x.png"}) {
        const TCompanyInfo info =
            TCompanyInfo::Read(WriteIni(std::string("[Firma]\nLogo=") + logo + "\n"), "/opt/c");
        EXPECT_EQ(info.Logo, "") << logo;
    }
    EXPECT_EQ(TCompanyInfo::Read(WriteIni("[Firma]\nLogo=a..b.png\n"), "/opt/c").Logo,
              "/opt/c/a..b.png");
}

TEST(CompanyInfo, MissingFileGivesAnEmptyBlock) {
    const TCompanyInfo info = TCompanyInfo::Read("/nonexistent/Corvane.ini", "/opt/c");
    EXPECT_EQ(info.Name, "");
    EXPECT_EQ(info.Logo, "");
}

} // namespace
} // namespace corvane
