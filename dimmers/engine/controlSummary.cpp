#include "dimmers/engine/controlSummary.h"

#include "core/dimmerTexts.h"
#include "core/hexText.h"
#include "core/vbRuntime.h"
#include "dimmers/engine/dimmerLists.h"

namespace {

std::string sourceText(const ControlOption& f)
{
    switch (f.type) {
    case kControlUnused: return "Unused";
    case kControlInput:
    case kControlInvertIn:
        return (f.device == 0 ? std::string("HW:") : "D:" + Hex2(f.device)) + "-I:" + FormatNumber(f.number + 1);
    case kControlTimer: return "T:" + FormatNumber(f.number + 1);
    case kControlPreset: return "P:" + FormatNumber(f.number + 1);
    default: return {};
    }
}

std::string actionPart(int32_t code)
{
    const std::string text = DimActionText(code);
    return text.empty() ? text : "-" + text;
}

std::string revertPart(int32_t code)
{
    if (code == 0) return "-Revert When Input Opens";
    if (code == 1) return "-Never Revert";
    // In 32 bits: the largest stored word, 32767, reverts after 163,830 minutes.
    return "-Revert After " + FormatNumber((int64_t{code} - 1) * 5) + " Min";
}

} // namespace

std::string ControlSummary(int option, const ControlOption& fields)
{
    std::string text = " " + Format00(option + 1) + "-" + sourceText(fields);
    if (fields.type > 0) {
        text += actionPart(fields.action);
        text += fields.instant != 0 ? "-Instant" : "-Fade";
        text += revertPart(fields.revert);
    }
    return text;
}
