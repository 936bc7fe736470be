// Each documentation section over a configuration that uses its codes, including
// codes that only a damaged file or an upload can bring in.
#include "core/modB3Dimmers.h"
#include "documentTestSupport.h"

namespace {

StationRecord& station(int s) { return tStation[static_cast<std::size_t>(s)]; }

} // namespace

TEST_F(DocumentTest, PanelSettingsWithDmxNodesAndDroppedCodes)
{
    PanelConfig& c = tConfig;
    c.sPanelName = "LOBBY PANEL";
    c.iNodeIO[0] = 8;
    c.iNodeIO[1] = 4;
    c.iNodeIO[3] = 4;  // past point 48: numbered on, not counted
    c.iAddOnModule = 1;
    c.iLatitude = 20;
    c.iLongitude = 150;
    c.iTimeZone = 5;  // no such zone: its line goes
    c.iDSTStartWeek = 5;
    c.iDSTStartMonth = 13;  // no such month: its line goes
    c.iDSTEndWeek = 0;
    c.iDSTEndMonth = 12;
    c.iBlinkAlertMinutes = 99;
    c.iOverrideMinutes = 999;
    c.iAlarmSeconds = 1;
    c.bTimedOnBeginsOnClose = -1;
    c.iSweepInterval = 2;
    c.bPhotocellFilter2Sec = -1;
    c.iComPort = 16;
    iConnectionType = kConnectionTcpIp;
    c.iDMXOffLevel = 5;
    c.iDMXOnLevel = 100;
    c.iDMXFilter = 15;
    expectLines(sectionLines(0), {
                                     "[Panel Settings]",
                                     "Panel Name\tLOBBY PANEL",
                                     "I/O Count\t48",
                                     "Node 1\t32 I/O\t01-32",
                                     "Node 2\t16 I/O\t33-48",
                                     "Node 3\tNo I/O",
                                     "Node 4\t16 I/O\t49-64",
                                     "Node 5\tNo I/O",
                                     "Node 6\tNo I/O",
                                     "Node 7\tNo I/O",
                                     "Node 8\tNo I/O",
                                     "Node 9\tNo I/O",
                                     "Node A\tNo I/O",
                                     "Node B\tNo I/O",
                                     "Node C\tNo I/O",
                                     "AddOn Module Type\tDMX",
                                     "Latitude\t020",
                                     "Longitude\t150",
                                     "Automatic DST Adjustment\tEnabled",
                                     "DST Start Week\tLast",
                                     "DST End Month\tDec",
                                     "Blink Alert (Min)\t099",
                                     "Override (Min)\t999",
                                     "Alarm (Sec)\t001",
                                     "Timed-On Timers Begin When Input\tCloses",
                                     "Off Hours Sweep Interval (Hours)\t3",
                                     "Photocell Filter Time (Seconds)\t2",
                                     "Comm Port: \t16",
                                     "Connection Type\tRS232",
                                     "DMX Off Level(%)\t005",
                                     "DMX On  Level(%)\t100",
                                     "DMX Filter\t15",
                                 });

    // MODBUS settings instead of DMX; no DST details while DST is off.
    c.iAddOnModule = 2;
    c.bDSTEnabled = 0;
    c.iModBusMode = 1;
    c.iModBusBaud = 3;
    c.iModBusParity = 7;
    std::vector<std::string> lines = sectionLines(0);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[15], "AddOn Module Type\tMODBus");
    EXPECT_EQ(lines[18], "Automatic DST Adjustment\tDisabled");
    EXPECT_EQ(lines[19], "Blink Alert (Min)\t099");
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"Connection Type\tRS232", "MODBus Protocol\tRTU", "MODBus Baud Rate\t4800"}));

    c.iAddOnModule = 6;
    lines = sectionLines(0);
    EXPECT_EQ(lines[15], "Latitude\t020");
    EXPECT_EQ(lines.back(), "Connection Type\tRS232");
}

