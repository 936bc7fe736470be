#include <string>

#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "document/engine/docInputControl.h"
#include "document/engine/docSections.h"
#include "document/engine/docText.h"
#include "editors/engine/pilotWord.h"

void DocLocalInputSchedule(DocText& doc)
{
    const PanelConfig& c = tConfig;
    doc.line({"[Local Input Schedule]"});
    doc.line({"Input Number", "Input Name", "Input Type", "Enable Time", "Disable Time", "Control"});
    const int points = GetIOPointCount();
    for (int i = 0; i < points; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        const int kind = c.iInputType[ii];
        const InputTargets targets{[&](int j) { return c.iInputToRelayControl(i, j); },
                                   [&](int j) { return c.iInputToGroupControl(i, j); }, c.iInputPreset[ii]};
        doc.line({ItemNumber(i), c.sInputName[ii], InputTypeText(kind, c.lInputTimedOnMinutes[ii]),
                  QuarterHourText(c.iInputEnableTime[ii]), QuarterHourText(c.iInputDisableTime[ii]),
                  InputControlList(kind, targets)});
    }
}

void DocLocalInputPilotSchedule(DocText& doc)
{
    const PanelConfig& c = tConfig;
    doc.line({"[Local Input Pilot Schedule]"});
    doc.line({"Input Number", "Input Name", "Pilot"});
    const int points = GetIOPointCount();
    for (int i = 0; i < points; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        const int16_t word = c.iInputPilot[ii];
        const int source = pilotSource(word);
        const std::string number = Format00(pilotNumber(word) + 1);
        std::string pilot;
        if (source == 0) pilot = "Relay  " + number;
        else if (source == 1) pilot = "Group  " + number;
        else if (source == 2) pilot = "Preset " + number;
        else continue;  // a source no editor offers: the input gets no row
        doc.line({ItemNumber(i), c.sInputName[ii], pilot});
    }
}
