#pragma once

#include <string>

namespace corvane {

// The program folder holds the data file, Bilder/, Pdf/ and Help/. It is the folder of the
// running executable unless CORVANE_HOME or an explicit override (--home) names another.
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder);
// The folder given to SetProgramFolder; empty when none is.
const std::string& ProgramFolderOverride();
// ProgramFolder() + "/" + name.
std::string ProgramFile(const std::string& name);

} // namespace corvane
