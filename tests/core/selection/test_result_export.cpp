// The result grid as clipboard text and as a CSV file.
#include "ProcessStateGuard.h"
#include "SearchTestCatalogue.h"
#include "i18n/Language.h"
#include "selection/ResultExport.h"
#include "selection/TResultList.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace corvane;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text must end with a line break";
    return lines;
}

class ResultExport : public ::testing::Test {
protected:
    test::TProcessStateGuard processState; // the tests switch to English
    test::TSearchTestCatalogue t;
    TResultList list{t.cat};

    void SetUp() override {
        SetTextLanguage(1);
        t.AddSeries(1);
        t.AddType(150, "RB150");
        t.AddImpeller(1, 1, 150);
        t.Finish();
        std::vector<TErgebnisZeile> rows(2);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            TErgebnisZeile& r = rows[i];
            r.ImpellerNo = 1;
            r.Impeller = t.cat.Laufrad().FindByKey(1);
            r.D2 = 400;
            r.N = 1450;
            r.Vop = 5000;
            r.P = 800;
            r.P2 = 830;
            r.Power = 1500;
            r.PowerMax = 1700;
            r.Eff1 = 76.3;
            r.Eff2 = 74.5 + static_cast<double>(i);
            r.Width = 125;
            r.HousingNo = i == 1 ? 9 : 0;
            r.Angle = i == 1 ? "00000090" : "";
        }
        list.TakeSearch(rows, TAuswahlParam{});
    }
};

} // namespace

TEST_F(ResultExport, ClipboardTextHasCaptionHeadersAndRowsLikeTheGrid) {
    const std::vector<std::string> lines = Lines(ResultGridClipboardText(list, "Results"));
    ASSERT_EQ(lines.size(), 1u + 2u + 2u);
    EXPECT_EQ(lines[0], "Results");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string expected;
        for (int c = 0; c < TResultList::kColumnCount; ++c) {
            const std::string cell =
                i <= 2 ? list.ColumnHeader(c, static_cast<int>(i) - 1) : list.CellText(i - 3, c);
            expected += (c > 0 ? "\t" : "") + cell;
        }
        // Captions hold Greek markers; the exported text shows the letters.
        if (expected.find("´") == std::string::npos) {
            EXPECT_EQ(lines[i], expected);
        }
        EXPECT_EQ(lines[i].find("´"), std::string::npos);
    }
    EXPECT_EQ(lines[4].substr(0, 2), "2\t");
    EXPECT_NE(lines[4].find("\t90\t"), std::string::npos);
}

TEST_F(ResultExport, CsvFollowsTheLocaleSeparatorAndQuotes) {
    EXPECT_EQ(CsvSeparatorFor(','), ';');
    EXPECT_EQ(CsvSeparatorFor('.'), ',');

    const std::vector<std::string> comma = Lines(ResultGridCsv(list, ','));
    ASSERT_EQ(comma.size(), 3u);
    EXPECT_EQ(comma[0].substr(0, 4), "No.,");
    EXPECT_NE(comma[0].find(",V [m³/h],"), std::string::npos) << comma[0];
    EXPECT_NE(comma[0].find("η"), std::string::npos);
    EXPECT_NE(comma[1].find(",74.5,76.3,"), std::string::npos) << comma[1];

    const std::vector<std::string> semi = Lines(ResultGridCsv(list, ';'));
    EXPECT_NE(semi[1].find(";74,5;76,3;"), std::string::npos) << semi[1];
    EXPECT_NE(semi[2].find(";75,5;"), std::string::npos);
    // The designation keeps its own characters; only numbers get the decimal comma.
    EXPECT_EQ(semi[1].find(list.CellText(0, 1)), semi[1].find(';') + 1);
}

TEST_F(ResultExport, CsvQuotesFieldsHoldingTheSeparatorOrQuotes) {
    TMdbRecord* type = t.cat.LrTyp().FindByKey(150);
    t.cat.LrTyp().SetText(type, TMdbLrTyp::F_TYPBEZ, "R\"B,1");
    const std::vector<std::string> lines = Lines(ResultGridCsv(list, ','));
    const std::string designation = list.CellText(0, 1);
    ASSERT_NE(designation.find("R\"B,1"), std::string::npos);
    std::string quoted = "\"";
    for (const char c : designation)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    EXPECT_EQ(lines[1].substr(0, 2 + quoted.size() + 2), "1," + quoted + "\",");
    // With ";" as separator the comma needs no quotes, the quote still does.
    EXPECT_NE(Lines(ResultGridCsv(list, ';'))[1].find(";" + quoted + "\";"), std::string::npos);
}
