#pragma once

#include <string>
#include <utility>
#include <vector>

namespace corvane {

// How to start the acquisition program of a test rig.
struct TRigCommand {
    std::string Program; // empty: nothing to start
    std::vector<std::string> Arguments;
    std::string WorkingFolder;
    // Extra environment: the exchange paths, so that a program without its own settings
    // (the rig simulator) finds the files the editor uses.
    std::vector<std::pair<std::string, std::string>> Environment;

    // A command line "program parameters": the text up to the first blank is the program, a
    // program path starting with "." is taken relative to `programFolder`, which is also the
    // working folder. Parameters are separated by blanks; double quotes group a parameter
    // with blanks.
    static TRigCommand Parse(const std::string& commandLine, const std::string& programFolder);
};

} // namespace corvane
