#pragma once
// Each benchmark file registers its measurements; the program runs them all and
// prints one line per figure.

#include <functional>
#include <string>
#include <vector>

struct BenchFigure {
    std::string name;
    double value = 0;
    std::string unit;
};

using BenchFunction = std::function<std::vector<BenchFigure>()>;

bool registerBench(const std::string& group, BenchFunction function);

#define B3_REGISTER_BENCH(group, function)                                                         \
    namespace {                                                                                    \
    [[maybe_unused]] const bool bench_registered_##function = registerBench(group, function);     \
    }
