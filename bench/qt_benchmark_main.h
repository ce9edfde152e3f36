#pragma once
// main() for benchmarks that need a QApplication (widgets, fonts, the screen's dpi).
#include <benchmark/benchmark.h>

#include <QApplication>

#define TIDEWELL_QT_BENCHMARK_MAIN()                                  \
  int main(int argc, char** argv) {                                   \
    QApplication app(argc, argv);                                     \
    benchmark::Initialize(&argc, argv);                               \
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1; \
    benchmark::RunSpecifiedBenchmarks();                              \
    benchmark::Shutdown();                                            \
    return 0;                                                         \
  }
