#pragma once
// Numbered millisecond stopwatches: restart one, then read how long ago that was.
// Stopwatch 0 times command exchanges, stopwatch 1 the connect and disconnect waits.

#include <cstdint>

inline constexpr int kStopwatchCount = 8;

// Numbers outside 0..kStopwatchCount-1 are ignored (and read as 0 ms).
void StopwatchRestart(int number);
int64_t StopwatchElapsedMs(int number);
