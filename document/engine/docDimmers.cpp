#include <array>
#include <string>
#include <string_view>

#include "core/dimmerTexts.h"
#include "core/hexText.h"
#include "core/itemTexts.h"
#include "core/modB3Dimmers.h"
#include "core/vbRuntime.h"
#include "document/engine/docSections.h"
#include "document/engine/docText.h"

namespace {

constexpr std::array<std::string_view, 4> kTrackingTexts = {"Disabled", "2 Point", "Setpoint", "3 Point"};
constexpr std::array<std::string_view, 5> kControlTypeTexts = {"Unused", "Input", "Timer", "Preset", "Inv In"};
constexpr int kTypeUnused = 0, kTypeInput = 1, kTypeTimer = 2, kTypePreset = 3, kTypeInvertIn = 4;

std::string levelOrPhotocell(int16_t followsPhotocell, int16_t percent)
{
    return followsPhotocell != 0 ? "Photocell" : FormatNumber(percent);
}

std::string revertText(int code)
{
    if (code == 0) return "When Input Opens";
    if (code == 1) return "Never";
    if (code >= 2 && code <= 121) return "After " + FormatNumber((code - 1) * 5) + " Min";
    return {};
}

void settingsLines(DocText& doc, const std::string& device, int16_t d, int16_t o)
{
    const int track = DimGetPCTrack(d, o);
    // The photocell cells are filled by tracking mode; each output starts them empty.
    std::string node, pcDevice, target, aIn, aOut, bIn, bOut, cIn, cOut;
    if (track != 0) {
        node = Hex2(DimGetPCNode(d, o));
        pcDevice = Hex2(DimGetPCDev(d, o));
    }
    if (track == 2) target = FormatNumber(DimGetTarget(d, o));
    if (track == 1 || track == 3) {
        aIn = FormatNumber(DimGetPointAIn(d, o));
        aOut = FormatNumber(DimGetPointAOut(d, o));
        cIn = FormatNumber(DimGetPointCIn(d, o));
        cOut = FormatNumber(DimGetPointCOut(d, o));
    }
    if (track == 3) {
        bIn = FormatNumber(DimGetPointBIn(d, o));
        bOut = FormatNumber(DimGetPointBOut(d, o));
    }
    const int channel = DimGetDMXChan(d, o);
    doc.line({"DO Device", "Output", "Power On%", "Fade Rate (Sec)", "Min Level%", "Max Level%", "DMX Channel",
              "PC Tracking", "PC Node", "PC Device", "Target", "Point A In", "Point A Out", "Point B In",
              "Point B Out", "Point C In", "Point C Out"});
    doc.line({device, FormatNumber(o + 1), FormatNumber(DimGetPowerOnLevel(d, o)), DimFadeSeconds(DimGetFadeRate(d, o)),
              levelOrPhotocell(DimGetMinPC(d, o), DimGetMinLevel(d, o)),
              levelOrPhotocell(DimGetMaxPC(d, o), DimGetMaxLevel(d, o)),
              channel == 0 ? std::string("Disabled") : FormatNumber(channel),
              codeText(kTrackingTexts, track), node, pcDevice, target, aIn, aOut, bIn, bOut, cIn,
              cOut});
}

void controlLines(DocText& doc, int16_t d, int16_t o)
{
    // The header's extra empty field between "Type" and "Device" is how the file has
    // always been laid out; the rows do not have it.
    doc.line({"", "Control", "Type", "", "Device", "Input", "Timer", "Preset", "Action", "Fade", "Revert"});
    for (int16_t n = 0; n < kDimmerOptions; ++n) {
        const int type = DimGetCOType(d, o, n);
        const int number = DimGetCONum(d, o, n);
        const int source = DimGetCODev(d, o, n);
        std::string device, input, timer, preset, action, fade, revert;
        if (type == kTypeInput || type == kTypeInvertIn) {
            device = source == 0 ? std::string("HW") : Hex2(source);
            input = Hex2(number + 1);
        }
        if (type == kTypeTimer) timer = FormatNumber(number + 1);
        if (type == kTypePreset) preset = FormatNumber(number + 1);
        if (type != kTypeUnused) {
            action = DimActionText(DimGetCOAction(d, o, n));
            fade = DimGetCOInstant(d, o, n) != 0 ? "Instant" : "Fade";
            revert = revertText(DimGetCORevert(d, o, n));
        }
        doc.line({"", FormatNumber(n + 1), codeText(kControlTypeTexts, type), device, input, timer, preset, action, fade, revert});
    }
}

void relayControlLines(DocText& doc, int16_t d, int16_t o)
{
    // Every number is followed by a blank, the last one too.
    std::string relays;
    for (int16_t r = 0; r < 48; ++r)
        if (DimGetRelayIncluded(d, o, r) != 0) relays += Format00(r + 1) + " ";
    if (relays.empty()) return;
    doc.line({"", "Dimmer/Relay Control", "Off Level(%)", "On Level(%)", "Relays"});
    doc.line({"", "", FormatNumber(DimGetRelayOffLevel(d, o)), FormatNumber(DimGetRelayOnLevel(d, o)), relays});
}

} // namespace

void DocDimmers(DocText& doc)
{
    doc.line({"[Dimmer Outputs]"});
    for (int16_t d = 0; d < kDimmerDevices; ++d) {
        if (DimGetDevEnabled(d) == 0) continue;
        const std::string device = "DO:" + Hex2(d + 1);
        for (int16_t o = 0; o < kOutputsPerDimmer; ++o) {
            settingsLines(doc, device, d, o);
            controlLines(doc, d, o);
            relayControlLines(doc, d, o);
        }
    }
}
