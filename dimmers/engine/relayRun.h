#pragma once
// Clicks on the dimmer-to-relay grid: a plain click toggles one relay and remembers
// the state it produced; a click with Shift, Ctrl or Alt held sets every relay from the
// last clicked one to this one (either direction, both included) to that state.

#include <cstdint>
#include <functional>

struct RelayRun {
    int16_t iLastRelay = 0;
    int16_t bLastState = 0;  // the flag the last plain click produced, -1 or 0
};

using RelayFlagGet = std::function<int16_t(int16_t relay)>;
using RelayFlagSet = std::function<void(int16_t relay, int16_t flag)>;

// `shift` is VB's Shift argument of the press (0 no modifier).
void IncCnt(RelayRun& run, int16_t relay, int shift, const RelayFlagGet& get, const RelayFlagSet& set);
