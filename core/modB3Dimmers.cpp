#include "core/modB3Dimmers.h"

#include <cmath>
#include <utility>

#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"

std::array<int16_t, kDimmerWords> iDimmerData{};

namespace {

std::function<void(int32_t)>& indexReporter()
{
    static std::function<void(int32_t)> reporter;
    return reporter;
}

bool validIndex(int32_t idx) { return idx >= 0 && idx < kDimmerWords; }

int32_t fieldIndex(int16_t d, int16_t o, int32_t field)
{
    return int32_t{d} * 512 + int32_t{o} * 128 + field;
}

int16_t getPercent(int32_t idx) { return DimByteToPercent(DimGetWord(idx)); }
void setPercent(int32_t idx, int16_t percent) { DimSetWord(idx, PercentToDimByte(percent)); }

} // namespace

void SetDimmerIndexReporter(std::function<void(int32_t)> reporter) { indexReporter() = std::move(reporter); }

int16_t DimGetWord(int32_t idx)
{
    if (!validIndex(idx)) {
        if (indexReporter()) indexReporter()(idx);
        return 0;
    }
    return iDimmerData[static_cast<std::size_t>(idx)];
}

void DimSetWord(int32_t idx, int16_t value)
{
    bChanged = VbTrue;
    if (validIndex(idx)) iDimmerData[static_cast<std::size_t>(idx)] = value;
}

int16_t DimGetBit(int32_t idx, int16_t bit)
{
    return (DimGetWord(idx) & (1 << bit)) != 0 ? VbTrue : VbFalse;
}

void DimSetBit(int32_t idx, int16_t bit, int16_t value)
{
    const int32_t word = DimGetWord(idx);
    const int32_t mask = 1 << bit;
    // Clearing masks with 255, which also drops bits 8..15: the panel keeps bytes.
    const int32_t result = value != 0 ? (word | mask) : (word & (255 ^ mask));
    DimSetWord(idx, static_cast<int16_t>(result));
}

int16_t PercentToDimByte(int32_t percent)
{
    return static_cast<int16_t>(std::floor(static_cast<float>(percent * 255) / 100.0f));
}

int16_t DimByteToPercent(int32_t byte)
{
    return static_cast<int16_t>(std::floor(static_cast<float>(byte * 100 + 128) / 255.0f));
}

int16_t DimGetDevEnabled(int16_t d) { return DimGetWord(kDimmerEnableBase + d); }
void DimSetDevEnabled(int16_t d, int16_t value) { DimSetWord(kDimmerEnableBase + d, value); }

int16_t DimGetPCTrack(int16_t d, int16_t o) { return DimGetWord(fieldIndex(d, o, 0)) & 3; }
void DimSetPCTrack(int16_t d, int16_t o, int16_t mode)
{
    const int32_t idx = fieldIndex(d, o, 0);
    DimSetWord(idx, static_cast<int16_t>((DimGetWord(idx) & 252) + mode));
}
int16_t DimGetMinPC(int16_t d, int16_t o) { return DimGetBit(fieldIndex(d, o, 0), 2); }
void DimSetMinPC(int16_t d, int16_t o, int16_t value) { DimSetBit(fieldIndex(d, o, 0), 2, value); }
int16_t DimGetMaxPC(int16_t d, int16_t o) { return DimGetBit(fieldIndex(d, o, 0), 3); }
void DimSetMaxPC(int16_t d, int16_t o, int16_t value) { DimSetBit(fieldIndex(d, o, 0), 3, value); }

int16_t DimGetPowerOnLevel(int16_t d, int16_t o) { return getPercent(fieldIndex(d, o, 1)); }
void DimSetPowerOnLevel(int16_t d, int16_t o, int16_t p) { setPercent(fieldIndex(d, o, 1), p); }
int16_t DimGetFadeRate(int16_t d, int16_t o) { return DimGetWord(fieldIndex(d, o, 2)); }
void DimSetFadeRate(int16_t d, int16_t o, int16_t v) { DimSetWord(fieldIndex(d, o, 2), v); }
int16_t DimGetMinLevel(int16_t d, int16_t o) { return getPercent(fieldIndex(d, o, 3)); }
void DimSetMinLevel(int16_t d, int16_t o, int16_t p) { setPercent(fieldIndex(d, o, 3), p); }
int16_t DimGetMaxLevel(int16_t d, int16_t o) { return getPercent(fieldIndex(d, o, 4)); }
void DimSetMaxLevel(int16_t d, int16_t o, int16_t p) { setPercent(fieldIndex(d, o, 4), p); }
int16_t DimGetPCNode(int16_t d, int16_t o) { return DimGetWord(fieldIndex(d, o, 5)); }
void DimSetPCNode(int16_t d, int16_t o, int16_t v) { DimSetWord(fieldIndex(d, o, 5), v); }
int16_t DimGetPCDev(int16_t d, int16_t o) { return DimGetWord(fieldIndex(d, o, 6)); }
void DimSetPCDev(int16_t d, int16_t o, int16_t v) { DimSetWord(fieldIndex(d, o, 6), v); }
int16_t DimGetPointAIn(int16_t d, int16_t o) { return DimGetWord(fieldIndex(d, o, 7)); }
void DimSetPointAIn(int16_t d, int16_t o, int16_t v) { DimSetWord(fieldIndex(d, o, 7), v); }
int16_t DimGetPointAOut(int16_t d, int16_t o) { return getPercent(fieldIndex(d, o, 8)); }
void DimSetPointAOut(int16_t d, int16_t o, int16_t p) { setPercent(fieldIndex(d, o, 8), p); }
int16_t DimGetPointBIn(int16_t d, int16_t o) { return DimGetWord(fieldIndex(d, o, 9)); }
void DimSetPointBIn(int16_t d, int16_t o, int16_t v) { DimSetWord(fieldIndex(d, o, 9), v); }
int16_t DimGetPointBOut(int16_t d, int16_t o) { return getPercent(fieldIndex(d, o, 10)); }
void DimSetPointBOut(int16_t d, int16_t o, int16_t p) { setPercent(fieldIndex(d, o, 10), p); }
int16_t DimGetPointCIn(int16_t d, int16_t o) { return DimGetWord(fieldIndex(d, o, 11)); }
void DimSetPointCIn(int16_t d, int16_t o, int16_t v) { DimSetWord(fieldIndex(d, o, 11), v); }
int16_t DimGetPointCOut(int16_t d, int16_t o) { return getPercent(fieldIndex(d, o, 12)); }
void DimSetPointCOut(int16_t d, int16_t o, int16_t p) { setPercent(fieldIndex(d, o, 12), p); }

