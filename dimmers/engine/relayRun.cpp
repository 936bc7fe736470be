#include "dimmers/engine/relayRun.h"

#include <algorithm>

#include "core/vbTypes.h"

void IncCnt(RelayRun& run, int16_t relay, int shift, const RelayFlagGet& get, const RelayFlagSet& set)
{
    if (shift == 0) {
        set(relay, get(relay) != 0 ? VbFalse : VbTrue);
        run.bLastState = get(relay);
    } else {
        const int16_t first = std::min(run.iLastRelay, relay);
        const int16_t last = std::max(run.iLastRelay, relay);
        for (int16_t r = first; r <= last; ++r) set(r, run.bLastState);
    }
    run.iLastRelay = relay;
}
