#pragma once

#include "setup/TUserFolders.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Where an installation copies from: the running program file (its folder also holds the
// companion tool, the icon and, in a bundle, "lib", "plugins" and "qt.conf") and the program
// folder with the data file and the document folders.
struct TInstallSource {
    std::string Executable;
    std::string Folder;
};

// Installs the program into a folder of the user's disk, step by step:
//  1 create the folder (and its parents) and mark it as an installation,
//  2 write the uninstall record (and the chosen language/unit entry) into the settings file,
//  3 remove the old files "FanData.STD", "FanData.STM", "Corvane.mbk",
//  4 copy the program file, the companion tool, the icon and bundle libraries,
//  5 copy the data file,
//  6-9 create "Bilder", "Pdf", "Help", "Help/Pictures" and copy the files of each,
//  10 write the menu entry and the desktop shortcut.
// Failures of steps 2 and 10 are reported and passed over; any other failure ends the run.
// A folder that already holds other files than an earlier installation is refused, since
// the uninstallation removes the whole folder.
class TInstallation {
public:
    static constexpr int kStepCount = 10;
    // Called after each step with its number (1..kStepCount) and its result line.
    using TProgress = std::function<void(int step, const std::string& line)>;

    // `languageIndex`: the language/unit entry to store for the installed program; without
    // one the stored entry is kept. The shortcuts are named in its text language, else in
    // the current one.
    TInstallation(TInstallSource source, std::string folder, TUserFolders user,
                  std::optional<int> languageIndex);

    // Runs the steps; true when all fatal steps succeeded.
    bool Run(const TProgress& progress = {});

    // The installation folder as it was resolved (absolute, symbolic links resolved).
    const std::string& Folder() const { return m_folder; }
    // The text of the failure that ended the run ("create dir ...", "copy ...").
    const std::string& Error() const { return m_error; }
    // One line per step that ran.
    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    bool CreateFolder(std::string& line);
    bool WriteRecord(std::string& line);
    bool RemoveOldFiles(std::string& line);
    bool CopyProgram(std::string& line);
    bool CopyDataFile(std::string& line);
    bool CopyFolder(const char* name, std::string& line);
    bool WriteShortcuts(std::string& line);

    bool Copy(const std::string& from, const std::string& to);
    bool Fail(std::string error, std::string& line);
    int TextLanguage() const;

    TInstallSource m_source;
    std::string m_folder;
    TUserFolders m_user;
    std::optional<int> m_languageIndex;
    std::string m_error;
    std::vector<std::string> m_lines;
};

} // namespace corvane
