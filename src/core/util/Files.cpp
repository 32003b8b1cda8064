#include "util/Files.h"

#include <filesystem>
#include <system_error>

namespace corvane {

namespace fs = std::filesystem;

namespace {

// Removes everything below `dir` (a real folder, not a link) and then `dir` itself.
bool RemoveFolder(const fs::path& dir) {
    std::error_code ec;
    // Entries of a folder can only be deleted when the folder is writable and searchable.
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path entry = it->path();
        std::error_code sec;
        const fs::file_status st = fs::symlink_status(entry, sec);
        if (!sec && fs::is_directory(st))
            RemoveFolder(entry);
        else
            fs::remove(entry, sec); // files and links; a link's target stays untouched
    }
    std::error_code rec;
    return fs::remove(dir, rec) && !rec;
}

bool IsRoot(const fs::path& p) {
    return p.has_root_directory() && p.relative_path().empty();
}

} // namespace

int CopyFile(const std::string& source, const std::string& target) {
    std::error_code ec;
    fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
    if (!ec) return 0;
    const int code = ec.value();
    return code > 0 && code <= 15 ? code : 1;
}

bool MakeFolder(const std::string& path) {
    std::error_code ec;
    return MakeFolder(path, ec);
}

bool MakeFolder(const std::string& path, std::error_code& error) {
    error.clear();
    if (path.empty()) {
        error = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    fs::create_directories(path, error);
    if (error) return false;
    if (fs::is_directory(path, error)) return true;
    if (!error) error = std::make_error_code(std::errc::not_a_directory);
    return false;
}

std::error_code ReplaceFile(const std::string& source, const std::string& target) {
    std::error_code ec;
    const fs::path to(target);
    const fs::path temporary = to.parent_path() / ("." + to.filename().string() + ".new");
    fs::remove(temporary, ec); // a leftover of an interrupted copy
    fs::copy_file(source, temporary, ec);
    if (!ec) fs::permissions(temporary, fs::perms::owner_write, fs::perm_options::add, ec);
    if (!ec) fs::rename(temporary, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return ec;
}

bool RemoveTree(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    if (ec || IsRoot(absolute.lexically_normal())) return false;
    const fs::path canonical = fs::weakly_canonical(absolute, ec);
    if (ec || IsRoot(canonical)) return false;
    const fs::file_status st = fs::symlink_status(absolute, ec);
    if (ec || !fs::exists(st)) return false;
    if (!fs::is_directory(st)) {
        std::error_code rec;
        return fs::remove(absolute, rec) && !rec;
    }
    return RemoveFolder(absolute);
}

void RotateLog(const std::string& logPath, std::uintmax_t sizeLimit) {
    std::error_code ec;
    const fs::path log(logPath);
    if (!fs::is_regular_file(log, ec)) return;
    const std::uintmax_t size = fs::file_size(log, ec);
    if (ec || size <= sizeLimit) return;
    fs::path old = log;
    old.replace_extension(".LO1");
    if (old == log) return;
    fs::remove(old, ec);
    fs::rename(log, old, ec);
}

} // namespace corvane
