// Entry point of the benchmarks; each benchmark file registers its own cases.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
