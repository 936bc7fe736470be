// The documentation file as a whole: the default configuration with every section,
// no section at all, and the time stamp.
#include "documentTestSupport.h"

namespace {

std::vector<std::string> defaultFileExpected()
{
    std::vector<std::string> e = {
        "[OVK Brevantine 3 Configuration Documentation File]",
        "Host Software\tVersion 1.02",
        "Brevantine 3 File Name\tNone",
        "Document Created\t03:07 PM 07/04/2025",
        "[Panel Settings]",
        "Panel Name\t",
        "I/O Count\t04",
        "Node 1\t04 I/O\t01-04",
        "Node 2\tNo I/O",
        "Node 3\tNo I/O",
        "Node 4\tNo I/O",
        "Node 5\tNo I/O",
        "Node 6\tNo I/O",
        "Node 7\tNo I/O",
        "Node 8\tNo I/O",
        "Node 9\tNo I/O",
        "Node A\tNo I/O",
        "Node B\tNo I/O",
        "Node C\tNo I/O",
        "AddOn Module Type\tNone",
        "Latitude\t045",
        "Longitude\t090",
        "Time Zone\tCentral",
        "Automatic DST Adjustment\tEnabled",
        "DST Start Week\t2nd",
        "DST Start Month\tMar",
        "DST End Week\t1st",
        "DST End Month\tNov",
        "Blink Alert (Min)\t010",
        "Override (Min)\t120",
        "Alarm (Sec)\t005",
        "Timed-On Timers Begin When Input\tOpens",
        "Off Hours Sweep Interval (Hours)\t1",
        "Photocell Filter Time (Seconds)\t30",
        "Comm Port: \t1",
        "Connection Type\tRS232",
        "[Relay Schedule]",
        "Relay\tRelay Name\tVoltage\tCircuit\tPower On\tTimer Type\tLocal Control\tTiverlink Control\tGroups\tPresets",
        "01\tRELAY 01\t\t\tOff\tNo Blink\t\t\t\t",
        "02\tRELAY 02\t\t\tOff\tNo Blink\t\t\t\t",
        "03\tRELAY 03\t\t\tOff\tNo Blink\t\t\t\t",
        "04\tRELAY 04\t\t\tOff\tNo Blink\t\t\t\t",
        "[Group Schedule]",
        "Group\tGroup Name\tLocal Control\tTiverlink Control\tRelays",
    };
    for (int g = 1; g <= 48; ++g) e.push_back(two(g) + "\tGROUP " + two(g) + "\t\t\t");
    e.push_back("[Local Input Schedule]");
    e.push_back("Input Number\tInput Name\tInput Type\tEnable Time\tDisable Time\tControl");
    for (int i = 1; i <= 4; ++i) e.push_back(two(i) + "\tINPUT " + two(i) + "\tMomentary On/Off\t12:00A\t12:00A\t");
    e.push_back("[Tiverlink Input Schedule]");
    e.push_back("Tiverlink Device\tTiverlink Device Type\tTiverlink Input\tInput Type\tControl");
    e.push_back("[Local Input Pilot Schedule]");
    e.push_back("Input Number\tInput Name\tPilot");
    // Each input's pilot follows its own relay by default.
    for (int i = 1; i <= 4; ++i) e.push_back(two(i) + "\tINPUT " + two(i) + "\tRelay  " + two(i));
    e.push_back("[Tiverlink Pilot Schedule]");
    e.push_back("Tiverlink Device\tTiverlink Input\tPilot");
    e.push_back("[Timer Relay/Group/Preset Schedule]");
    e.push_back("Timer Number\tTimer Name\tTime\tDays\tOff Relays\tOn Relays\tOff Groups\tOn Groups\tPresets");
    for (int t = 1; t <= 48; ++t) e.push_back(two(t) + "\tTIMER " + two(t) + "\t12:00A\tSMTWTFSH\t\t\t\t\t");
    e.push_back("[Preset Schedule]");
    e.push_back("Preset Number\tPreset Name\tOff Relays\tOn Relays");
    for (int p = 1; p <= 48; ++p) e.push_back(two(p) + "\tPRESET " + two(p) + "\t\t");
    e.push_back("[Off Hours Sweeps Relay Schedule]");
    e.push_back("Relay Number\tRelay Name\tInclude In Off Hours Sweeps");
    for (int r = 1; r <= 4; ++r) e.push_back(two(r) + "\tRELAY " + two(r) + "\tNo");
    e.push_back("[Off Hours Sweeps Group Schedule]");
    e.push_back("Group Number\tGroup Name\tInclude In Off Hours Sweeps");
    for (int g = 1; g <= 48; ++g) e.push_back(two(g) + "\tGROUP " + two(g) + "\tNo");
    e.push_back("[Open Close Times Schedule]");
    e.push_back("Day Of Week\tOpen Time\tClose Time");
    for (const char* day : {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})
        e.push_back(std::string(day) + "\t8:00A\t9:00P");
    e.push_back("Date Of Year\tOpen Time\tClose Time");
    const std::vector<std::pair<const char*, int>> months = {{"Jan", 31}, {"Feb", 29}, {"Mar", 31}, {"Apr", 30},
                                                             {"May", 31}, {"Jun", 30}, {"Jul", 31}, {"Aug", 31},
                                                             {"Sep", 30}, {"Oct", 31}, {"Nov", 30}, {"Dec", 31}};
    for (const auto& [month, days] : months)
        for (int d = 1; d <= days; ++d) e.push_back(std::string(month) + " " + two(d) + "\t--:--\t--:--");
    e.push_back("[Dimmer Outputs]");
    e.push_back("[End Of File]");
    return e;
}

} // namespace