TEST_F(DocumentTest, RelayAndGroupSchedules)
{
    PanelConfig& c = tConfig;
    c.iInputToRelayControl(2, 0) = 3;       // input 3 on relay 1
    c.iInputToRelayControl(4, 0) = 1;       // input 5 is not installed
    c.iTimerToRelayControl(11, 0) = 2;      // timer 12
    c.bRelayInGroup(0, 0) = -1;
    c.bRelayInGroup(1, 0) = -1;
    c.bRelayInGroup(1, 3) = -1;
    c.bRelayInGroup(1, 4) = -1;             // relay 5 is not installed
    c.iPresetRelayState(4, 0) = 2;          // preset 5 turns relay 1 off
    c.iPresetRelayState(47, 1) = 1;
    c.iRelayPowerOnType[1] = 3;
    c.iRelayTimerType[1] = 6;
    c.iRelayPowerOnType[2] = 4;             // damaged codes: empty fields
    c.iRelayTimerType[2] = -1;
    c.sRelayName[3] = "HALL, EAST";
    station(1).iDeviceType = 2;
    station(1).iRelayAction(1, 0) = 1;      // TL-01.2
    station(16).iDeviceType = 7;
    station(16).iRelayAction(7, 0) = 4;     // input 8 of a 4 Input station still counts
    station(5).iRelayAction(0, 0) = 1;      // a station of type None is skipped
    station(16).iGroupAction(0, 1) = 2;
    c.iInputToGroupControl(0, 1) = 1;
    c.iTimerToGroupControl(47, 1) = 1;
    expectLines(sectionLines(1), {
                                     "[Relay Schedule]",
                                     "Relay\tRelay Name\tVoltage\tCircuit\tPower On\tTimer Type\tLocal Control\t"
                                     "Tiverlink Control\tGroups\tPresets",
                                     "01\tRELAY 01\t\t\tOff\tNo Blink\tI03,T12\tTL-01.2,TL-10.8\tG01,G02\tP05",
                                     "02\tRELAY 02\t\t\tLast State\tPulsed On\t\t\t\tP48",
                                     "03\tRELAY 03\t\t\t\t\t\t\t\t",
                                     "04\tHALL, EAST\t\t\tOff\tNo Blink\t\t\tG02\t",
                                 });
    const std::vector<std::string> groups = sectionLines(2);
    ASSERT_EQ(groups.size(), 50u);
    EXPECT_EQ(groups[0], "[Group Schedule]");
    EXPECT_EQ(groups[2], "01\tGROUP 01\t\t\tR01");
    EXPECT_EQ(groups[3], "02\tGROUP 02\tI01,T48\tTL-10.1\tR01,R04");
    EXPECT_EQ(groups[49], "48\tGROUP 48\t\t\t");
}

