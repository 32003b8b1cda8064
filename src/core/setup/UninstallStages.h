#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace corvane {

// The uninstallation runs in two processes, so that the program folder can be removed by a
// program that does not run from it:
//
// First stage ("uninstall 1", run from the installed program): checks the program's own
// folder, copies the program file to a temporary file ("Del..." in the temporary folder) and
// starts that copy as the second stage with the arguments
//     uninstall 2 <wait-fd> <ready-fd> <program folder> <program file name>
// (each its own argument, so folder names with blanks, quotes or any letters arrive
// intact). It waits up to 10 s for the copy to report on <ready-fd> that it runs, deletes the
// temporary file (the running copy keeps it open) and ends.
//
// Second stage: reports that it runs, waits until the first stage has ended (end of file on
// <wait-fd>, whose writing end only the first stage held), checks the folder again and
// removes the installation (RemoveInstallation).
//
// Both write their result lines to `out` and return the process exit code (0 done,
// 1 refused or failed, 2 wrong arguments).
int RunUninstallFirstStage(const std::string& executable, std::ostream& out);
int RunUninstallSecondStage(const std::vector<std::string>& arguments, std::ostream& out);

} // namespace corvane
