#include "platform/stopwatchWait.h"

#include <chrono>
#include <thread>

#include "platform/stopwatch.h"

void BlockOnStopwatch(int n, int64_t ms)
{
    StopwatchRestart(n);
    for (int64_t elapsed = StopwatchElapsedMs(n); elapsed < ms; elapsed = StopwatchElapsedMs(n))
        std::this_thread::sleep_for(std::chrono::milliseconds(ms - elapsed));
}
