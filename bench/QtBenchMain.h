#pragma once

// The main of the window benchmarks: a QApplication on the offscreen platform (unless
// QT_QPA_PLATFORM says otherwise) that outlives every window and ends before Qt's own statics.

#include <QApplication>
#include <benchmark/benchmark.h>

namespace corvane::bench {

inline int RunWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace corvane::bench
