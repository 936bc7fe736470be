#include <array>
#include <string>
#include <string_view>

#include "core/hexText.h"
#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "document/engine/docInputControl.h"
#include "document/engine/docSections.h"
#include "document/engine/docText.h"
#include "editors/engine/pilotWord.h"
#include "stations/engine/stationFamilies.h"

namespace {

// Device texts as the schedule prints them; the "6/7/8 Button" is documented as a
// six-button station.
constexpr std::array<std::string_view, 10> kDocDeviceTexts = {
    "", "1 Button", "2 Button", "3 Button", "4 Button", "5 Button", "6 Button", "4 Input", "8 Input", "PhotoCell",
};

const StationRecord& station(int s) { return tStation[static_cast<std::size_t>(s)]; }

// Inputs the input schedule documents; 0 for none or a damaged device type.
int scheduleRows(int deviceType)
{
    return deviceType == 6 ? 6 : StationInputsShown(deviceType);
}

// Photocell levels are bytes; the schedule shows whole percent, truncated.
std::string photocellLevels(const StationRecord& st, std::size_t k)
{
    return "Off:" + FormatDigits(VbInt(st.iOffLevel[k] / 2.55), 3) + "% On:" +
           FormatDigits(VbInt(st.iOnLevel[k] / 2.55), 3) + "%";
}

std::string pilotText(int16_t word)
{
    const int number = pilotNumber(word);
    switch (pilotSource(word)) {
    case 0: return (number & 1) != 0 ? "Static  On" : "Static  Off";
    case 1: return "Relay  " + Format00(number + 1);
    case 2: return "Group  " + Format00(number + 1);
    case 3: return "Preset  " + Format00(number + 1);
    default: return {};
    }
}

} // namespace

void DocTiverlinkInputSchedule(DocText& doc)
{
    doc.line({"[Tiverlink Input Schedule]"});
    doc.line({"Tiverlink Device", "Tiverlink Device Type", "Tiverlink Input", "Input Type", "Control"});
    for (int s = 1; s < kStationCount; ++s) {
        const StationRecord& st = station(s);
        const StationFamily family = StationFamilyOf(st.iDeviceType);
        const int rows = scheduleRows(st.iDeviceType);
        for (int k = 0; k < rows; ++k) {
            const auto kk = static_cast<std::size_t>(k);
            const InputTargets targets{[&](int j) { return st.iRelayAction(k, j); },
                                       [&](int j) { return st.iGroupAction(k, j); }, st.iPresetNumber[kk]};
            std::string typeText;
            std::string control;
            if (family == StationFamily::Photocell) {
                typeText = photocellLevels(st, kk);
                control = RelaysThenGroups(targets);
            } else {
                const int kind = StationInputKind(family, st.iInputType[kk]);
                typeText = InputTypeText(kind, st.lTimedOnMinutes[kk]);
                control = InputControlList(kind, targets);
            }
            doc.line({Hex2(s), kDocDeviceTexts[static_cast<std::size_t>(st.iDeviceType)],
                      StationInputName(st.sName, k), typeText, control});
        }
    }
}

void DocTiverlinkPilotSchedule(DocText& doc)
{
    doc.line({"[Tiverlink Pilot Schedule]"});
    doc.line({"Tiverlink Device", "Tiverlink Input", "Pilot"});
    // Station 0 is walked too; no editor ever gives it a device type.
    for (int s = 0; s < kStationCount; ++s) {
        const StationRecord& st = station(s);
        // Photocells have no pilot lamps.
        const int rows = st.iDeviceType == 9 ? 0 : scheduleRows(st.iDeviceType);
        for (int k = 0; k < rows; ++k) {
            const std::string pilot = pilotText(st.iPilot[static_cast<std::size_t>(k)]);
            if (pilot.empty()) continue;
            doc.line({Hex2(s), StationInputName(st.sName, k), pilot});
        }
    }
}
