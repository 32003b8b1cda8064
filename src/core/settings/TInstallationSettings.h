#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace corvane {

class TIniFile;

// Settings of one installation at the test rig, kept in section "Messwerterfassung" of the
// user's settings file: the two exchange files with the acquisition program, the command
// line that starts that program for each rig code 0..4, and the acoustic analyser.
struct TInstallationSettings {
    static constexpr int kRigCodes = 5;

    std::string InputPath;  // written by the acquisition program, read by the editor
    std::string OutputPath; // written by the editor, read by the acquisition program
    // Program path, a blank, parameters; a path starting with "." is taken relative to the
    // folder of the program's executables.
    std::array<std::string, kRigCodes> RigCommands;
    std::string AnalyserProject;
    bool SimulatedAnalyser = true;
    std::int32_t SimulatedDurationMs = 3000; // how long the simulated analyser measures

    // Exchange files in the user's runtime folder, the rig simulator for every rig code.
    static TInstallationSettings Defaults();

    // Missing or empty keys take the defaults.
    void Read(const TIniFile& ini);
    void Write(TIniFile& ini) const;

    // The command line of a rig code; codes outside 0..4 use code 0.
    const std::string& RigCommand(std::int32_t rigCode) const;
};

} // namespace corvane
