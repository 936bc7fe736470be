#include <array>
#include <string>
#include <string_view>

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "document/engine/docSections.h"
#include "document/engine/docText.h"

namespace {

constexpr std::array<std::string_view, 6> kAddOnModuleTexts = {"None", "DMX", "MODBus", "N2", "Voice DTMF", "BACnet"};
// DST weeks and months are stored 1-based.
constexpr std::array<std::string_view, 6> kDstWeekTexts = {"", "1st", "2nd", "3rd", "4th", "Last"};
constexpr std::array<std::string_view, 2> kModBusModeTexts = {"ASCII", "RTU"};
constexpr std::array<std::string_view, 4> kModBusBaudTexts = {"38400", "19200", "9600", "4800"};
constexpr std::array<std::string_view, 3> kModBusParityTexts = {"None", "Odd", "Even"};

// A labelled line whose value comes from a table; a code the table lacks drops the line.
template <std::size_t N>
void codeLine(DocText& doc, std::string_view label, const std::array<std::string_view, N>& texts, long code)
{
    const std::string_view text = codeText(texts, code);
    if (!text.empty()) doc.line({label, text});
}

void monthLine(DocText& doc, std::string_view label, long month)
{
    codeLine(doc, label, kMonthAbbreviations, month - 1);
}

// One line per I/O node with the block count and the point numbers it carries; the
// numbering runs on past 48 so an over-full setup still reads sensibly.
void nodeLines(DocText& doc)
{
    static constexpr std::string_view kNodeDigits = "123456789ABC";
    int64_t first = 1;
    for (std::size_t node = 0; node < 12; ++node) {
        const std::string label = std::string("Node ") + kNodeDigits[node];
        const int64_t blocks = tConfig.iNodeIO[node];
        if (blocks == 0) {
            doc.line({label, "No I/O"});
            continue;
        }
        const int64_t last = first + 4 * blocks - 1;
        doc.line({label, Format00(4 * blocks) + " I/O", Format00(first) + "-" + Format00(last)});
        first = last + 1;
    }
}

} // namespace

void DocPanelSettings(DocText& doc)
{
    const PanelConfig& c = tConfig;
    doc.line({"[Panel Settings]"});
    doc.line({"Panel Name", c.sPanelName});
    doc.line({"I/O Count", Format00(GetIOPointCount())});
    nodeLines(doc);
    codeLine(doc, "AddOn Module Type", kAddOnModuleTexts, c.iAddOnModule);
    doc.line({"Latitude", FormatDigits(c.iLatitude, 3)});
    doc.line({"Longitude", FormatDigits(c.iLongitude, 3)});
    codeLine(doc, "Time Zone", kTimeZoneNames, c.iTimeZone);
    doc.line({"Automatic DST Adjustment", c.bDSTEnabled != 0 ? "Enabled" : "Disabled"});
    if (c.bDSTEnabled != 0) {
        codeLine(doc, "DST Start Week", kDstWeekTexts, c.iDSTStartWeek);
        monthLine(doc, "DST Start Month", c.iDSTStartMonth);
        codeLine(doc, "DST End Week", kDstWeekTexts, c.iDSTEndWeek);
        monthLine(doc, "DST End Month", c.iDSTEndMonth);
    }
    doc.line({"Blink Alert (Min)", FormatDigits(c.iBlinkAlertMinutes, 3)});
    doc.line({"Override (Min)", FormatDigits(c.iOverrideMinutes, 3)});
    doc.line({"Alarm (Sec)", FormatDigits(c.iAlarmSeconds, 3)});
    doc.line({"Timed-On Timers Begin When Input", c.bTimedOnBeginsOnClose != 0 ? "Closes" : "Opens"});
    doc.line({"Off Hours Sweep Interval (Hours)", FormatNumber(c.iSweepInterval + 1)});
    doc.line({"Photocell Filter Time (Seconds)", c.bPhotocellFilter2Sec != 0 ? "2" : "30"});
    doc.line({"Comm Port: ", FormatNumber(c.iComPort)});
    // The connection type is not documented as set: the panel end is always RS232.
    doc.line({"Connection Type", "RS232"});
    if (c.iAddOnModule == 1) {
        doc.line({"DMX Off Level(%)", FormatDigits(c.iDMXOffLevel, 3)});
        doc.line({"DMX On  Level(%)", FormatDigits(c.iDMXOnLevel, 3)});
        doc.line({"DMX Filter", Format00(c.iDMXFilter)});
    }
    if (c.iAddOnModule == 2) {
        codeLine(doc, "MODBus Protocol", kModBusModeTexts, c.iModBusMode);
        codeLine(doc, "MODBus Baud Rate", kModBusBaudTexts, c.iModBusBaud);
        codeLine(doc, "MODBus Parity", kModBusParityTexts, c.iModBusParity);
    }
}
