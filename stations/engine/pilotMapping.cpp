#include "stations/engine/pilotMapping.h"

#include "core/itemTexts.h"
#include "stations/engine/stationFamilies.h"

namespace {

constexpr int kTargets = 48;
constexpr int16_t kOnIfRelay = 64;
constexpr int16_t kOnIfGroup = 128;
constexpr int16_t kOnIfPreset = 192;

// The first target whose action is set, or -1.
template <class Action>
int firstActed(Action action)
{
    for (int t = 0; t < kTargets; ++t)
        if (action(t) != 0) return t;
    return -1;
}

} // namespace

void AutoMapAnInput(StationRecord& station, int input)
{
    const auto k = static_cast<std::size_t>(input);
    station.iPilot[k] = 0;
    station.iOffLevel[k] = 0;

    const int kind = StationInputKind(StationFamilyOf(station.iDeviceType), station.iInputType[k]);
    // Only a preset the word can carry: a preset byte uploaded from a panel may be any.
    const int16_t preset = station.iPresetNumber[k];
    if (kind == kLocalSetPreset && preset >= 0 && preset < kTargets) {
        station.iPilot[k] = static_cast<int16_t>(kOnIfPreset + preset);
        return;
    }
    // A Timer Disable input's relay row holds timers, which no lamp can follow.
    if (kind != kLocalTimerDisable) {
        const int relay = firstActed([&](int r) { return station.iRelayAction(input, r); });
        if (relay >= 0) {
            station.iPilot[k] = static_cast<int16_t>(kOnIfRelay + relay);
            return;
        }
    }
    const int group = firstActed([&](int g) { return station.iGroupAction(input, g); });
    if (group >= 0) station.iPilot[k] = static_cast<int16_t>(kOnIfGroup + group);
}

void AutoMapStation(StationRecord& station)
{
    for (int input = 0; input < 8; ++input) AutoMapAnInput(station, input);
}

void AutoMapAllStations()
{
    for (int s = 1; s < kStationCount; ++s) {
        StationRecord& station = tStation[static_cast<std::size_t>(s)];
        if (station.iDeviceType >= 1 && station.iDeviceType <= 8) AutoMapStation(station);
    }
}
