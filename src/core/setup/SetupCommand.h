#pragma once

#include <iosfwd>
#include <optional>

namespace corvane {

// The set-up commands of the desktop program, run before any window exists:
//   corvane install [--target DIR] [--lang-units N]
//   corvane uninstall 1
//   corvane uninstall 2 <wait-fd> <ready-fd> <folder> <program name>   (started by stage 1)
// The first argument must be exactly "install" or "uninstall"; any other spelling (such as
// "INSTALL" or "CHECKINST") is left to the main window. Without one of these the result is
// empty and the program starts as usual; otherwise it is the exit code: 0 done, 1 failed or
// refused, 2 wrong arguments. Result lines go to `out`, usage errors to `err`.
std::optional<int> RunSetupCommand(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err);

} // namespace corvane