TEST_F(DocumentTest, LocalInputScheduleByInputType)
{
    PanelConfig& c = tConfig;
    c.iNodeIO[0] = 2;
    c.iInputType[0] = 5;                    // Timed On
    c.lInputTimedOnMinutes[0] = 10;
    c.iInputToRelayControl(0, 1) = 1;
    c.iInputToGroupControl(0, 2) = 1;
    c.iInputEnableTime[0] = 32;
    c.iInputDisableTime[0] = 84;
    c.iInputType[1] = 4;                    // Set Preset: the relay row is ignored
    c.iInputPreset[1] = 6;
    c.iInputToRelayControl(1, 0) = 1;
    c.iInputType[2] = 12;                   // Force Timer
    c.iInputToRelayControl(2, 0) = 1;
    c.iInputToRelayControl(2, 47) = 2;
    c.iInputToGroupControl(2, 0) = 1;
    c.iInputType[3] = 9;                    // Input Disable: inputs, never past the count
    c.iInputToRelayControl(3, 0) = 1;
    c.iInputToRelayControl(3, 7) = 1;
    c.iInputToRelayControl(3, 8) = 1;
    c.iInputType[4] = 13;                   // no such type
    c.iInputToRelayControl(4, 0) = 1;
    c.iInputType[5] = 10;                   // Timer Disable
    c.iInputToRelayControl(5, 4) = 1;
    c.iInputType[6] = 11;
    c.iInputToRelayControl(6, 0) = 1;
    c.iInputToRelayControl(6, 8) = 1;       // relay 9 is not installed
    c.iInputToGroupControl(6, 47) = 1;
    c.iInputType[7] = 3;
    c.iInputEnableTime[7] = 95;
    c.iInputDisableTime[7] = 48;
    expectLines(sectionLines(3), {
                                     "[Local Input Schedule]",
                                     "Input Number\tInput Name\tInput Type\tEnable Time\tDisable Time\tControl",
                                     "01\tINPUT 01\tTimed On 010 Min\t8:00A\t9:00P\tR02,G03",
                                     "02\tINPUT 02\tSet Preset\t12:00A\t12:00A\tP07",
                                     "03\tINPUT 03\tForce Timer\t12:00A\t12:00A\tT01,T48",
                                     "04\tINPUT 04\tInput Disable\t12:00A\t12:00A\tI01,I08",
                                     "05\tINPUT 05\t\t12:00A\t12:00A\t",
                                     "06\tINPUT 06\tTimer Disable\t12:00A\t12:00A\tT05",
                                     "07\tINPUT 07\tOutput Override\t12:00A\t12:00A\tR01,G48",
                                     "08\tINPUT 08\tMaint. Multi-Way\t11:45P\t12:00P\t",
                                 });
}

TEST_F(DocumentTest, LocalInputPilots)
{
    PanelConfig& c = tConfig;
    c.iNodeIO[0] = 2;
    c.iInputPilot[0] = 64 + 11;
    c.iInputPilot[1] = 128 + 47;
    c.iInputPilot[2] = 192;                 // source 3: no row
    c.iInputPilot[3] = -1;                  // damaged: no row
    c.iInputPilot[4] = 0;
    c.iInputPilot[8] = 64;                  // not installed
    expectLines(sectionLines(5), {
                                     "[Local Input Pilot Schedule]",
                                     "Input Number\tInput Name\tPilot",
                                     "01\tINPUT 01\tGroup  12",
                                     "02\tINPUT 02\tPreset 48",
                                     "05\tINPUT 05\tRelay  01",
                                     "06\tINPUT 06\tRelay  06",
                                     "07\tINPUT 07\tRelay  07",
                                     "08\tINPUT 08\tRelay  08",
                                 });
}

