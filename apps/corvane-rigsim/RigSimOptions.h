#pragma once

#include <string>
#include <vector>

namespace corvane {

struct TInstallationSettings;

// Command line of corvane-rigsim.
struct TRigSimOptions {
    std::string WritePath; // the exchange file the editor reads
    std::string ReadPath;  // the exchange file the editor writes
    int PeriodMs = 1000;
    int Points = 8;      // points along the characteristic
    int SettleTicks = 2; // periods a point settles before it is complete
    int HoldTicks = 3;   // periods channel 3 stays 1 after the editor acknowledged
    bool Help = false;
    std::string Error; // not empty: the command line was refused

    // --write FILE --read FILE --period MS --points N --help. Missing paths come from the
    // environment (CORVANE_TDW_INPUT, CORVANE_TDW_OUTPUT), then from `installation`.
    static TRigSimOptions Parse(const std::vector<std::string>& args,
                                const TInstallationSettings& installation);
    static const char* Usage();
};

} // namespace corvane
