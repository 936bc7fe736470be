#include <gtest/gtest.h>

#include "stations/engine/pilotMapping.h"

namespace {

struct MapCase {
    const char* what;
    int16_t deviceType;
    int16_t inputType;
    int16_t preset;
    int relay;  // the one relay (or timer) acted on, -1 none
    int group;  // the one group acted on, -1 none
    int16_t pilot;
};

} // namespace

TEST(PilotMapping, PresetThenRelayThenGroupElseStaticOff)
{
    const MapCase cases[] = {
        {"3 Button Set Preset", 3, 1, 5, 2, 0, 197},
        {"8 Input Set Preset", 8, 1, 47, -1, -1, 239},
        {"4 Input Set Preset", 7, 3, 0, -1, -1, 192},
        {"4 Input Momentary PB takes the relay scan", 7, 1, 5, 6, 0, 70},
        {"code 6 on a button is not Set Preset", 1, 6, 5, -1, 3, 131},
        {"relay before group", 2, 0, 0, 2, 0, 66},
        {"relay 48 counts whatever is installed", 9, 0, 0, 47, -1, 111},
        {"group alone", 0, 0, 0, -1, 4, 132},
        {"nothing", 5, 2, 0, -1, -1, 0},
        {"a preset past 47 falls through", 3, 1, 200, -1, 7, 135},
        {"a negative preset falls through", 7, 3, -1, 1, -1, 65},
        {"Timer Disable rows are timers", 7, 8, 0, 0, 9, 137},
    };
    for (const MapCase& c : cases) {
        SCOPED_TRACE(c.what);
        StationRecord st;
        st.iDeviceType = c.deviceType;
        st.iInputType[2] = c.inputType;
        st.iPresetNumber[2] = c.preset;
        st.iPilot[2] = 77;
        st.iOffLevel[2] = 90;
        if (c.relay >= 0) st.iRelayAction(2, c.relay) = 1;
        if (c.group >= 0) st.iGroupAction(2, c.group) = 3;
        // Another input's actions are not this input's.
        st.iRelayAction(3, 0) = 1;
        AutoMapAnInput(st, 2);
        EXPECT_EQ(st.iPilot[2], c.pilot);
        EXPECT_EQ(st.iOffLevel[2], 0);
    }
}
