#include "live/engine/stationDiagnostic.h"

#include <limits>

#include "core/vbTypes.h"
#include "core/vbRuntime.h"

std::string FailureTotalText(int total) { return total >= 100 ? ">99" : FormatNumber(total); }

void StationDiagnostic::takeAnswering(std::span<const uint8_t> presence)
{
    for (int s = 1; s <= kDiagnosticStations; ++s) {
        const auto at = static_cast<std::size_t>(s);
        bNodeEnabled[at] = at < presence.size() && presence[at] != 0 ? VbTrue : VbFalse;
    }
}

StationAnswer StationDiagnostic::recordPresence(int station, uint8_t presence)
{
    int16_t& total = iErrorTotal.at(static_cast<std::size_t>(station));
    if (presence != 0) return total > 0 ? StationAnswer::AnsweredBefore : StationAnswer::Answered;
    // Clearing the totals skips stations left out, so one taken back in afterwards
    // goes on from its old total past any cycle limit.
    if (total < std::numeric_limits<int16_t>::max()) ++total;
    return StationAnswer::NoAnswer;
}

bool StationDiagnostic::recordInputs(int station, uint8_t inputs)
{
    int16_t& last = iLastInputs.at(static_cast<std::size_t>(station));
    if (inputs == last) return false;
    last = inputs;
    return true;
}

void StationDiagnostic::clearTotals()
{
    iCycle = 0;
    for (int s = 1; s <= kDiagnosticStations; ++s)
        if (enabled(s)) iErrorTotal[static_cast<std::size_t>(s)] = 0;
}

void StationDiagnostic::toggle(int station)
{
    int16_t& in = bNodeEnabled.at(static_cast<std::size_t>(station));
    in = in != 0 ? VbFalse : VbTrue;
}
