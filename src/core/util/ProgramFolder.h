#pragma once

#include <string>

namespace corvane {

// The program folder holds the data file, Bilder/, Pdf/ and Help/. It is the folder of the
// running executable unless CORVANE_HOME or an explicit override (--home) names another.
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder);
// The folder given to SetProgramFolder; empty when none is.
const std::string& ProgramFolderOverride();
// The folder of the running executable, whatever overrides the program folder: the other
// programs of the installation (corvane-rigsim, ...) lie there.
std::string ExecutableFolder();
// ProgramFolder() + "/" + name.
std::string ProgramFile(const std::string& name);

} // namespace corvane
