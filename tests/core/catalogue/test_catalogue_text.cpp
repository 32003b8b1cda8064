// The catalogue as text: a clean folder packs back to the same data file; damaged text files
// are refused with the file and line of the fault, never packed with data lost or changed;
// unpack never writes through a symbolic link.

#include "CatalogueTestData.h"
#include "TempFolder.h"
#include "catalogue/TCatalogueText.h"
#include "catalogue/TTsvFile.h"
#include "mdb/EMdbError.h"
#include "mdb/TMemoryStream.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <sstream>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string JoinLines(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

Lines Cells(const std::string& line) {
    Lines cells;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        cells.push_back(line.substr(start, tab - start));
    cells.push_back(line.substr(start));
    return cells;
}

std::string JoinCells(const Lines& cells) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c)
        line += (c ? "\t" : "") + cells[c];
    return line;
}

class CatalogueText : public ::testing::Test {
protected:
    void SetUp() override {
        TCatalogue source;
        test::BuildCatalogue(source);
        image_ = test::DataFileImage(source);
        TCatalogue opened;
        opened.OpenStream(std::make_unique<TMemoryStream>(image_));
        TCatalogueText::Unpack(opened, Folder().string());
        for (const auto& entry : fs::directory_iterator(Folder()))
            original_[entry.path().filename().string()] = ReadText(entry.path());
    }

    fs::path Folder() const { return temp_.Path / "text"; }

    // Packs the folder: the data file image, or "refused: MESSAGE".
    std::string Pack(test::Bytes& packed) const {
        TCatalogue catalogue;
        TCatalogueText text;
        try {
            text.Load(Folder().string(), catalogue);
            packed = test::DataFileImage(catalogue);
        } catch (const EMdbError& e) {
            return std::string("refused: ") + e.what();
        }
        return "packed";
    }

    std::string PackError() const {
        test::Bytes packed;
        return Pack(packed);
    }

    void Restore() const {
        for (const auto& [name, text] : original_)
            WriteText(Folder() / name, text);
    }

    // Rewrites one text file line by line.
    template <class Edit> void EditLines(const std::string& name, Edit edit) const {
        Lines lines = SplitLines(original_.at(name));
        edit(lines);
        WriteText(Folder() / name, JoinLines(lines));
    }

    static std::string Name(const TMdb& table) { return table.TableName() + ".tsv"; }

    TCatalogue names_; // the tables' names and fields
    test::TTempFolder temp_;
    test::Bytes image_;
    std::map<std::string, std::string> original_;
};

TEST_F(CatalogueText, CleanFolderPacksToTheSameDataFile) {
    test::Bytes packed;
    ASSERT_EQ(Pack(packed), "packed");
    EXPECT_EQ(packed, image_);
}

TEST_F(CatalogueText, ColumnsMustEachBeGivenOnce) {
    const TMdb& table = *names_.TableInFileOrder(3);
    const std::string name = Name(table);
    const std::string second = Cells(SplitLines(original_.at(name))[0])[1];

    EditLines(name, [](Lines& lines) {
        for (std::string& line : lines) {
            Lines cells = Cells(line);
            cells.erase(cells.begin() + 1);
            line = JoinCells(cells);
        }
    });
    EXPECT_EQ(PackError(), "refused: " + name + ":1: missing column " + second);

    EditLines(name, [](Lines& lines) {
        for (std::string& line : lines)
            line += '\t' + Cells(line)[1];
    });
    EXPECT_EQ(PackError(), "refused: " + name + ":1: column " + second + " given twice");
}

TEST_F(CatalogueText, KeysAndPointsMustBeUniqueAndPointsNeedTheirSeries) {
    const std::string name = Name(*names_.TableInFileOrder(2));
    EditLines(name, [](Lines& lines) { lines.push_back(lines[2]); });
    const std::string key = Cells(SplitLines(original_.at(name))[2])[0];
    EXPECT_EQ(PackError(),
              "refused: " + name + ":5: key " + key + " given twice (first on line 3)");
    Restore();

    const TMdbMw& mw = names_.Mw();
    const std::string mwName = Name(mw);
    const Lines header = Cells(SplitLines(original_.at(mwName))[0]);
    const auto seriesColumn = static_cast<std::size_t>(
        std::find(header.begin(), header.end(), TTsvFile::ColumnName(mw, TMdbMw::F_MESSNR)) -
        header.begin());
    ASSERT_LT(seriesColumn, header.size());
    EditLines(mwName, [seriesColumn](Lines& lines) {
        Lines cells = Cells(lines[2]);
        cells[seriesColumn] = "77";
        lines[2] = JoinCells(cells);
    });
    EXPECT_EQ(PackError(),
              "refused: " + mwName + ":3: series 77 is not in " + Name(names_.Messung()));
    Restore();

    EditLines(mwName, [](Lines& lines) { lines.push_back(lines[1]); });
    EXPECT_NE(PackError().find(mwName + ":" +
                               std::to_string(SplitLines(original_.at(mwName)).size() + 1) +
                               ": point "),
              std::string::npos)
        << PackError();
}

