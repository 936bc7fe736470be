#pragma once
// Every child form that closing the child forms and exiting unload, in the order they
// unload them. The setup form (unloaded first) and the connect form (only hidden,
// unloaded at exit) are handled apart. A form not built into this program is simply
// absent from the registry and skipped.

#include <array>

inline constexpr std::array<const char*, 55> kChildFormsInUnloadOrder = {
    "frmB3RelayStatus",
    "frmB3RelayGroupStatus",
    "frmB3RelayOutputOptions",
    "frmB3RelayGrouping",
    "frmB3InputStatus",
    "frmB3InputOptions",
    "frmB3InputToRelayControl",
    "frmB3InputToGroupControl",
    "frmB3TiverlinkStatus",
    "frmB3ConfigureTiverlinkDevices",
    "frmB3TiverlinkInputToRelayControl",
    "frmB3TiverlinkInputToGroupControl",
    "frmB3LocalInputPilots",
    "frmB3TiverlinkPilots",
    "frmB3TimersConfigure",
    "frmB3TimerToRelayControl",
    "frmB3TimerToGroupControl",
    "frmB3TimerToPresetControl",
    "frmB3BlinkAlertAndAlarmSettings",
    "frmB3ConfigureTimedOn",
    "frmB3ForceTimers",
    "frmB3DaylightSavingTime",
    "frmB3AstroClockSettings",
    "frmB3OpenAndCloseTimeNormalDays",
    "frmB3OpenAndCloseTimeSingleDates",
    "frmB3OffHoursSweepInterval",
    "frmB3OffHoursSweepRelays",
    "frmB3OffHoursSweepGroups",
    "frmB3InputActiveTimes",
    "frmB3EditPresets",
    "frmB3CapturePresets",
    "frmB3AddOnModuleNone",
    "frmB3AddOnModuleDMX",
    "frmB3AddOnModuleModBus",
    "frmB3AddOnModuleN2",
    "frmB3AddOnModuleVoiceDTMF",
    "frmB3AddOnModuleBACnet",
    "frmB3EditPanelName",
    "frmB3EditRelayNames",
    "frmB3EditGroupNames",
    "frmB3EditInputNames",
    "frmB3EditTimerNames",
    "frmB3EditPresetNames",
    "frmB3EditTiverlinkNames",
    "frmB3PhotocellFilter",
    "frmB3RelayDrive",
    "frmB3RTCSource",
    "frmB3Document",
    "frmB3About",
    "frmB3VirtualKeypad",
    "frmB3SystemDiagnostic",
    "frmB3DimmerOutput",
    "frmB3DimmerRelayControl",
    "frmB3DimCopyCnf",
    "frmB3DimCopyCnt",
};

inline constexpr const char* kSetupFormName = "frmB3Setup";
inline constexpr const char* kConnectFormName = "frmB3Connect";
inline constexpr const char* kAboutFormName = "frmB3About";
