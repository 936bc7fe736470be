#include "dimmers/engine/dimmerLists.h"

#include <array>

#include "core/dimmerTexts.h"
#include "core/hexText.h"
#include "core/modB3Dimmers.h"
#include "core/vbRuntime.h"

namespace {

template <class Text>
ListEntries generate(int first, int last, Text text)
{
    ListEntries entries;
    for (int i = first; i <= last; ++i) entries.push_back(text(i));
    return entries;
}

} // namespace

ListEntries DimmerDeviceEntries()
{
    return generate(1, kDimmerDevices, [](int d) { return "Dimmer Output Device: " + Hex2(d); });
}

ListEntries DimmerOutputEntries()
{
    return generate(1, kDimmerOutputs, [](int o) { return "Output: " + FormatNumber(o); });
}

ListEntries PercentEntries(std::string_view prefix, int first, int last)
{
    return generate(first, last, [prefix](int p) { return std::string(prefix) + FormatNumber(p) + "%"; });
}

ListEntries PhotocellOrPercentEntries(std::string_view prefix)
{
    ListEntries entries{std::string(prefix) + "PhotoCell"};
    for (std::string& entry : PercentEntries(prefix)) entries.push_back(std::move(entry));
    return entries;
}

ListEntries FadeRateEntries()
{
    return generate(0, 42, [](int code) { return "Fade Rate: " + DimFadeSeconds(code) + " Sec"; });
}

ListEntries TrackingEntries()
{
    return {"PC Tracking: Disabled", "PC Tracking: 2 point", "PC Tracking: 3 point", "PC Tracking: Setpoint"};
}

ListEntries PhotocellStationEntries()
{
    return generate(1, 64, [](int d) { return "Device: " + Hex2(d); });
}

ListEntries TargetEntries()
{
    return generate(0, 255, [](int n) {
        return "Target: " + FormatNumber(n) + "/255 (" + FormatNumber(PCLevelToFC(static_cast<int16_t>(n))) + " fc)";
    });
}

ListEntries DmxChannelEntries()
{
    ListEntries entries{"DMX - Disabled"};
    for (int c = 1; c <= 512; ++c) entries.push_back("DMX Channel: " + FormatNumber(c));
    return entries;
}

ListEntries NumberedEntries(std::string_view prefix, int count)
{
    return generate(1, count, [prefix](int n) { return std::string(prefix) + Format00(n); });
}

ListEntries ControlTypeEntries()
{
    return {"Control - Unused", "Control - Input", "Control - Timer", "Control - Preset", "Control - Invert In"};
}

ListEntries ControlSourceEntries()
{
    ListEntries entries{"Hardwired"};
    for (int d = 1; d <= 64; ++d) entries.push_back("D:" + Hex2(d));
    return entries;
}

ListEntries ControlActionEntries() { return generate(0, 105, DimActionText); }

ListEntries ControlFadeEntries() { return {"Fade", "Instant"}; }

ListEntries ControlRevertEntries()
{
    ListEntries entries{"Revert When Input Opens", "Never Revert"};
    for (int m = 5; m <= 600; m += 5) entries.push_back("Revert After " + FormatNumber(m) + " Min");
    return entries;
}

int TrackingModeOfPosition(int position)
{
    constexpr std::array<int, 4> kModes = {kTrackingDisabled, kTrackingTwoPoint, kTrackingThreePoint, kTrackingSetpoint};
    return position >= 0 && position < 4 ? kModes[static_cast<std::size_t>(position)] : -1;
}

// The mapping swaps 2 and 3 and is its own inverse.
int TrackingPositionOfMode(int mode) { return TrackingModeOfPosition(mode); }