// Wide on purpose: words from a damaged file give their true sum, not a wrapped one.
int32_t DimGetDMXChan(int16_t d, int16_t o)
{
    return int32_t{DimGetWord(fieldIndex(d, o, 13))} * 256 + DimGetWord(fieldIndex(d, o, 14));
}
void DimSetDMXChan(int16_t d, int16_t o, int32_t channel)
{
    DimSetWord(fieldIndex(d, o, 13), static_cast<int16_t>(VbIntDiv(channel, 256)));
    DimSetWord(fieldIndex(d, o, 14), static_cast<int16_t>(channel % 256));
}

int16_t DimGetTarget(int16_t d, int16_t o) { return DimGetWord(fieldIndex(d, o, 15)); }
void DimSetTarget(int16_t d, int16_t o, int16_t v) { DimSetWord(fieldIndex(d, o, 15), v); }

int16_t DimGetCOType(int16_t d, int16_t o, int16_t n) { return DimGetWord(fieldIndex(d, o, 16 + n)) & 7; }
void DimSetCOType(int16_t d, int16_t o, int16_t n, int16_t type)
{
    const int32_t idx = fieldIndex(d, o, 16 + n);
    DimSetWord(idx, static_cast<int16_t>((DimGetWord(idx) & 248) + type));
}
int16_t DimGetCOInstant(int16_t d, int16_t o, int16_t n) { return DimGetBit(fieldIndex(d, o, 16 + n), 7); }
void DimSetCOInstant(int16_t d, int16_t o, int16_t n, int16_t v) { DimSetBit(fieldIndex(d, o, 16 + n), 7, v); }
int16_t DimGetCONum(int16_t d, int16_t o, int16_t n) { return DimGetWord(fieldIndex(d, o, 48 + n)); }
void DimSetCONum(int16_t d, int16_t o, int16_t n, int16_t v) { DimSetWord(fieldIndex(d, o, 48 + n), v); }
int16_t DimGetCODev(int16_t d, int16_t o, int16_t n) { return DimGetWord(fieldIndex(d, o, 64 + n)); }
void DimSetCODev(int16_t d, int16_t o, int16_t n, int16_t v) { DimSetWord(fieldIndex(d, o, 64 + n), v); }
int16_t DimGetCOAction(int16_t d, int16_t o, int16_t n) { return DimGetWord(fieldIndex(d, o, 80 + n)); }
void DimSetCOAction(int16_t d, int16_t o, int16_t n, int16_t v) { DimSetWord(fieldIndex(d, o, 80 + n), v); }
int16_t DimGetCORevert(int16_t d, int16_t o, int16_t n) { return DimGetWord(fieldIndex(d, o, 96 + n)); }
void DimSetCORevert(int16_t d, int16_t o, int16_t n, int16_t v) { DimSetWord(fieldIndex(d, o, 96 + n), v); }

int16_t DimGetRelayOnLevel(int16_t d, int16_t o) { return getPercent(fieldIndex(d, o, 112)); }
void DimSetRelayOnLevel(int16_t d, int16_t o, int16_t p) { setPercent(fieldIndex(d, o, 112), p); }
int16_t DimGetRelayOffLevel(int16_t d, int16_t o) { return getPercent(fieldIndex(d, o, 113)); }
void DimSetRelayOffLevel(int16_t d, int16_t o, int16_t p) { setPercent(fieldIndex(d, o, 113), p); }
int16_t DimGetRelayIncluded(int16_t d, int16_t o, int16_t r)
{
    return DimGetBit(fieldIndex(d, o, 114 + r / 8), static_cast<int16_t>(r % 8));
}
void DimSetRelayIncluded(int16_t d, int16_t o, int16_t r, int16_t v)
{
    DimSetBit(fieldIndex(d, o, 114 + r / 8), static_cast<int16_t>(r % 8), v);
}

int16_t PCLevelToFC(int16_t code)
{
    struct Segment {
        int first, last, base;
        double slope, offset;
    };
    static constexpr Segment kSegments[] = {
        {0, 75, 0, 0.05, 0},        {76, 116, 72, 0.15, 4},     {117, 137, 116, 0.3, 11},
        {138, 170, 138, 0.68, 18},  {171, 181, 171, 1.25, 40},  {182, 190, 182, 2.5, 55},
        {191, 203, 191, 3.4, 80},   {204, 218, 204, 6.3, 125},  {219, 228, 219, 20, 220},
        {229, 233, 229, 50, 450},   {234, 237, 234, 100, 700},  {238, 240, 238, 200, 1200},
    };
    for (const Segment& s : kSegments) {
        if (code >= s.first && code <= s.last)
            return static_cast<int16_t>(std::floor((code - s.base) * s.slope + s.offset));
    }
    return 1800;
}
