#pragma once
// Numbered millisecond stopwatches on a monotonic clock: stopwatch 0 times every
// panel exchange, stopwatch 1 the connect and disconnect waits.

#include <cstdint>

inline constexpr int kStopwatchCount = 4;

void RestartStopwatch(int n);
int64_t StopwatchElapsedMs(int n);
// Restarts stopwatch n and blocks, without handling any event, until it reads `ms`.
void BlockOnStopwatch(int n, int64_t ms);