TEST_F(CatalogueText, TextsTheDataFileCannotHoldAreRefused) {
    const std::string name = Name(*names_.TableInFileOrder(2));
    const Lines header = Cells(SplitLines(original_.at(name))[0]);
    const Lines row = Cells(SplitLines(original_.at(name))[1]);
    std::size_t textColumn = 0;
    while (textColumn < row.size() && row[textColumn].find('T') != 0)
        ++textColumn;
    ASSERT_LT(textColumn, row.size());
    const auto setCell = [&](const std::string& value) {
        EditLines(name, [&](Lines& lines) {
            Lines cells = Cells(lines[1]);
            cells[textColumn] = value;
            lines[1] = JoinCells(cells);
        });
    };
    setCell(std::string("ab\0cd", 5));
    EXPECT_EQ(PackError(), "refused: " + name + ":2: NUL byte in column " + header[textColumn]);
    setCell("Lüfter \xCE\xA9");
    EXPECT_EQ(PackError(), "refused: " + name + ":2: column " + header[textColumn] +
                               ", character 8: U+03A9 cannot be stored in the data file "
                               "(Windows-1252)");
    setCell(std::string(70000, 'x'));
    EXPECT_NE(PackError().find(name + ":2: the record is too large for the stream"),
              std::string::npos)
        << PackError();
    Restore();

    WriteText(Folder() / "TITLE.txt", std::string("Katalog\nS\0d", 11));
    EXPECT_EQ(PackError(), "refused: TITLE.txt:2: NUL byte");
    WriteText(Folder() / "TITLE.txt", "Katalog\n\xE2\x88\x9A");
    EXPECT_EQ(PackError(), "refused: TITLE.txt:2: character 1: U+221A cannot be stored in the "
                           "data file (Windows-1252)");
    WriteText(Folder() / "TITLE.txt", std::string(500, 'a') + "\n" + std::string(600, 'b'));
    EXPECT_EQ(PackError(), "refused: TITLE.txt:2: the catalogue title is longer than 999 "
                           "characters");
}

// Random damage of the kinds a hand edit causes; every damaged folder is refused with a file
// and line, and the folder restored packs to the original data file again.
TEST_F(CatalogueText, RandomDamageIsRefusedWithFileAndLine) {
    std::mt19937 random(20261209u);
    std::vector<std::string> names;
    for (const auto& [name, text] : original_)
        if (name != "TITLE.txt" && SplitLines(text).size() > 1) names.push_back(name);
    const std::regex located(R"(refused: [A-Z_0-9]+\.tsv:[0-9]+: .+)");
    for (int round = 0; round < 150; ++round) {
        const std::string name = names[random() % names.size()];
        const int kind = static_cast<int>(random() % 5);
        const std::size_t rows = SplitLines(original_.at(name)).size();
        const std::size_t line = 1 + random() % (rows - 1);
        const std::size_t column = random() % Cells(SplitLines(original_.at(name))[0]).size();
        EditLines(name, [&](Lines& lines) {
            if (kind < 2) { // a column dropped, or named twice, in every line
                for (std::string& each : lines) {
                    Lines cells = Cells(each);
                    if (kind == 0)
                        cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(column));
                    else
                        cells.push_back(cells[column]);
                    each = JoinCells(cells);
                }
                return;
            }
            if (kind == 2) { // a row given twice
                lines.push_back(lines[line]);
                return;
            }
            Lines cells = Cells(lines[line]);
            if (kind == 3) // a NUL byte in a cell
                cells[column].insert(random() % (cells[column].size() + 1), 1, '\0');
            else // a character outside Windows-1252 in a cell
                cells[column] += "\xD0\x96";
            lines[line] = JoinCells(cells);
        });
        const std::string outcome = PackError();
        EXPECT_TRUE(std::regex_match(outcome, located))
            << name << " damage " << kind << " line " << line << " column " << column << ": "
            << outcome;
        Restore();
    }
    test::Bytes packed;
    ASSERT_EQ(Pack(packed), "packed");
    EXPECT_EQ(packed, image_);
}

TEST_F(CatalogueText, UnpackNeverWritesThroughALink) {
    const fs::path outside = temp_.Path / "outside.txt";
    WriteText(outside, "keep me");
    fs::remove(Folder() / "TITLE.txt");
    fs::create_symlink(outside, Folder() / "TITLE.txt");
    TCatalogue opened;
    opened.OpenStream(std::make_unique<TMemoryStream>(image_));
    EXPECT_THROW(TCatalogueText::Unpack(opened, Folder().string()), EMdbError);
    EXPECT_EQ(ReadText(outside), "keep me");
    EXPECT_TRUE(fs::is_symlink(Folder() / "TITLE.txt"));
}

} // namespace
} // namespace corvane
