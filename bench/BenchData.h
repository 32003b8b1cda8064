#pragma once

// Data files of the demo catalogue for the benchmarks, by corvane-datagen scale: scale 1
// from CORVANE_BENCH_DATA (default: Corvane.mem of the program folder), 10 from
// CORVANE_BENCH_DATA10, 100 from CORVANE_BENCH_DATA100. scripts/bench sets them.

#include "util/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace corvane::bench {

// The data file of a scale, empty when there is none.
inline std::string DataPath(int scale) {
    const char* variable = scale == 1    ? "CORVANE_BENCH_DATA"
                           : scale == 10 ? "CORVANE_BENCH_DATA10"
                                         : "CORVANE_BENCH_DATA100";
    const char* env = std::getenv(variable);
    if (env != nullptr && *env != '\0') return env;
    if (scale != 1) return {};
    for (const std::string& path : {ProgramFile("Corvane.mem"), ProgramFile("../bin/Corvane.mem")})
        if (std::filesystem::exists(path)) return path;
    return {};
}

} // namespace corvane::bench
