#include "util/Files.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

using namespace corvane;
namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() / ("corvane-files-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
};

void WriteFile(const fs::path& p, const std::string& text) {
    std::ofstream(p) << text;
}

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(Files, MakeFolderAndCopy) {
    TempDir tmp;
    const fs::path deep = tmp.path / "a" / "b" / "c";
    EXPECT_TRUE(MakeFolder(deep.string()));
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_TRUE(MakeFolder(deep.string())); // existing folder
    WriteFile(tmp.path / "file", "x");
    EXPECT_FALSE(MakeFolder((tmp.path / "file").string()));
    EXPECT_FALSE(MakeFolder((tmp.path / "file" / "sub").string()));
    EXPECT_FALSE(MakeFolder(""));

    WriteFile(tmp.path / "src", "new");
    WriteFile(tmp.path / "dst", "old contents");
    EXPECT_EQ(CopyFile((tmp.path / "src").string(), (tmp.path / "dst").string()), 0);
    EXPECT_EQ(ReadFile(tmp.path / "dst"), "new");
    EXPECT_EQ(CopyFile((tmp.path / "missing").string(), (tmp.path / "dst").string()), ENOENT);
    EXPECT_EQ(ReadFile(tmp.path / "dst"), "new");
    EXPECT_EQ(CopyFile((tmp.path / "src").string(), (tmp.path / "no" / "dst").string()), ENOENT);
}

TEST(Files, RemoveTreeStaysInsideTheTree) {
    TempDir tmp;
    const fs::path outside = tmp.path / "outside";
    fs::create_directories(outside / "keep");
    WriteFile(outside / "keep" / "precious", "data");

    const fs::path tree = tmp.path / "tree";
    fs::create_directories(tree / "sub" / "locked");
    WriteFile(tree / "sub" / "locked" / "f", "1");
    WriteFile(tree / "ro", "2");
    fs::permissions(tree / "ro", fs::perms::owner_read);
    fs::permissions(tree / "sub" / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    fs::create_directory_symlink(outside, tree / "link");
    fs::create_symlink(outside / "keep" / "precious", tree / "sub" / "filelink");

    EXPECT_TRUE(RemoveTree(tree.string()));
    EXPECT_FALSE(fs::exists(fs::symlink_status(tree)));
    EXPECT_EQ(ReadFile(outside / "keep" / "precious"), "data");

    // A link given as the tree itself goes, its target stays.
    fs::create_directory_symlink(outside, tmp.path / "toplink");
    EXPECT_TRUE(RemoveTree((tmp.path / "toplink").string()));
    EXPECT_TRUE(fs::exists(outside / "keep" / "precious"));

    EXPECT_FALSE(RemoveTree(""));
    EXPECT_FALSE(RemoveTree("/"));
    EXPECT_FALSE(RemoveTree("//"));
    EXPECT_FALSE(RemoveTree((tmp.path / ".." / ".." / ".." / ".." / "..").string()));
    EXPECT_FALSE(RemoveTree((tmp.path / "never-there").string()));
    EXPECT_TRUE(fs::exists("/tmp"));
}

TEST(Files, RotateLog) {
    TempDir tmp;
    const fs::path log = tmp.path / "Corvane.LOG";
    const fs::path old = tmp.path / "Corvane.LO1";
    WriteFile(log, "0123456789");
    WriteFile(old, "older");
    RotateLog(log.string(), 10); // not larger than the limit
    EXPECT_EQ(ReadFile(log), "0123456789");
    RotateLog(log.string(), 9);
    EXPECT_FALSE(fs::exists(log));
    EXPECT_EQ(ReadFile(old), "0123456789");
    RotateLog(log.string(), 0); // no log: nothing happens
    EXPECT_TRUE(fs::exists(old));
}