TEST_F(DocumentTest, StationInputScheduleByFamily)
{
    StationRecord& buttons = station(3);
    buttons.iDeviceType = 2;
    buttons.iInputType[0] = 1;              // Set Preset
    buttons.iPresetNumber[0] = 3;
    buttons.iRelayAction(0, 5) = 1;
    buttons.iInputType[1] = 0;              // Momentary PB
    buttons.iRelayAction(1, 0) = 1;
    buttons.iRelayAction(1, 4) = 1;         // relay 5 is not installed
    buttons.iGroupAction(1, 1) = 3;

    StationRecord& six = station(10);
    six.iDeviceType = 6;
    six.sName = "FOYER";
    six.iInputType[0] = 2;                  // Timed On
    six.lTimedOnMinutes[0] = 15;
    six.iInputType[1] = 7;                  // outside the button list
    six.iRelayAction(1, 0) = 1;
    six.iInputType[6] = 3;                  // inputs 7 and 8 are not documented

    StationRecord& four = station(0x11);
    four.iDeviceType = 7;
    four.iInputType[0] = 8;                 // Timer Disable: timers, no groups
    four.iRelayAction(0, 0) = 1;
    four.iRelayAction(0, 47) = 1;
    four.iGroupAction(0, 0) = 1;
    four.iInputType[1] = 2;
    four.iInputType[2] = 4;
    four.lTimedOnMinutes[2] = 999;
    four.iInputType[3] = 10;

    StationRecord& eight = station(0x20);
    eight.iDeviceType = 8;
    for (int k = 0; k < 8; ++k) eight.iInputType[static_cast<std::size_t>(k)] = static_cast<int16_t>(k);

    StationRecord& photocell = station(0x40);
    photocell.iDeviceType = 9;
    photocell.iOnLevel[0] = 255;
    photocell.iOffLevel[1] = 128;
    photocell.iOnLevel[1] = 3;
    photocell.iRelayAction(1, 2) = 1;
    photocell.iGroupAction(1, 0) = 1;

    station(0x30).iDeviceType = 12;         // damaged: no rows
    station(0x30).iRelayAction(0, 0) = 1;

    expectLines(sectionLines(4), {
                                     "[Tiverlink Input Schedule]",
                                     "Tiverlink Device\tTiverlink Device Type\tTiverlink Input\tInput Type\tControl",
                                     "03\t2 Button\tTLINK 03.1\tSet Preset\tP04",
                                     "03\t2 Button\tTLINK 03.2\tMomentary PB\tR01,G02",
                                     "0A\t6 Button\tFOYER.1\tTimed On 015 Min\t",
                                     "0A\t6 Button\tFOYER.2\t\t",
                                     "0A\t6 Button\tFOYER.3\tMomentary PB\t",
                                     "0A\t6 Button\tFOYER.4\tMomentary PB\t",
                                     "0A\t6 Button\tFOYER.5\tMomentary PB\t",
                                     "0A\t6 Button\tFOYER.6\tMomentary PB\t",
                                     "11\t4 Input\tTLINK 11.1\tTimer Disable\tT01,T48",
                                     "11\t4 Input\tTLINK 11.2\tMaint. On/Off\t",
                                     "11\t4 Input\tTLINK 11.3\tTimed On 999 Min\t",
                                     "11\t4 Input\tTLINK 11.4\t\t",
                                     "20\t8 Input\tTLINK 20.1\tMaint. On/Off\t",
                                     "20\t8 Input\tTLINK 20.2\tSet Preset\tP01",
                                     "20\t8 Input\tTLINK 20.3\tTimed On 010 Min\t",
                                     "20\t8 Input\tTLINK 20.4\t2 Step\t",
                                     "20\t8 Input\tTLINK 20.5\t4 Step\t",
                                     "20\t8 Input\tTLINK 20.6\t\t",
                                     "20\t8 Input\tTLINK 20.7\t\t",
                                     "20\t8 Input\tTLINK 20.8\t\t",
                                     "40\tPhotoCell\tTLINK 40.1\tOff:000% On:100%\t",
                                     "40\tPhotoCell\tTLINK 40.2\tOff:050% On:001%\tR03,G01",
                                     "40\tPhotoCell\tTLINK 40.3\tOff:000% On:000%\t",
                                     "40\tPhotoCell\tTLINK 40.4\tOff:000% On:000%\t",
                                     "40\tPhotoCell\tTLINK 40.5\tOff:000% On:000%\t",
                                     "40\tPhotoCell\tTLINK 40.6\tOff:000% On:000%\t",
                                     "40\tPhotoCell\tTLINK 40.7\tOff:000% On:000%\t",
                                     "40\tPhotoCell\tTLINK 40.8\tOff:000% On:000%\t",
                                 });
}

TEST_F(DocumentTest, StationPilotSchedule)
{
    station(0x1A).iDeviceType = 3;
    StationRecord& six = station(0x21);
    six.iDeviceType = 6;
    const std::array<int16_t, 8> words = {65, 128, 239, 1, 256, -1, 64, 64};
    for (std::size_t k = 0; k < 8; ++k) six.iPilot[k] = words[k];
    station(0x22).iDeviceType = 9;          // photocells have no pilots
    station(0x22).iPilot[0] = 64;
    station(0x23).iDeviceType = 7;
    station(0x23).iPilot[3] = 192 + 2;
    station(0x24).iDeviceType = 15;         // damaged type: nothing
    expectLines(sectionLines(6), {
                                     "[Tiverlink Pilot Schedule]",
                                     "Tiverlink Device\tTiverlink Input\tPilot",
                                     "1A\tTLINK 1A.1\tStatic  Off",
                                     "1A\tTLINK 1A.2\tStatic  Off",
                                     "1A\tTLINK 1A.3\tStatic  Off",
                                     "21\tTLINK 21.1\tRelay  02",
                                     "21\tTLINK 21.2\tGroup  01",
                                     "21\tTLINK 21.3\tPreset  48",
                                     "21\tTLINK 21.4\tStatic  On",
                                     "23\tTLINK 23.1\tStatic  Off",
                                     "23\tTLINK 23.2\tStatic  Off",
                                     "23\tTLINK 23.3\tStatic  Off",
                                     "23\tTLINK 23.4\tPreset  03",
                                 });
}

