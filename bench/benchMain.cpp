// The benchmark program: runs every registered measurement (or those whose group is
// named on the command line) and prints "group: figure value unit" per line.
#include <cstdio>
#include <map>
#include <string>

#include "bench/benchRegistry.h"

namespace {
std::multimap<std::string, BenchFunction>& benches()
{
    static std::multimap<std::string, BenchFunction> all;
    return all;
}
} // namespace

bool registerBench(const std::string& group, BenchFunction function)
{
    benches().emplace(group, std::move(function));
    return true;
}

int main(int argc, char** argv)
{
    for (const auto& [group, function] : benches()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) wanted = wanted || group == argv[i];
        if (!wanted) continue;
        for (const BenchFigure& figure : function())
            std::printf("%s: %s %.3f %s\n", group.c_str(), figure.name.c_str(), figure.value, figure.unit.c_str());
    }
    return 0;
}
