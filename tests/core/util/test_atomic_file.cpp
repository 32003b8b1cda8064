// Replacing files atomically: content, permissions, links, failures and clean-up.
#include "TempFolder.h"
#include "util/TAtomicFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t Entries(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

fs::perms Mode(const fs::path& p) {
    return fs::status(p).permissions() & fs::perms::mask;
}

} // namespace

TEST(AtomicFile, ReplacesContentKeepsPermissionsAndLinks) {
    const test::TTempFolder dir;
    const fs::path file = dir.Path / "Corvane.conf";
    ASSERT_TRUE(WriteFileAtomically(file.string(), "one"));
    EXPECT_EQ(Read(file), "one");
    const mode_t mask = ::umask(022);
    ::umask(mask);
    EXPECT_EQ(Mode(file), static_cast<fs::perms>(0666 & ~mask));

    fs::permissions(file, static_cast<fs::perms>(0640));
    ASSERT_TRUE(WriteFileAtomically(file.string(), "two"));
    EXPECT_EQ(Read(file), "two");
    EXPECT_EQ(Mode(file), static_cast<fs::perms>(0640));

    const fs::path link = dir.Path / "link.conf";
    fs::create_symlink(file, link);
    ASSERT_TRUE(WriteFileAtomically(link.string(), "three"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(file), "three");
    EXPECT_EQ(Entries(dir.Path), 2u); // no temporary file left

    // Missing folders are made when asked.
    const fs::path deep = dir.Path / "a" / "b" / "c.cva";
    EXPECT_FALSE(WriteFileAtomically(deep.string(), "x"));
    ASSERT_TRUE(WriteFileAtomically(deep.string(), "x", true));
    EXPECT_EQ(Read(deep), "x");
}

TEST(AtomicFile, FailuresSayWhyAndLeaveTheTargetAlone) {
    const test::TTempFolder dir;
    const TOutcome noFolder = WriteFileAtomically((dir.Path / "no" / "x.cva").string(), "x");
    ASSERT_FALSE(noFolder);
    EXPECT_NE(noFolder.Message().find((dir.Path / "no").string()), std::string::npos);
    EXPECT_NE(noFolder.Message().find("No such file or directory"), std::string::npos);

    // A folder in the way cannot be replaced by a file: the reason names the target.
    const fs::path folder = dir.Path / "taken";
    fs::create_directory(folder);
    std::ofstream(folder / "inside") << "keep";
    const TOutcome blocked = WriteFileAtomically(folder.string(), "x");
    ASSERT_FALSE(blocked);
    EXPECT_EQ(blocked.Message().rfind("Cannot replace file \"" + folder.string() + "\": ", 0), 0u)
        << blocked.Message();
    EXPECT_EQ(Read(folder / "inside"), "keep");
    EXPECT_EQ(Entries(dir.Path), 1u);

    // Without Commit the target stays as it was and the temporary file goes.
    const fs::path file = dir.Path / "Corvane.mem";
    std::ofstream(file) << "old";
    {
        TAtomicFile writer(file.string());
        ASSERT_TRUE(writer.Ready());
        ASSERT_TRUE(writer.Write("new, but never committed"));
        EXPECT_TRUE(fs::exists(writer.TemporaryPath()));
    }
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(Entries(dir.Path), 2u);

    // A writer that takes the descriptor over closes it itself; Commit renames.
    TAtomicFile handed(file.string());
    const int descriptor = handed.ReleaseDescriptor();
    ASSERT_GE(descriptor, 0);
    EXPECT_EQ(handed.ReleaseDescriptor(), -1);
    ASSERT_EQ(::write(descriptor, "new", 3), 3);
    ASSERT_EQ(::close(descriptor), 0);
    ASSERT_TRUE(handed.Commit());
    EXPECT_EQ(Read(file), "new");
    EXPECT_EQ(Entries(dir.Path), 2u);
}
