// The one entry point of the benchmark program; every bench/*.cpp only registers benchmarks.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
