#include "editors/engine/pilotWord.h"

#include "core/vbRuntime.h"

int pilotSource(int16_t word) { return static_cast<int>(VbIntDiv(word, 64)); }

int pilotNumber(int16_t word) { return word % 64; }

int16_t pilotWithSource(int16_t word, int source) { return static_cast<int16_t>(source * 64 + (word & 63)); }

int16_t pilotWithNumber(int16_t word, int number) { return static_cast<int16_t>((word & ~63) + number); }

std::string pilotNumberText(int16_t word)
{
    const int number = pilotNumber(word);
    return number < 0 ? std::string() : " " + FormatNumber(number + 1);
}

std::string stationPilotNumberText(int16_t word)
{
    if (pilotSource(word) == kStaticPilot) return (word & 1) != 0 ? " On" : " Off";
    return pilotNumberText(word);
}
