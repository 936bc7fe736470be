#include "platform/stopwatch.h"

#include <array>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

std::array<Clock::time_point, kStopwatchCount>& starts()
{
    static std::array<Clock::time_point, kStopwatchCount> s{};
    return s;
}

bool valid(int number) { return number >= 0 && number < kStopwatchCount; }

} // namespace

void StopwatchRestart(int number)
{
    if (valid(number)) starts()[static_cast<std::size_t>(number)] = Clock::now();
}

int64_t StopwatchElapsedMs(int number)
{
    if (!valid(number)) return 0;
    const auto elapsed = Clock::now() - starts()[static_cast<std::size_t>(number)];
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}
