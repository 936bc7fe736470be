#pragma once
// The fixed pauses of the serial and modem link (DTR pulses, the modem's settling time).

#include <cstdint>

// Restarts stopwatch n and blocks, handling no event, until it reads `ms`. It sleeps
// rather than spins: the wait must keep the window still, not burn a core.
void BlockOnStopwatch(int n, int64_t ms);
