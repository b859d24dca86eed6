// Placeholder.
#include <benchmark/benchmark.h>
