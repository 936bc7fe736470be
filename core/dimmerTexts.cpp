#include "core/dimmerTexts.h"

#include "core/vbRuntime.h"

std::string DimActionText(int code)
{
    if (code == 0) return "Revert To Photocell";
    if (code == 1) return "Lower 10%";
    if (code == 2) return "Raise 10%";
    if (code >= 3 && code <= 103) return "Goto " + FormatNumber(code - 3) + "%";
    if (code == 104) return "Ramp Down";
    if (code == 105) return "Ramp Up";
    return {};
}

std::string DimFadeSeconds(int code)
{
    if (code >= 0 && code <= 15) return FormatNumber(code * 2);
    if (code >= 16 && code <= 42) return FormatNumber(code * 10 - 120);
    return {};
}