TEST_F(DocumentTest, TimerScheduleTimesDaysAndLists)
{
    PanelConfig& c = tConfig;
    c.iNodeIO[0] = 3;
    auto setTimer = [&](int t, int time, int minute, int days) {
        c.iTimerTime[static_cast<std::size_t>(t)] = static_cast<int16_t>(time);
        c.iTimerMinute[static_cast<std::size_t>(t)] = static_cast<int16_t>(minute);
        c.iTimerDays[static_cast<std::size_t>(t)] = static_cast<int16_t>(days);
    };
    setTimer(0, 24, 30, 0);
    setTimer(1, 27, 231, 1);
    setTimer(2, 248, 0, 255);
    setTimer(3, 13, 5, 128);
    setTimer(4, 28, 0, 0x41);               // between the relative ranges
    setTimer(5, 252, 0, 0);                 // past the last range
    setTimer(6, 187, 15, 0);
    setTimer(7, 23, 45, 0);
    c.iTimerHolidayMonth[8] = 12;
    c.iTimerHolidayDate[8] = 25;
    c.iTimerDays[8] = 255;
    c.iTimerHolidayMonth[9] = 1;
    for (int r : {0, 1, 9}) c.iTimerToRelayControl(10, r) = 1;
    c.iTimerToRelayControl(10, 11) = 2;
    c.iTimerToRelayControl(10, 12) = 1;     // relay 13 is not installed
    c.iTimerToRelayControl(10, 2) = 3;      // not an on or off code
    c.iTimerToGroupControl(10, 47) = 2;
    c.iTimerToGroupControl(10, 4) = 1;
    c.iTimerToPresetControl(10, 0) = 1;
    c.iTimerToPresetControl(10, 47) = 5;
    const std::vector<std::string> lines = sectionLines(7);
    ASSERT_EQ(lines.size(), 50u);
    expectLines(std::vector<std::string>(lines.begin(), lines.begin() + 13),
                {
                    "[Timer Relay/Group/Preset Schedule]",
                    "Timer Number\tTimer Name\tTime\tDays\tOff Relays\tOn Relays\tOff Groups\tOn Groups\tPresets",
                    "01\tTIMER 01\t030 Before Sunrise\tSMTWTFSH\t\t\t\t\t",
                    "02\tTIMER 02\t999 Before Sunrise\t-MTWTFSH\t\t\t\t\t",
                    "03\tTIMER 03\t000 After Close\t--------\t\t\t\t\t",
                    "04\tTIMER 04\t1:05P\tSMTWTFS-\t\t\t\t\t",
                    "05\tTIMER 05\t\t-MTWTF-H\t\t\t\t\t",
                    "06\tTIMER 06\t\tSMTWTFSH\t\t\t\t\t",
                    "07\tTIMER 07\t783 After Open\tSMTWTFSH\t\t\t\t\t",
                    "08\tTIMER 08\t11:45P\tSMTWTFSH\t\t\t\t\t",
                    "09\tTIMER 09\t12:00A\t12/25\t\t\t\t\t",
                    "10\tTIMER 10\t12:00A\t01/01\t\t\t\t\t",
                    "11\tTIMER 11\t12:00A\tSMTWTFSH\t12\t1,2,10\t48\t5\t1,48",
                });
}

