#pragma once

#include "util/Outcome.h"

#include <cstddef>
#include <string>

namespace corvane {

// Opens an existing file for reading when it is a regular file. A FIFO, a device, a socket or
// a folder is refused at once instead of blocking on the open or on the first read. Returns
// the descriptor (blocking, close-on-exec), or -1 with `reason` saying why ("not a regular
// file" or the system's text).
int OpenRegularFile(const std::string& path, std::string& reason);

// Reads a whole regular file of at most `maxBytes` bytes into `bytes`. A larger file is
// refused, never read in part. On failure `bytes` is empty and the outcome names the file
// and the reason.
TOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

} // namespace corvane
