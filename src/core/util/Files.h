#pragma once

#include <cstdint>
#include <string>
#include <system_error>

namespace corvane {

// Copies, overwriting the target: 0 on success, else the system error code when it is at
// most 15, else 1.
int CopyFile(const std::string& source, const std::string& target);
// Creates the folder and every missing parent; an existing folder counts as success.
bool MakeFolder(const std::string& path);
// The same, with the system's reason for a failure in `error`.
bool MakeFolder(const std::string& path, std::error_code& error);
// Puts a copy of `source` in place of `target` in one step: the copy is written beside the
// target under a temporary name, made writable for its owner and renamed over the target, so
// that a read-only or running old file is replaced too. Returns the system's reason for a
// failure; the old target is then left as it was.
std::error_code ReplaceFile(const std::string& source, const std::string& target);
// Deletes the folder with everything in it. Never follows a symbolic link out of the tree
// (a link is removed, not its target) and refuses an empty path and "/".
bool RemoveTree(const std::string& path);
// When `logPath` is larger than `sizeLimit` bytes, `logPath` with extension ".LO1" is deleted
// and the log is moved to that name.
void RotateLog(const std::string& logPath, std::uintmax_t sizeLimit);

} // namespace corvane
