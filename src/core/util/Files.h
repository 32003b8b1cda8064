#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// Copies, overwriting the target: 0 on success, else the system error code when it is at
// most 15, else 1.
int CopyFile(const std::string& source, const std::string& target);
// Creates the folder and every missing parent; an existing folder counts as success.
bool MakeFolder(const std::string& path);
// Deletes the folder with everything in it. Never follows a symbolic link out of the tree
// (a link is removed, not its target) and refuses an empty path and "/".
bool RemoveTree(const std::string& path);
// When `logPath` is larger than `sizeLimit` bytes, `logPath` with extension ".LO1" is deleted
// and the log is moved to that name.
void RotateLog(const std::string& logPath, std::uintmax_t sizeLimit);

} // namespace corvane
