#include <array>
#include <string>
#include <string_view>

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "document/engine/docSections.h"
#include "document/engine/docText.h"

namespace {

// Every input of every configured station that acts on `target` in the given action
// table. All eight inputs are searched, whatever the device's real input count.
std::string stationControl(StationInputMatrix StationRecord::*table, int target)
{
    ListField list;
    for (int s = 1; s < kStationCount; ++s) {
        const StationRecord& station = tStation[static_cast<std::size_t>(s)];
        if (station.iDeviceType == 0) continue;
        for (int k = 0; k < 8; ++k)
            if ((station.*table)(k, target) != 0) list.add(StationInputRef(s, k));
    }
    return list.text();
}

} // namespace

void DocRelaySchedule(DocText& doc)
{
    const PanelConfig& c = tConfig;
    const int points = GetIOPointCount();
    doc.line({"[Relay Schedule]"});
    doc.line({"Relay", "Relay Name", "Voltage", "Circuit", "Power On", "Timer Type", "Local Control",
              "Tiverlink Control", "Groups", "Presets"});
    for (int r = 0; r < points; ++r) {
        const auto rr = static_cast<std::size_t>(r);
        ListField local;
        AddItemsWhere(local, 'I', points, [&](int i) { return c.iInputToRelayControl(i, r); });
        AddItemsWhere(local, 'T', 48, [&](int t) { return c.iTimerToRelayControl(t, r); });
        ListField groups;
        AddItemsWhere(groups, 'G', 48, [&](int g) { return c.bRelayInGroup(g, r); });
        ListField presets;
        AddItemsWhere(presets, 'P', 48, [&](int p) { return c.iPresetRelayState(p, r); });
        // Voltage and circuit have no place in the configuration: the columns are for
        // the installer to fill in.
        doc.line({ItemNumber(r), c.sRelayName[rr], "", "", codeText(kRelayPowerOnTypeNames, c.iRelayPowerOnType[rr]),
                  codeText(kRelayTimerTypeNames, c.iRelayTimerType[rr]), local.text(),
                  stationControl(&StationRecord::iRelayAction, r), groups.text(), presets.text()});
    }
}

void DocGroupSchedule(DocText& doc)
{
    const PanelConfig& c = tConfig;
    const int points = GetIOPointCount();
    doc.line({"[Group Schedule]"});
    doc.line({"Group", "Group Name", "Local Control", "Tiverlink Control", "Relays"});
    for (int g = 0; g < 48; ++g) {
        ListField local;
        AddItemsWhere(local, 'I', points, [&](int i) { return c.iInputToGroupControl(i, g); });
        AddItemsWhere(local, 'T', 48, [&](int t) { return c.iTimerToGroupControl(t, g); });
        ListField relays;
        AddItemsWhere(relays, 'R', points, [&](int r) { return c.bRelayInGroup(g, r); });
        doc.line({ItemNumber(g), c.sGroupName[static_cast<std::size_t>(g)], local.text(),
                  stationControl(&StationRecord::iGroupAction, g), relays.text()});
    }
}
