// The manual as the build ships it: three languages with the same sections, every link inside
// a page reaching its anchor, and every picture it shows lying in Help/Pictures.

#include "util/Codepage.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

std::set<std::string> Matches(const std::string& text, const std::regex& re) {
    std::set<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it)
        found.insert((*it)[1]);
    return found;
}

} // namespace

TEST(Manual, ThreeLanguagesWithTheSameSectionsAndWorkingLinks) {
    const char* dir = std::getenv("CORVANE_PROGRAM_DIR");
    ASSERT_NE(dir, nullptr);
    const fs::path help = fs::path(dir) / "Help";
    std::set<std::string> firstIds;
    for (const char* name : {"help_d.htm", "help_e.htm", "help_r.htm"}) {
        std::ifstream in(help / name, std::ios::binary);
        ASSERT_TRUE(in) << name;
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(corvane::Utf8OrCp1252ToUtf8(text), text) << name << " is not UTF-8";
        EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos) << name;
        const auto ids = Matches(text, std::regex(R"re(id="([^"]+)")re"));
        for (const std::string& target : Matches(text, std::regex(R"re(href="#([^"]+)")re")))
            EXPECT_TRUE(ids.count(target)) << name << ": #" << target;
        if (firstIds.empty())
            firstIds = ids;
        else
            EXPECT_EQ(ids, firstIds) << name;
        for (const std::string& picture : Matches(text, std::regex(R"re(src="([^"]+)")re")))
            EXPECT_EQ(picture.rfind("Pictures/", 0), 0u) << name << ": " << picture;
    }
    EXPECT_GE(firstIds.size(), 9u);
}
