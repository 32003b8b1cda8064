// corvane-datagen [--seed S] [--scale K] OUT_DIR
// Writes the demo catalogue: OUT_DIR/Corvane.mem, the pictures in OUT_DIR/Bilder and the data
// sheets in OUT_DIR/Pdf. The same seed and scale always give the same files.

#include "CatalogueBuilder.h"
#include "DataSheetPdf.h"
#include "JpegWriter.h"
#include "Sketches.h"
#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "measurements/TMdbMessung.h"
#include "model/DataFileSave.h"

#include <QImage>
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

bool ParseNumber(std::string_view text, std::uint64_t& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

int Usage() {
    std::fprintf(stderr, "usage: corvane-datagen [--seed S] [--scale K] OUT_DIR\n");
    return 2;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    std::uint64_t scale = 1;
    std::string outDir;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--seed" || arg == "--scale") && i + 1 < argc) {
            std::uint64_t& target = arg == "--seed" ? seed : scale;
            if (!ParseNumber(argv[++i], target)) return Usage();
        } else if (!arg.empty() && arg[0] != '-' && outDir.empty()) {
            outDir = arg;
        } else {
            return Usage();
        }
    }
    if (outDir.empty() || scale < 1 || scale > 100) return Usage();

    namespace fs = std::filesystem;
    try {
        const fs::path root(outDir);
        fs::create_directories(root / "Bilder");
        fs::create_directories(root / "Pdf");

        corvane::TCatalogue catalogue;
        catalogue.SetFolder(root.string());
        corvane::TCatalogueBuilder builder(catalogue, seed, static_cast<int>(scale));
        const corvane::TDemoContent content = builder.Build();
        SaveDataFile(catalogue, (root / "Corvane.mem").string());

        for (const corvane::TPictureFile& picture : content.Pictures) {
            const fs::path path = root / "Bilder" / picture.FileName;
            if (!corvane::WriteJpeg(corvane::DrawSketch(picture.Sketch), path.string()))
                throw std::runtime_error("cannot write " + path.string());
        }
        for (const corvane::TDataSheet& sheet : content.Sheets) {
            const fs::path path = root / "Pdf" / sheet.FileName;
            if (!WriteFile(path, corvane::DataSheetPdf(sheet)))
                throw std::runtime_error("cannot write " + path.string());
        }
        std::printf("impellers\t%d\nhousings\t%d\nseries\t%d\npictures\t%zu\ndata sheets\t%zu\n",
                    catalogue.Laufrad().KeyIndexCount(), catalogue.Gehaeuse().KeyIndexCount(),
                    catalogue.Messung().KeyIndexCount(), content.Pictures.size(),
                    content.Sheets.size());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "corvane-datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
