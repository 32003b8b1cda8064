// Picture decoding (JPEG through libjpeg, BMP), damaged files, the fit-and-centre geometry and
// the plain-file-name rule for stored picture names.

#include "catalogue/ImageDecoders.h"
#include "catalogue/PictureFiles.h"
#include "catalogue/TImage.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <vector>

using namespace corvane;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Encodes an RGB image: left half red, right half blue.
Bytes EncodeJpeg(int width, int height) {
    Bytes rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = x < width / 2 ? 255 : 0;
            p[2] = x < width / 2 ? 0 : 255;
        }
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &rgb[static_cast<std::size_t>(cinfo.next_scanline) * width * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes result(out, out + outSize);
    jpeg_destroy_compress(&cinfo);
    std::free(out);
    return result;
}

void Put16(Bytes& b, std::size_t pos, std::uint32_t v) {
    b[pos] = v & 0xFF;
    b[pos + 1] = (v >> 8) & 0xFF;
}
void Put32(Bytes& b, std::size_t pos, std::uint32_t v) {
    Put16(b, pos, v & 0xFFFF);
    Put16(b, pos + 2, v >> 16);
}

// A bitmap file: file header, an info header of `infoSize` bytes, `extra` (masks or palette)
// and the pixel rows as given.
Bytes MakeBmp(std::uint32_t infoSize, std::int32_t width, std::int32_t height, unsigned bpp,
              std::uint32_t compression, const Bytes& extra, const Bytes& rows) {
    Bytes b(14 + infoSize);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, static_cast<std::uint32_t>(14 + infoSize + extra.size()));
    Put32(b, 14, infoSize);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, bpp);
    Put32(b, 30, compression);
    b.insert(b.end(), extra.begin(), extra.end());
    b.insert(b.end(), rows.begin(), rows.end());
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

// 3 x 2 pixels, 24 bits, bottom-up: the file's first row is the picture's bottom row.
Bytes Bmp24() {
    const Bytes rows = {
        0,   0,   255, 0, 255, 0, 255, 0,  0,  0, 0, 0, // bottom: red, green, blue, padding
        255, 255, 255, 0, 0,   0, 10,  20, 30, 0, 0, 0, // top: white, black, (30,20,10)
    };
    return MakeBmp(40, 3, 2, 24, 0, {}, rows);
}

void ExpectRgb(const TImage& image, int x, int y, int r, int g, int b, int tolerance = 0) {
    const std::uint8_t* p = image.Pixel(x, y);
    EXPECT_NEAR(p[0], r, tolerance) << "pixel " << x << "," << y;
    EXPECT_NEAR(p[1], g, tolerance) << "pixel " << x << "," << y;
    EXPECT_NEAR(p[2], b, tolerance) << "pixel " << x << "," << y;
}

} // namespace

TEST(Pictures, JpegRoundTrip) {
    const Bytes jpeg = EncodeJpeg(32, 16);
    TImage image;
    ASSERT_TRUE(image.LoadFromMemory(jpeg.data(), jpeg.size()));
    EXPECT_EQ(image.Width(), 32);
    EXPECT_EQ(image.Height(), 16);
    EXPECT_EQ(image.Channels(), 3);
    // Away from the colour edge the lossy coding keeps the colours close.
    ExpectRgb(image, 3, 8, 255, 0, 0, 40);
    ExpectRgb(image, 28, 8, 0, 0, 255, 40);
}

TEST(Pictures, DamagedJpegIsRefusedCleanly) {
    const Bytes jpeg = EncodeJpeg(32, 16);
    TImage image(4, 4, 3);

    // Cut off in the middle of the scan: libjpeg would pad it with grey.
    Bytes cut(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2));
    EXPECT_FALSE(image.LoadFromMemory(cut.data(), cut.size()));
    EXPECT_TRUE(image.Empty());

    // Only the start marker.
    EXPECT_FALSE(image.LoadFromMemory(jpeg.data(), 2));

    // A frame header that libjpeg rejects (data precision 7) ends in its error handler, which
    // must return here instead of ending the process.
    Bytes bad = jpeg;
    std::size_t sof = 2;
    while (sof + 9 < bad.size() && !(bad[sof] == 0xFF && bad[sof + 1] == 0xC0))
        ++sof;
    ASSERT_LT(sof + 9, bad.size());
    bad[sof + 4] = 7;
    EXPECT_FALSE(image.LoadFromMemory(bad.data(), bad.size()));

    // A forged size of 65000 x 65000 pixels is refused before any allocation.
    Bytes huge = jpeg;
    huge[sof + 5] = 0xFD;
    huge[sof + 6] = 0xE8;
    huge[sof + 7] = 0xFD;
    huge[sof + 8] = 0xE8;
    EXPECT_FALSE(DecodeJpeg(huge.data(), huge.size(), image));
    EXPECT_TRUE(image.Empty());
}

