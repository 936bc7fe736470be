#include "dimmers/engine/dimmerFields.h"

#include "core/modB3Dimmers.h"

OutputConfig ReadOutputConfig(int16_t d, int16_t o)
{
    return {DimGetPowerOnLevel(d, o), DimGetFadeRate(d, o), DimGetMinPC(d, o),    DimGetMaxPC(d, o),
            DimGetMinLevel(d, o),     DimGetMaxLevel(d, o), DimGetPCTrack(d, o),  DimGetPointAIn(d, o),
            DimGetPointBIn(d, o),     DimGetPointCIn(d, o), DimGetPointAOut(d, o), DimGetPointBOut(d, o),
            DimGetPointCOut(d, o),    DimGetTarget(d, o),   DimGetPCNode(d, o),   DimGetPCDev(d, o),
            DimGetDMXChan(d, o)};
}

void WriteOutputConfig(int16_t d, int16_t o, const OutputConfig& c)
{
    DimSetPowerOnLevel(d, o, c.powerOnLevel);
    DimSetFadeRate(d, o, c.fadeRate);
    DimSetMinPC(d, o, c.minPC);
    DimSetMaxPC(d, o, c.maxPC);
    DimSetMinLevel(d, o, c.minLevel);
    DimSetMaxLevel(d, o, c.maxLevel);
    DimSetPCTrack(d, o, c.pcTrack);
    DimSetPointAIn(d, o, c.pointAIn);
    DimSetPointBIn(d, o, c.pointBIn);
    DimSetPointCIn(d, o, c.pointCIn);
    DimSetPointAOut(d, o, c.pointAOut);
    DimSetPointBOut(d, o, c.pointBOut);
    DimSetPointCOut(d, o, c.pointCOut);
    DimSetTarget(d, o, c.target);
    DimSetPCNode(d, o, c.pcNode);
    DimSetPCDev(d, o, c.pcDev);
    DimSetDMXChan(d, o, c.dmxChannel);
}

ControlOption ReadControlOption(int16_t d, int16_t o, int16_t n)
{
    return {DimGetCOType(d, o, n), DimGetCOInstant(d, o, n), DimGetCONum(d, o, n),
            DimGetCODev(d, o, n),  DimGetCOAction(d, o, n),  DimGetCORevert(d, o, n)};
}

void WriteControlOption(int16_t d, int16_t o, int16_t n, const ControlOption& c)
{
    DimSetCOType(d, o, n, static_cast<int16_t>(c.type));
    DimSetCONum(d, o, n, static_cast<int16_t>(c.number));
    DimSetCODev(d, o, n, static_cast<int16_t>(c.device));
    DimSetCOAction(d, o, n, static_cast<int16_t>(c.action));
    DimSetCOInstant(d, o, n, static_cast<int16_t>(c.instant));
    DimSetCORevert(d, o, n, static_cast<int16_t>(c.revert));
}
