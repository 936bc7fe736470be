#include "shell/mainMenuTree.h"

namespace {

MainMenuEntry item(const char* name, const char* caption, const char* form = nullptr)
{
    return {name, caption, form, {}};
}

MainMenuEntry menu(const char* name, const char* caption, std::vector<MainMenuEntry> children)
{
    return {name, caption, nullptr, std::move(children)};
}

std::vector<MainMenuEntry> buildTree()
{
    return {
        menu("mnuFile", "&File",
             {item("mnuNew", "New"), item("mnuOpen", "Open"), item("mnuSave", "Save"),
              item("mnuSaveAs", "Save As"), item("mnuSpace", "-"), item("mnuExit", "Exit")}),
        item("mnuConnect", "&Connect", "frmB3Connect"),
        item("mnuSetup", "&Setup", "frmB3Setup"),
        menu("mnuEdit", "&Edit",
             {
                 menu("mnuRelayOutputs", "Relay Outputs",
                      {item("mnuRelayStatus", "Relay Status", "frmB3RelayStatus"),
                       item("mnuGroupStatus", "Group Status", "frmB3RelayGroupStatus"),
                       item("mnuRelayOutputOptions", "Relay Output Options", "frmB3RelayOutputOptions"),
                       item("mnuRelayGrouping", "Relay Grouping", "frmB3RelayGrouping")}),
                 menu("mnuSwitchInputs", "Switch Inputs",
                      {menu("mnuLocalInputs", "Local Inputs",
                            {item("mnuInputStatus", "Input Status", "frmB3InputStatus"),
                             item("mnuInputOptions", "Input Options", "frmB3InputOptions"),
                             item("mnuInputToRelayControl", "Input To Relay Control", "frmB3InputToRelayControl"),
                             item("mnuInputToGroupControl", "Input To Group Control", "frmB3InputToGroupControl")}),
                       menu("mnuTiverlinkInputs", "Tiverlink Inputs",
                            {item("mnuTiverlinkStatus", "Tiverlink Status", "frmB3TiverlinkStatus"),
                             item("mnuConfigureTiverlinkDevices", "Configure Tiverlink Devices",
                                  "frmB3ConfigureTiverlinkDevices"),
                             item("mnuTiverlinkInputToRelayControl", "Tiverlink Input To Relay Control",
                                  "frmB3TiverlinkInputToRelayControl"),
                             item("mnuTiverlinkInputToGroupControl", "Tiverlink Input To Group Control",
                                  "frmB3TiverlinkInputToGroupControl")})}),
                 menu("mnuSwitchPilots", "Switch Pilots",
                      {item("mnuLocalInputPilots", "Local Input Pilots", "frmB3LocalInputPilots"),
                       item("mnuTiverlinkPilots", "Tiverlink Pilots", "frmB3TiverlinkPilots")}),
                 menu("mnuTimers", "Timers",
                      {item("mnuConfigureTimers", "Configure Timers", "frmB3TimersConfigure"),
                       item("mnuTimerToRelayControl", "Timer To Relay Control", "frmB3TimerToRelayControl"),
                       item("mnuTimerToGroupControl", "Timer To Group Control", "frmB3TimerToGroupControl"),
                       item("mnuTimerToPresetControl", "Timer To Preset Control", "frmB3TimerToPresetControl"),
                       item("mnuBlinkAlertAndAlarmSettings", "Blink Alert And Alarm Settings",
                            "frmB3BlinkAlertAndAlarmSettings"),
                       item("mnuConfigureTimedOn", "Configure Timed-On", "frmB3ConfigureTimedOn"),
                       item("mnuForceTimers", "Force Timers", "frmB3ForceTimers")}),
                 menu("mnuSetTimes", "Set Times",
                      {item("mnuDaylightSavingTime", "Daylight Saving Time", "frmB3DaylightSavingTime"),
                       item("mnuAstroClockSettings", "Astro Clock Settings", "frmB3AstroClockSettings"),
                       menu("mnuOpenAndCloseTimes", "Open And Close Times",
                            {item("mnuOpenCloseTimeNormalDays", "Normal Days", "frmB3OpenAndCloseTimeNormalDays"),
                             item("mnuOpenCloseTimeSingleDates", "Single Dates",
                                  "frmB3OpenAndCloseTimeSingleDates")}),
                       menu("mnuOffHoursSweeps", "Off Hours Sweeps",
                            {item("mnuOffHoursSweepInterval", "Interval", "frmB3OffHoursSweepInterval"),
                             item("mnuOffHoursSweepRelays", "Relays", "frmB3OffHoursSweepRelays"),
                             item("mnuOffHoursSweepGroups", "Groups", "frmB3OffHoursSweepGroups")}),
                       item("mnuInputActiveTimes", "Input Active Times", "frmB3InputActiveTimes")}),
                 menu("mnuPresets", "Presets",
                      {item("mnuEditPresets", "Edit Presets", "frmB3EditPresets"),
                       item("mnuCapturePresets", "Capture Presets", "frmB3CapturePresets")}),
                 item("mnuAddOnModules", "Add-On Modules"),
                 menu("mnuDimmers", "Dimmers",
                      {item("mnuConfigureDimmers", "Configure Dimmers Outputs", "frmB3DimmerOutput"),
                       item("mnuDimmerToRelayControl", "Dimmer Output / Relay Control", "frmB3DimmerRelayControl")}),
                 menu("mnuSpecialFunctions", "Special Functions",
                      {menu("mnuEditNames", "Edit Names",
                            {item("mnuEditPanelName", "Edit Panel Name", "frmB3EditPanelName"),
                             item("mnuEditRelayNames", "Edit Relay Names", "frmB3EditRelayNames"),
                             item("mnuEditGroupNames", "Edit Group Names", "frmB3EditGroupNames"),
                             item("mnuEditInputNames", "Edit Input Names", "frmB3EditInputNames"),
                             item("mnuEditTimerNames", "Edit Timer Names", "frmB3EditTimerNames"),
                             item("mnuEditPresetNames", "Edit Preset Names", "frmB3EditPresetNames"),
                             item("mnuEditTiverlinkNames", "Edit Tiverlink Names", "frmB3EditTiverlinkNames")}),
                       item("mnuPhotocellFilter", "Photocell Filter", "frmB3PhotocellFilter"),
                       item("mnuRelayDrive", "Relay Drive", "frmB3RelayDrive"),
                       item("mnuRTCSource", "RTC Source", "frmB3RTCSource")}),
             }),
        item("mnuDocument", "&Document", "frmB3Document"),
        item("mnuAbout", "&About", "frmB3About"),
    };
}

} // namespace

const std::vector<MainMenuEntry>& MainMenuTree()
{
    static const std::vector<MainMenuEntry> tree = buildTree();
    return tree;
}
