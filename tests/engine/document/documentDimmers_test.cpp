// The dimmer outputs section: settings by tracking mode, control options by type and
// the relay list, for enabled devices only.
#include "core/modB3Dimmers.h"
#include "documentTestSupport.h"

namespace {

const std::string kSettingsHeader =
    "DO Device\tOutput\tPower On%\tFade Rate (Sec)\tMin Level%\tMax Level%\tDMX Channel\tPC Tracking\tPC Node\t"
    "PC Device\tTarget\tPoint A In\tPoint A Out\tPoint B In\tPoint B Out\tPoint C In\tPoint C Out";
const std::string kControlHeader = "\tControl\tType\t\tDevice\tInput\tTimer\tPreset\tAction\tFade\tRevert";
const std::string kNineEmpty = "\t\t\t\t\t\t\t\t\t";

std::string unusedRow(int n) { return "\t" + std::to_string(n) + "\tUnused\t\t\t\t\t\t\t"; }

void appendUnusedRows(std::vector<std::string>& lines, int from)
{
    for (int n = from; n <= 16; ++n) lines.push_back(unusedRow(n));
}

// An output left at its defaults.
void appendDefaultOutput(std::vector<std::string>& lines, const std::string& device, int output)
{
    lines.push_back(kSettingsHeader);
    lines.push_back(device + "\t" + std::to_string(output) + "\t100\t0\t0\t100\tDisabled\tDisabled" + kNineEmpty);
    lines.push_back(kControlHeader);
    appendUnusedRows(lines, 1);
}

void setControl(int16_t d, int16_t o, int16_t n, int16_t type, int16_t device, int16_t number, int16_t action,
                int16_t instant, int16_t revert)
{
    DimSetCOType(d, o, n, type);
    DimSetCODev(d, o, n, device);
    DimSetCONum(d, o, n, number);
    DimSetCOAction(d, o, n, action);
    DimSetCOInstant(d, o, n, instant);
    DimSetCORevert(d, o, n, revert);
}

} // namespace

TEST_F(DocumentTest, DimmerOutputsOfEnabledDevices)
{
    EXPECT_EQ(sectionLines(11), std::vector<std::string>{"[Dimmer Outputs]"});

    DimSetDevEnabled(1, 1);
    DimSetDevEnabled(11, 1);

    // Output 1: two-point tracking, minimum on the photocell, a DMX channel, relays.
    DimSetPCTrack(1, 0, 1);
    DimSetPCNode(1, 0, 3);
    DimSetPCDev(1, 0, 0x21);
    DimSetPointAIn(1, 0, 10);
    DimSetTarget(1, 0, 77);
    DimSetFadeRate(1, 0, 15);
    DimSetMinPC(1, 0, -1);
    DimSetMinLevel(1, 0, 40);
    DimSetDMXChan(1, 0, 300);
    setControl(1, 0, 0, 1, 0, 9, 3, 0, 2);
    setControl(1, 0, 1, 1, 33, 2, 53, -1, 121);
    setControl(1, 0, 2, 2, 0, 47, 103, 0, 0);
    setControl(1, 0, 3, 3, 0, 0, 104, 0, 1);
    setControl(1, 0, 4, 4, 64, 47, 105, 0, 122);
    setControl(1, 0, 5, 5, 0, 0, 106, -1, 0);   // a type no editor offers
    setControl(1, 0, 6, 0, 3, 3, 50, -1, 3);    // unused, whatever it still holds
    DimSetRelayIncluded(1, 0, 0, -1);
    DimSetRelayIncluded(1, 0, 47, -1);
    DimSetRelayOffLevel(1, 0, 20);
    DimSetRelayOnLevel(1, 0, 80);

    // Output 2: setpoint tracking, maximum on the photocell.
    DimSetPCTrack(1, 1, 2);
    DimSetPCNode(1, 1, 0);
    DimSetPCDev(1, 1, 5);
    DimSetTarget(1, 1, 200);
    DimSetFadeRate(1, 1, 16);
    DimSetMaxPC(1, 1, -1);
    DimSetMinLevel(1, 1, 25);
    DimSetPowerOnLevel(1, 1, 0);

    // Output 3: three-point tracking.
    DimSetPCTrack(1, 2, 3);
    DimSetPCNode(1, 2, 1);
    DimSetPCDev(1, 2, 0x3F);
    DimSetPointAIn(1, 2, 5);
    DimSetPointAOut(1, 2, 10);
    DimSetPointCIn(1, 2, 250);
    DimSetPointCOut(1, 2, 90);
    DimSetFadeRate(1, 2, 42);

    // Output 4: a fade code past the list.
    DimSetFadeRate(1, 3, 43);

    std::vector<std::string> e = {
        "[Dimmer Outputs]",
        kSettingsHeader,
        "DO:02\t1\t100\t30\tPhotocell\t100\t300\t2 Point\t03\t21\t\t10\t100\t\t\t255\t0",
        kControlHeader,
        "\t1\tInput\tHW\t0A\t\t\tGoto 0%\tFade\tAfter 5 Min",
        "\t2\tInput\t21\t03\t\t\tGoto 50%\tInstant\tAfter 600 Min",
        "\t3\tTimer\t\t\t48\t\tGoto 100%\tFade\tWhen Input Opens",
        "\t4\tPreset\t\t\t\t1\tRamp Down\tFade\tNever",
        "\t5\tInv In\t40\t30\t\t\tRamp Up\tFade\t",
        "\t6\t\t\t\t\t\t\tInstant\tWhen Input Opens",
        unusedRow(7),
    };
    appendUnusedRows(e, 8);
    e.push_back("\tDimmer/Relay Control\tOff Level(%)\tOn Level(%)\tRelays");
    e.push_back("\t\t20\t80\t01 48 ");
    e.push_back(kSettingsHeader);
    e.push_back("DO:02\t2\t0\t40\t25\tPhotocell\tDisabled\tSetpoint\t00\t05\t200\t\t\t\t\t\t");
    e.push_back(kControlHeader);
    appendUnusedRows(e, 1);
    e.push_back(kSettingsHeader);
    e.push_back("DO:02\t3\t100\t300\t0\t100\tDisabled\t3 Point\t01\t3F\t\t5\t10\t128\t50\t250\t90");
    e.push_back(kControlHeader);
    appendUnusedRows(e, 1);
    e.push_back(kSettingsHeader);
    e.push_back("DO:02\t4\t100\t\t0\t100\tDisabled\tDisabled" + kNineEmpty);
    e.push_back(kControlHeader);
    appendUnusedRows(e, 1);
    for (int o = 1; o <= 4; ++o) appendDefaultOutput(e, "DO:0C", o);
    expectLines(sectionLines(11), e);
}
