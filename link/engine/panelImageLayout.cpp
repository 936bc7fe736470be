#include "link/engine/panelImageLayout.h"

#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"

namespace {

// Item 48 and station input 8 are host-only spares: the panel has 48 items and 8 inputs.
template <class T, std::size_t N>
std::span<T> items(std::array<T, N>& list) { return std::span<T>(list).first(48); }
template <class T, std::size_t N>
std::span<T> stationInputs(std::array<T, N>& list) { return std::span<T>(list).first(8); }
template <class T, std::size_t N>
std::span<T> leading(std::array<T, N>& list, std::size_t count) { return std::span<T>(list).first(count); }

constexpr int kStationHeaderBase = 0x2000;  // station s at 0x2000 + 64s
constexpr int kStationHeaderSize = 64;
constexpr int kStationActionBase = 0x3200;  // station s at 0x3200 + 320s
constexpr int kStationActionSize = 320;
constexpr int kStationInputRows = 8;
constexpr int kDimmerTableBase = 0x8400;

void visitDateTable(ImageFieldCodec& io, int first, DateTable& table)
{
    // Months 0..11 of 31 days each; month 12 and day 31 are spares.
    for (int month = 0; month < 12; ++month)
        for (int day = 0; day < 31; ++day) io.byte(first + 31 * month + day, table(month, day));
}

void visitStation(ImageFieldCodec& io, int s, StationRecord& st)
{
    const int H = kStationHeaderBase + kStationHeaderSize * s;
    io.byte(H + 0x00, st.iDeviceType);
    io.names(H + 0x01, std::span<std::string>(&st.sName, 1));
    io.bytes(H + 0x0B, stationInputs(st.iInputType));
    io.words(H + 0x13, stationInputs(st.lTimedOnMinutes));
    io.bytes(H + 0x23, stationInputs(st.iPilot));
    io.bytes(H + 0x2B, stationInputs(st.iOffLevel));
    io.bytes(H + 0x33, stationInputs(st.iOnLevel));
    // H + 0x3B .. H + 0x3F: gap

    const int R = kStationActionBase + kStationActionSize * s;
    io.planes(R + 0x000, MatrixView(st.iRelayAction), kStationInputRows, 3, PlaneValue::Code);
    io.planes(R + 0x090, MatrixView(st.iGroupAction), kStationInputRows, 3, PlaneValue::Code);
    io.bytes(R + 0x120, stationInputs(st.iPresetNumber));
    // R + 0x128 .. R + 0x13F: gap
}

} // namespace

