// The picture table: delete guard, loading and replacing the picture files, and stored names
// that try to reach outside the picture folder.

#include "ProcessStateGuard.h"
#include "catalogue/PictureFiles.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TImage.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "mdb/EMdbError.h"
#include "mdb/TConfirmation.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace corvane;

namespace {

class CountingConfirmation : public TConfirmation {
public:
    bool Confirm(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    bool answer = true;
    std::vector<std::string> questions;
};

// A 1 x 1 red 24-bit bitmap.
void WriteBmp(const fs::path& path) {
    const int bytes[][2] = {{0, 'B'}, {1, 'M'}, {2, 58}, {10, 54}, {14, 40},
                            {18, 1},  {22, 1},  {26, 1}, {28, 24}, {56, 255}};
    std::string bmp(58, '\0');
    for (const auto& b : bytes)
        bmp[static_cast<std::size_t>(b[0])] = static_cast<char>(b[1]);
    std::ofstream(path, std::ios::binary) << bmp;
}

class RefTablesBild : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::path(::testing::TempDir()) /
               ("corvane_bild_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "Bilder");
        cat.SetFolder(root.string());
        TConfirmation::Install(&confirm);
    }
    void TearDown() override { fs::remove_all(root); }
    test::TProcessStateGuard guard;
    TMdbRecord* AddPicture(std::int32_t no, const char* sketch, const char* picture) {
        TMdbBild& pictures = cat.Bild();
        TMdbRecord* r = pictures.NewRecord();
        pictures.SetInt(r, TMdbBild::F_BILDNR, no);
        pictures.SetText(r, TMdbBild::F_PICS, sketch);
        pictures.SetText(r, TMdbBild::F_PICB, picture);
        pictures.RebuildIndex(false);
        return r;
    }

    fs::path root;
    TCatalogue cat;
    CountingConfirmation confirm;
};

} // namespace

TEST_F(RefTablesBild, LoadPictures) {
    WriteBmp(root / "Bilder" / "S1.bmp");
    WriteBmp(root / "secret.bmp");
    AddPicture(1, " S1.bmp ", "missing.jpg");
    AddPicture(2, "../secret.bmp", "/etc/hostname");
    TMdbBild& pictures = cat.Bild();

    TImage sketch(2, 2, 3), picture(2, 2, 3);
    pictures.LoadPictures(sketch, picture, 1);
    EXPECT_EQ(sketch.Width(), 1);
    EXPECT_EQ(sketch.Pixel(0, 0)[0], 255);
    EXPECT_TRUE(picture.Empty()); // missing file: emptied, no error

    // Names reaching out of the picture folder are never read.
    pictures.LoadPictures(sketch, picture, 2);
    EXPECT_TRUE(sketch.Empty());
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(pictures.PicturePath("../secret.bmp"), "");
    EXPECT_EQ(pictures.PicturePath(" S1.bmp"), (root / "Bilder" / "S1.bmp").string());
}