TEST(Pictures, BmpDecoding) {
    TImage image;
    const Bytes bmp24 = Bmp24();
    ASSERT_TRUE(image.LoadFromMemory(bmp24.data(), bmp24.size()));
    ASSERT_EQ(image.Width(), 3);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Channels(), 3);
    ExpectRgb(image, 0, 1, 255, 0, 0);
    ExpectRgb(image, 1, 1, 0, 255, 0);
    ExpectRgb(image, 2, 1, 0, 0, 255);
    ExpectRgb(image, 0, 0, 255, 255, 255);
    ExpectRgb(image, 2, 0, 30, 20, 10);

    // 8-bit palette, top-down, two colours; index 7 lies beyond the palette and shows black.
    const Bytes palette = {0, 0, 200, 0, 100, 50, 0, 0}; // BGRx: (200,0,0), (0,50,100)
    Bytes info8 = MakeBmp(40, 2, -2, 8, 0, palette, {0, 1, 0, 0, 1, 7, 0, 0});
    Put32(info8, 46, 2); // colours used
    ASSERT_TRUE(image.LoadFromMemory(info8.data(), info8.size()));
    ExpectRgb(image, 0, 0, 200, 0, 0);
    ExpectRgb(image, 1, 0, 0, 50, 100);
    ExpectRgb(image, 0, 1, 0, 50, 100);
    ExpectRgb(image, 1, 1, 0, 0, 0);

    // 32 bits with bit-field masks in a V4 header, alpha included: RGBA.
    Bytes v4 = MakeBmp(108, 1, 1, 32, 3, {}, {0x11, 0x22, 0x33, 0x80});
    Put32(v4, 54, 0x00FF0000);
    Put32(v4, 58, 0x0000FF00);
    Put32(v4, 62, 0x000000FF);
    Put32(v4, 66, 0xFF000000);
    ASSERT_TRUE(image.LoadFromMemory(v4.data(), v4.size()));
    EXPECT_EQ(image.Channels(), 4);
    ExpectRgb(image, 0, 0, 0x33, 0x22, 0x11);
    EXPECT_EQ(image.Pixel(0, 0)[3], 0x80);

    // 16 bits 5-6-5, masks after a 40-byte header: pure green (0x07E0) scales to 255.
    const Bytes masks = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    const Bytes bmp16 = MakeBmp(40, 1, 1, 16, 3, masks, {0xE0, 0x07, 0, 0});
    ASSERT_TRUE(image.LoadFromMemory(bmp16.data(), bmp16.size()));
    ExpectRgb(image, 0, 0, 0, 255, 0);
}

TEST(Pictures, DamagedBmpIsRefusedCleanly) {
    const Bytes good = Bmp24();
    TImage image;
    const auto refused = [&image](const Bytes& b) {
        return !image.LoadFromMemory(b.data(), b.size()) && image.Empty();
    };
    EXPECT_TRUE(refused(Bytes(good.begin(), good.end() - 5)));    // rows cut off
    EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + 20))); // header cut off
    EXPECT_TRUE(refused(Bytes{'B', 'M'}));
    const struct {
        std::size_t pos;
        std::uint32_t value;
        const char* what;
    } damages[] = {
        {10, 0xFFFFFFF0, "pixel data far past the end"},
        {10, 4, "pixel data inside the headers"},
        {14, 0xFFFFFFF0, "info header larger than the file"},
        {18, 0x7FFFFFFF, "width whose rows overflow 32 bits"},
        {22, 0x80000000, "height -2^31"},
        {22, 1000, "height far beyond the data"},
        {28, 7, "no such pixel size"},
        {30, 1, "run-length coded"},
    };
    for (const auto& d : damages) {
        Bytes b = good;
        Put32(b, d.pos, d.value);
        EXPECT_TRUE(refused(b)) << d.what;
    }
}

TEST(Pictures, FitAndCentre) {
    using R = std::array<int, 4>; // x, y, width, height
    const auto fit = [](int w, int h, int bx, int by, int bw, int bh) {
        const TPictureRect r = FitPicture(w, h, bx, by, bw, bh);
        EXPECT_TRUE(r.Valid);
        return R{r.X, r.Y, r.Width, r.Height};
    };
    // 400 x 100 in a 200 x 200 box: full width, 50 high, 75 from the top.
    EXPECT_EQ(fit(400, 100, 0, 0, 200, 200), (R{0, 75, 200, 50}));
    // A tall picture in a box at (10, 20): full height, centred horizontally.
    EXPECT_EQ(fit(100, 400, 10, 20, 200, 200), (R{85, 20, 50, 200}));
    // Same aspect ratio: the box is not wider, so the width is taken.
    EXPECT_EQ(fit(300, 150, 0, 0, 200, 100), (R{0, 0, 200, 100}));
    // 3 x 2 into 10 x 10: 6.67 rounds to 7, offset (10 - 7) div 2 = 1; 4 x 1: 2.5 gives 2.
    EXPECT_EQ(fit(3, 2, 0, 0, 10, 10), (R{0, 1, 10, 7}));
    EXPECT_EQ(fit(4, 1, 0, 0, 10, 10), (R{0, 4, 10, 2}));
    // Large sizes do not overflow the comparison.
    EXPECT_EQ(fit(60000, 40000, 0, 0, 60000, 50000), (R{0, 5000, 60000, 40000}));
    EXPECT_FALSE(FitPicture(0, 10, 0, 0, 10, 10).Valid);
    EXPECT_FALSE(FitPicture(10, 10, 0, 0, 10, -1).Valid);
}

TEST(Pictures, PlainFileNames) {
    for (const char* name : {"S17.jpg", "B1.bmp", "Bild 2.JPG", "Skizze.ä.jpg", ".hidden"})
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    for (const char* name : {"", ".", "..", "../S1.jpg", "Bilder/S1.jpg", "/etc/passwd",
                             "..\\x.bmp", "a\\b", "x..jpg"})
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    EXPECT_FALSE(IsPlainFileName(std::string("a\0b", 3)));

    EXPECT_EQ(NewPictureName(true, "17", "/home/user/plan.jpg"), "S17.jpg");
    EXPECT_EQ(NewPictureName(false, " 17 ", "C:\\pics\\foto.JPEG"), "B17.JPEG");
    EXPECT_EQ(NewPictureName(true, "3", "/data/v1.2/plan"), "S3");
    EXPECT_EQ(NewPictureName(true, "1234567890", "x.jpeg.backup"), "S1234567890.backup");
    EXPECT_EQ(NewPictureName(true, "123456789012345678901", "x.jpg").size(), 20u);
}
