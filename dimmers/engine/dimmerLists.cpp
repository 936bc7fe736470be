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
    return NumberEntries("Output: ", 1, kOutputsPerDimmer);
}

ListEntries NumberEntries(std::string_view prefix, int first, int last, std::string_view suffix, std::string_view head)
{
    ListEntries entries;
    if (!head.empty()) entries.emplace_back(head);
    for (int n = first; n <= last; ++n) entries.push_back(std::string(prefix) + FormatNumber(n) + std::string(suffix));
    return entries;
}

ListEntries PercentEntries(std::string_view prefix, int first, int last)
{
    return NumberEntries(prefix, first, last, "%");
}

ListEntries PhotocellOrPercentEntries(std::string_view prefix)
{
    return NumberEntries(prefix, 0, 100, "%", std::string(prefix) + "PhotoCell");
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

ListEntries DmxChannelEntries() { return NumberEntries("DMX Channel: ", 1, kMaxDmxChannel, {}, "DMX - Disabled"); }

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
