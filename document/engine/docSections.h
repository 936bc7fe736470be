#pragma once
// The section writers of the documentation file, in the order of the file. Each reads
// the configuration (record, station records, dimmer table through its getters) and
// appends its lines; none changes anything.

class DocText;

void DocPanelSettings(DocText& doc);
void DocRelaySchedule(DocText& doc);
void DocGroupSchedule(DocText& doc);
void DocLocalInputSchedule(DocText& doc);
void DocTiverlinkInputSchedule(DocText& doc);
void DocLocalInputPilotSchedule(DocText& doc);
void DocTiverlinkPilotSchedule(DocText& doc);
void DocTimerSchedule(DocText& doc);
void DocPresetSchedule(DocText& doc);
void DocOffHoursSweepsSchedule(DocText& doc);
void DocOpenCloseTimesSchedule(DocText& doc);
void DocDimmers(DocText& doc);
void DocDMXSchedule(DocText& doc);
