#include "platform/stopwatch.h"

#include <array>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

std::array<Clock::time_point, kStopwatchCount>& starts()
{
    static std::array<Clock::time_point, kStopwatchCount> s{};
    return s;
}

Clock::time_point& startOf(int n) { return starts()[static_cast<std::size_t>(n < 0 || n >= kStopwatchCount ? 0 : n)]; }

} // namespace

void RestartStopwatch(int n) { startOf(n) = Clock::now(); }

int64_t StopwatchElapsedMs(int n)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - startOf(n)).count();
}

void BlockOnStopwatch(int n, int64_t ms)
{
    RestartStopwatch(n);
    // Sleeping rather than spinning: the wait must not handle events, but it need not burn a core.
    while (StopwatchElapsedMs(n) < ms) std::this_thread::sleep_until(startOf(n) + std::chrono::milliseconds(ms));
}