TEST_F(DocumentTest, PresetScheduleAndSweeps)
{
    PanelConfig& c = tConfig;
    c.iNodeIO[0] = 3;
    c.iPresetRelayState(0, 2) = 2;
    c.iPresetRelayState(0, 11) = 2;
    c.iPresetRelayState(0, 0) = 1;
    c.iPresetRelayState(0, 12) = 1;         // relay 13 is not installed
    c.iPresetRelayState(47, 5) = 9;         // neither on nor off
    const std::vector<std::string> presets = sectionLines(8);
    ASSERT_EQ(presets.size(), 50u);
    EXPECT_EQ(presets[1], "Preset Number\tPreset Name\tOff Relays\tOn Relays");
    EXPECT_EQ(presets[2], "01\tPRESET 01\t3,12\t1");
    EXPECT_EQ(presets[49], "48\tPRESET 48\t\t");

    c.bSweepRelay[1] = -1;
    c.bSweepRelay[12] = -1;                 // not installed
    c.bSweepGroup[47] = 1;
    c.iNodeIO[0] = 1;
    const std::vector<std::string> sweeps = sectionLines(9);
    ASSERT_EQ(sweeps.size(), 56u);
    expectLines(std::vector<std::string>(sweeps.begin(), sweeps.begin() + 9),
                {
                    "[Off Hours Sweeps Relay Schedule]",
                    "Relay Number\tRelay Name\tInclude In Off Hours Sweeps",
                    "01\tRELAY 01\tNo",
                    "02\tRELAY 02\tYes",
                    "03\tRELAY 03\tNo",
                    "04\tRELAY 04\tNo",
                    "[Off Hours Sweeps Group Schedule]",
                    "Group Number\tGroup Name\tInclude In Off Hours Sweeps",
                    "01\tGROUP 01\tNo",
                });
    EXPECT_EQ(sweeps[55], "48\tGROUP 48\tYes");

    c.iNodeIO[0] = 0;
    EXPECT_EQ(sectionLines(9).size(), 52u);
    EXPECT_EQ(sectionLines(8)[2], "01\tPRESET 01\t\t");
}

TEST_F(DocumentTest, OpenAndCloseTimes)
{
    PanelConfig& c = tConfig;
    c.iOpenTime[0] = 0;
    c.iCloseTime[0] = 95;
    c.iOpenTime[6] = 100;                   // weekdays always print a time
    c.iDateOpenTime(1, 28) = 48;            // Feb 29
    c.iDateCloseTime(1, 28) = 84;
    c.iDateOpenTime(0, 0) = 100;            // no time, whatever the close time
    c.iDateCloseTime(0, 0) = 40;
    c.iDateOpenTime(11, 30) = 96;
    c.iDateCloseTime(11, 30) = 97;
    c.iDateOpenTime(0, 1) = 97;
    c.iDateOpenTime(3, 30) = 20;            // April 31 is never listed
    const std::vector<std::string> lines = sectionLines(10);
    ASSERT_EQ(lines.size(), 1u + 1 + 7 + 1 + 366);
    EXPECT_EQ(lines[2], "Sunday\t12:00A\t11:45P");
    EXPECT_EQ(lines[8], "Saturday\t1:00A\t9:00P");
    EXPECT_EQ(lines[9], "Date Of Year\tOpen Time\tClose Time");
    EXPECT_EQ(lines[10], "Jan 01\t--:--\t--:--");
    EXPECT_EQ(lines[11], "Jan 02\t--:--\t--:--");
    EXPECT_EQ(lines[10 + 31 + 28], "Feb 29\t12:00P\t9:00P");
    EXPECT_EQ(lines[10 + 31 + 29 + 31 + 29], "Apr 30\t--:--\t--:--");
    EXPECT_EQ(lines[10 + 31 + 29 + 31 + 30], "May 01\t--:--\t--:--");
    EXPECT_EQ(lines.back(), "Dec 31\t12:00A\t12:15A");
}
