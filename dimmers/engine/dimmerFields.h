#pragma once
// An output's configuration and a control option read and written whole through the
// dimmer accessors, for the copy dialogs and the option summaries.

#include <cstdint>

#include "dimmers/engine/controlSummary.h"

// Levels are percent, moved through the percent accessors.
struct OutputConfig {
    int16_t powerOnLevel, fadeRate, minPC, maxPC, minLevel, maxLevel, pcTrack;
    int16_t pointAIn, pointBIn, pointCIn, pointAOut, pointBOut, pointCOut;
    int16_t target, pcNode, pcDev;
    int32_t dmxChannel;  // both words, whatever an upload put there
};

OutputConfig ReadOutputConfig(int16_t d, int16_t o);
void WriteOutputConfig(int16_t d, int16_t o, const OutputConfig& config);

ControlOption ReadControlOption(int16_t d, int16_t o, int16_t n);
void WriteControlOption(int16_t d, int16_t o, int16_t n, const ControlOption& option);