void VisitPanelImageLayout(ImageFieldCodec& io)
{
    PanelConfig& c = tConfig;

    // Relation matrices: 48 rows of 6 bytes per plane, 0x120 entries a plane.
    io.planes(0x0000, MatrixView(c.iInputToRelayControl), 48, 3, PlaneValue::Code);  // .. 0x035F
    io.planes(0x0360, MatrixView(c.iInputToGroupControl), 48, 3, PlaneValue::Code);  // .. 0x06BF
    io.bytes(0x06C0, items(c.iInputPreset));
    io.bytes(0x06F0, items(c.iRelayTimerType));
    io.bytes(0x0720, items(c.iRelayPowerOnType));
    io.bytes(0x0750, items(c.iInputType));
    io.words(0x0780, items(c.lInputTimedOnMinutes));                                   // .. 0x07DF
    io.planes(0x07E0, MatrixView(c.bRelayInGroup), 48, 1, PlaneValue::Membership);     // rows groups
    io.bytes(0x0900, items(c.iInputPilot));
    io.planes(0x0930, MatrixView(c.iTimerToRelayControl), 48, 2, PlaneValue::Code);  // .. 0x0B6F
    io.planes(0x0B70, MatrixView(c.iTimerToGroupControl), 48, 2, PlaneValue::Code);  // .. 0x0DAF
    io.planes(0x0DB0, MatrixView(c.iTimerToPresetControl), 48, 1, PlaneValue::Code); // .. 0x0ECF
    io.planes(0x0ED0, MatrixView(c.iPresetRelayState), 48, 2, PlaneValue::Code);     // .. 0x110F

    // Weekdays 0 (Sunday) .. 6; element 7 is a spare.
    io.bytes(0x1110, leading(c.iOpenTime, 7));
    io.bytes(0x1117, leading(c.iCloseTime, 7));
    visitDateTable(io, 0x111E, c.iDateOpenTime);   // .. 0x1291
    visitDateTable(io, 0x1292, c.iDateCloseTime);  // .. 0x1405
    // 0x1406 .. 0x141F: gap

    io.names(0x1420, items(c.sRelayName));
    io.names(0x1600, items(c.sGroupName));
    io.names(0x17E0, items(c.sInputName));
    io.names(0x19C0, items(c.sTimerName));   // element 48, the phone number, stays home
    io.names(0x1BA0, items(c.sPresetName));  // element 48, the TCP/IP address, stays home
    // 0x1D80 .. 0x1DFF: gap

    io.bytes(0x1E00, items(c.iTimerTime));   // element 48, the connection type, stays home
    io.bytes(0x1E30, items(c.iTimerMinute));
    io.bytes(0x1E60, items(c.iTimerDays));
    io.bytes(0x1E90, items(c.iTimerHolidayMonth));
    io.bytes(0x1EC0, items(c.iTimerHolidayDate));
    io.bytes(0x1EF0, items(c.iInputEnableTime));
    io.bytes(0x1F20, items(c.iInputDisableTime));

    io.byte(0x1F50, c.iBlinkAlertMinutes);
    io.word(0x1F51, c.iOverrideMinutes);
    io.byte(0x1F53, c.iAlarmSeconds);
    io.byte(0x1F54, c.iSweepInterval);
    io.bitmap(0x1F55, items(c.bSweepRelay));
    io.bitmap(0x1F5B, items(c.bSweepGroup));
    io.flag(0x1F61, c.bDSTEnabled);
    io.byte(0x1F62, c.iLatitude);
    io.byte(0x1F63, c.iLongitude);
    io.byte(0x1F64, c.iTimeZone);
    io.panelName(0x1F65, c.sPanelName);  // .. 0x1F76
    io.byte(0x1F77, c.iRTCSource);
    io.flag(0x1F78, c.bPhotocellFilter2Sec);
    io.flag(0x1F79, c.bTimedOnBeginsOnClose);
    io.password(0x1F7A);                 // .. 0x1F7F
    io.words(0x1F80, items(c.iRelayDMXChannel));
    io.dmxLevel(0x1FE0, c.iDMXOffLevel);
    io.dmxLevel(0x1FE1, c.iDMXOnLevel);
    io.byte(0x1FE2, c.iDMXFilter);
    io.modbusSettings(0x1FE3, c.iModBusMode, c.iModBusBaud, c.iModBusParity);
    // 0x1FE4 .. 0x1FEF: gap
    io.bytes(0x1FF0, leading(c.iNodeIO, 12));  // node 12 is a spare
    io.byte(0x1FFC, c.iDSTStartWeek);
    io.byte(0x1FFD, c.iDSTStartMonth);
    io.byte(0x1FFE, c.iDSTEndWeek);
    io.byte(0x1FFF, c.iDSTEndMonth);

    // Station 0 exists on the host only: its header (0x2000) and action slot (0x3200)
    // are gaps, as are 0x3040 .. 0x333F and 0x8340 .. 0x83FF around the action blocks.
    for (int s = 1; s < kStationCount; ++s) visitStation(io, s, tStation[static_cast<std::size_t>(s)]);

    io.bytes(kDimmerTableBase, std::span<int16_t>(iDimmerData));  // .. 0x9C0B; then gap to 0x9FFF
}
