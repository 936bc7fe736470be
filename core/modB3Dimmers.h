#pragma once
// The dimmer table: 12 devices x 4 outputs x 128 words, then one enable word per
// device. Forms reach it only through the accessors below; the defaults, the data
// file and the panel image move the words whole.

#include <array>
#include <cstdint>
#include <functional>

inline constexpr int kDimmerWords = 6156;
inline constexpr int kDimmerDevices = 12;
inline constexpr int kOutputsPerDimmer = 4;
inline constexpr int kDimmerOptions = 16;
inline constexpr int kDimmerEnableBase = 6144;

extern std::array<int16_t, kDimmerWords> iDimmerData;

// Shown when a word index outside the table is read; the UI installs a message box.
void SetDimmerIndexReporter(std::function<void(int32_t index)> reporter);

int16_t DimGetWord(int32_t idx);
void DimSetWord(int32_t idx, int16_t value);
int16_t DimGetBit(int32_t idx, int16_t bit);
void DimSetBit(int32_t idx, int16_t bit, int16_t value);

// Percent <-> byte as the panel stores levels: 100 -> 255 -> 100, 50 -> 127 -> 50.
int16_t PercentToDimByte(int32_t percent);
int16_t DimByteToPercent(int32_t byte);

int16_t DimGetDevEnabled(int16_t d);
void DimSetDevEnabled(int16_t d, int16_t value);
int16_t DimGetPCTrack(int16_t d, int16_t o);
void DimSetPCTrack(int16_t d, int16_t o, int16_t mode);
int16_t DimGetMinPC(int16_t d, int16_t o);
void DimSetMinPC(int16_t d, int16_t o, int16_t value);
int16_t DimGetMaxPC(int16_t d, int16_t o);
void DimSetMaxPC(int16_t d, int16_t o, int16_t value);
int16_t DimGetPowerOnLevel(int16_t d, int16_t o);
void DimSetPowerOnLevel(int16_t d, int16_t o, int16_t percent);
int16_t DimGetFadeRate(int16_t d, int16_t o);
void DimSetFadeRate(int16_t d, int16_t o, int16_t value);
int16_t DimGetMinLevel(int16_t d, int16_t o);
void DimSetMinLevel(int16_t d, int16_t o, int16_t percent);
int16_t DimGetMaxLevel(int16_t d, int16_t o);
void DimSetMaxLevel(int16_t d, int16_t o, int16_t percent);
int16_t DimGetPCNode(int16_t d, int16_t o);
void DimSetPCNode(int16_t d, int16_t o, int16_t value);
int16_t DimGetPCDev(int16_t d, int16_t o);
void DimSetPCDev(int16_t d, int16_t o, int16_t value);
int16_t DimGetPointAIn(int16_t d, int16_t o);
void DimSetPointAIn(int16_t d, int16_t o, int16_t value);
int16_t DimGetPointAOut(int16_t d, int16_t o);
void DimSetPointAOut(int16_t d, int16_t o, int16_t percent);
int16_t DimGetPointBIn(int16_t d, int16_t o);
void DimSetPointBIn(int16_t d, int16_t o, int16_t value);
int16_t DimGetPointBOut(int16_t d, int16_t o);
void DimSetPointBOut(int16_t d, int16_t o, int16_t percent);
int16_t DimGetPointCIn(int16_t d, int16_t o);
void DimSetPointCIn(int16_t d, int16_t o, int16_t value);
int16_t DimGetPointCOut(int16_t d, int16_t o);
void DimSetPointCOut(int16_t d, int16_t o, int16_t percent);
// Channel 0 (none) .. 512; a damaged table or an upload may give up to 65,535,
// which the setter stores back whole, so a copy carries both words unchanged.
int32_t DimGetDMXChan(int16_t d, int16_t o);
void DimSetDMXChan(int16_t d, int16_t o, int32_t channel);
int16_t DimGetTarget(int16_t d, int16_t o);
void DimSetTarget(int16_t d, int16_t o, int16_t value);
int16_t DimGetCOType(int16_t d, int16_t o, int16_t n);
void DimSetCOType(int16_t d, int16_t o, int16_t n, int16_t type);
int16_t DimGetCOInstant(int16_t d, int16_t o, int16_t n);
void DimSetCOInstant(int16_t d, int16_t o, int16_t n, int16_t value);
int16_t DimGetCONum(int16_t d, int16_t o, int16_t n);
void DimSetCONum(int16_t d, int16_t o, int16_t n, int16_t value);
int16_t DimGetCODev(int16_t d, int16_t o, int16_t n);
void DimSetCODev(int16_t d, int16_t o, int16_t n, int16_t value);
int16_t DimGetCOAction(int16_t d, int16_t o, int16_t n);
void DimSetCOAction(int16_t d, int16_t o, int16_t n, int16_t value);
int16_t DimGetCORevert(int16_t d, int16_t o, int16_t n);
void DimSetCORevert(int16_t d, int16_t o, int16_t n, int16_t value);
int16_t DimGetRelayOnLevel(int16_t d, int16_t o);
void DimSetRelayOnLevel(int16_t d, int16_t o, int16_t percent);
int16_t DimGetRelayOffLevel(int16_t d, int16_t o);
void DimSetRelayOffLevel(int16_t d, int16_t o, int16_t percent);
int16_t DimGetRelayIncluded(int16_t d, int16_t o, int16_t r);
void DimSetRelayIncluded(int16_t d, int16_t o, int16_t r, int16_t value);

// Photocell level code 0..240 to whole foot-candles; any other code gives 1800.
int16_t PCLevelToFC(int16_t code);