TEST_F(DocumentTest, DefaultConfigurationWithEverySection)
{
    const std::string bytes = DocumentText(requestWithBoxes(true));
    const std::vector<std::string> lines = fileLines(bytes);
    expectLines(lines, defaultFileExpected());
    // 366 date rows whatever the year, and no blank line anywhere.
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.find("--:--") != std::string::npos; }), 366);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string()), 0);
    EXPECT_EQ(bytes.substr(bytes.size() - 15), "[End Of File]\r\n");
}

TEST_F(DocumentTest, NoSectionTickedWritesHeaderAndEndOnly)
{
    tConfig.iAddOnModule = 1;
    DocumentRequest request = requestWithBoxes(false);
    request.dataFileName = "/home/user/OVK Brevantine 3/Lobby.B3";
    expectLines(fileLines(DocumentText(request)), {
                                                      "[OVK Brevantine 3 Configuration Documentation File]",
                                                      "Host Software\tVersion 1.02",
                                                      "Brevantine 3 File Name\t/home/user/OVK Brevantine 3/Lobby.B3",
                                                      "Document Created\t03:07 PM 07/04/2025",
                                                      "[End Of File]",
                                                  });
}

TEST_F(DocumentTest, DmxSectionOnlyWithTheDmxModule)
{
    tConfig.iRelayDMXChannel[0] = 7;
    tConfig.iRelayDMXChannel[2] = 512;
    tConfig.iAddOnModule = 2;
    EXPECT_EQ(sectionLines(12), std::vector<std::string>{});

    tConfig.iAddOnModule = 1;
    expectLines(sectionLines(12), {
                                      "[DMX Schedule]",
                                      "Relay Number\tRelay Name\tDMX Channel",
                                      "01\tRELAY 01\t007",
                                      "02\tRELAY 02\tNone",
                                      "03\tRELAY 03\t512",
                                      "04\tRELAY 04\tNone",
                                  });

    tConfig.iNodeIO[0] = 0;
    expectLines(sectionLines(12), {"[DMX Schedule]", "Relay Number\tRelay Name\tDMX Channel"});
}

TEST_F(DocumentTest, TimeStampUsesTheTwelveHourClock)
{
    EXPECT_EQ(DocTimeStamp({2024, 1, 2, 0, 0}), "12:00 AM 01/02/2024");
    EXPECT_EQ(DocTimeStamp({2024, 12, 31, 12, 0}), "12:00 PM 12/31/2024");
    EXPECT_EQ(DocTimeStamp({2024, 2, 29, 0, 59}), "12:59 AM 02/29/2024");
    EXPECT_EQ(DocTimeStamp({2024, 6, 5, 11, 59}), "11:59 AM 06/05/2024");
    EXPECT_EQ(DocTimeStamp({2024, 6, 5, 23, 5}), "11:05 PM 06/05/2024");
    EXPECT_EQ(DocTimeStamp({999, 6, 5, 13, 0}), "01:00 PM 06/05/0999");

    DocumentRequest request = requestWithBoxes(false);
    request.created = {2030, 3, 9, 0, 0};
    EXPECT_EQ(fileLines(DocumentText(request))[3], "Document Created\t12:00 AM 03/09/2030");
    request.created = {2030, 3, 9, 12, 0};
    EXPECT_EQ(fileLines(DocumentText(request))[3], "Document Created\t12:00 PM 03/09/2030");
}

TEST_F(DocumentTest, NamesGoOutAsStoredBytes)
{
    // Tabs, commas and 8-bit characters in a name are written unchanged.
    tConfig.sPanelName = "Caf\xE9\tNord,Ost";
    tConfig.sRelayName[0] = "\xC4u\xDF" "en";
    const std::vector<std::string> panel = sectionLines(0);
    ASSERT_GE(panel.size(), 2u);
    EXPECT_EQ(panel[1], "Panel Name\tCaf\xE9\tNord,Ost");
    const std::vector<std::string> relays = sectionLines(1);
    ASSERT_GE(relays.size(), 3u);
    EXPECT_EQ(relays[2], "01\t\xC4u\xDF" "en\t\t\tOff\tNo Blink\t\t\t\t");
}