TEST_F(RefTablesBild, DeleteGuardAndFiles) {
    TMdbRecord* used = AddPicture(3, "S3.bmp", "B3.bmp");
    WriteBmp(root / "Bilder" / "S3.bmp");
    WriteBmp(root / "Bilder" / "B3.bmp");
    TMdbGehaeuse& housings = cat.Gehaeuse();
    TMdbRecord* housing = housings.NewRecord();
    housings.SetInt(housing, TMdbGehaeuse::F_BILDNR, 3);
    // Impellers without a picture (0) do not keep other pictures from being deleted.
    TMdbLaufrad& impellers = cat.Laufrad();
    impellers.NewRecord();

    TMdbBild& pictures = cat.Bild();
    try {
        pictures.DeleteRecord(used);
        ADD_FAILURE();
    } catch (const EMdbError& e) {
        EXPECT_STREQ(e.what(), "Dieses Bild wird noch verwendet!");
    }
    EXPECT_TRUE(confirm.questions.empty());
    housings.SetInt(housing, TMdbGehaeuse::F_BILDNR, 0);

    confirm.answer = false;
    pictures.DeleteRecord(used);
    EXPECT_EQ(confirm.questions, std::vector<std::string>{"Bild Nr.3 löschen ?"});
    EXPECT_TRUE(fs::exists(root / "Bilder" / "S3.bmp"));
    EXPECT_EQ(pictures.FindByKey(3), used);

    confirm.answer = true;
    pictures.DeleteRecord(used);
    EXPECT_FALSE(fs::exists(root / "Bilder" / "S3.bmp"));
    EXPECT_FALSE(fs::exists(root / "Bilder" / "B3.bmp"));
    EXPECT_EQ(pictures.RecordCount(), 0);

    // A file named by two records stays until the last of them goes; a path-reaching name
    // and a missing file are left alone; a picture numbered 0 is deletable.
    WriteBmp(root / "Bilder" / "shared.bmp");
    WriteBmp(root / "keep.bmp");
    TMdbRecord* a = AddPicture(4, "shared.bmp", "../keep.bmp");
    TMdbRecord* b = AddPicture(0, "nothing.bmp", "shared.bmp");
    pictures.DeleteRecord(a);
    EXPECT_TRUE(fs::exists(root / "Bilder" / "shared.bmp"));
    EXPECT_TRUE(fs::exists(root / "keep.bmp"));
    pictures.DeleteRecord(b);
    EXPECT_FALSE(fs::exists(root / "Bilder" / "shared.bmp"));
    EXPECT_EQ(pictures.RecordCount(), 0);
}

TEST_F(RefTablesBild, ReplacePictureFile) {
    TMdbBild& pictures = cat.Bild();
    TMdbRecord* r = AddPicture(17, "old.bmp", "");
    WriteBmp(root / "Bilder" / "old.bmp");
    const fs::path chosen = root / "plan.bmp";
    WriteBmp(chosen);

    const std::string name = NewPictureName(true, "17", chosen.string());
    EXPECT_EQ(name, "S17.bmp");
    ASSERT_TRUE(pictures.ReplacePictureFile(r, TMdbBild::F_PICS, chosen.string(), name));
    EXPECT_EQ(pictures.GetText(r, TMdbBild::F_PICS), "S17.bmp");
    EXPECT_TRUE(fs::exists(root / "Bilder" / "S17.bmp"));
    EXPECT_FALSE(fs::exists(root / "Bilder" / "old.bmp"));
    EXPECT_TRUE(fs::exists(chosen));

    // Choosing the stored file itself again keeps it.
    EXPECT_TRUE(pictures.ReplacePictureFile(r, TMdbBild::F_PICS,
                                            (root / "Bilder" / "S17.bmp").string(), "S17.bmp"));
    EXPECT_TRUE(fs::exists(root / "Bilder" / "S17.bmp"));

    // Refused: a path-reaching name, a missing source, a field that holds no file name.
    EXPECT_FALSE(pictures.ReplacePictureFile(r, TMdbBild::F_PICS, chosen.string(), "../x.bmp"));
    EXPECT_FALSE(fs::exists(root / "x.bmp"));
    EXPECT_FALSE(
        pictures.ReplacePictureFile(r, TMdbBild::F_PICS, (root / "gone.bmp").string(), "S18.bmp"));
    EXPECT_FALSE(pictures.ReplacePictureFile(r, TMdbBild::F_BILDBEZ, chosen.string(), "a.bmp"));
    EXPECT_EQ(pictures.GetText(r, TMdbBild::F_PICS), "S17.bmp");
    EXPECT_TRUE(fs::exists(root / "Bilder" / "S17.bmp"));

    // The picture dialog's designation check ignores case and the edited record.
    pictures.SetText(r, TMdbBild::F_BILDBEZ, "Skizze A");
    EXPECT_THROW(pictures.CheckDesignation(pictures.CreateRecord(), "skizze a"), EMdbError);
    EXPECT_NO_THROW(pictures.CheckDesignation(r, "SKIZZE A"));
}
