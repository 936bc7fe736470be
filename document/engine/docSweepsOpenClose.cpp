#include <array>
#include <string>
#include <string_view>

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "document/engine/docSections.h"
#include "document/engine/docText.h"

namespace {

std::string_view yesNo(int flag) { return flag != 0 ? "Yes" : "No"; }

// Every date of a leap year is listed, so February always has a 29th.
constexpr std::array<int, 12> kDaysInMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

void OpenCloseMonth(DocText& doc, std::string_view sMonth, int iMonth, int iDaysInMonth)
{
    const PanelConfig& c = tConfig;
    for (int d = 0; d < iDaysInMonth; ++d) {
        const std::string date = std::string(sMonth) + " " + Format00(d + 1);
        const int open = c.iDateOpenTime(iMonth, d);
        // 100 is "no time" for the date; any value past the day reads the same, and the
        // close time is then not looked at.
        if (open > 96) doc.line({date, "--:--", "--:--"});
        else doc.line({date, QuarterHourText(open), QuarterHourText(c.iDateCloseTime(iMonth, d))});
    }
}

} // namespace

void DocOffHoursSweepsSchedule(DocText& doc)
{
    const PanelConfig& c = tConfig;
    doc.line({"[Off Hours Sweeps Relay Schedule]"});
    doc.line({"Relay Number", "Relay Name", "Include In Off Hours Sweeps"});
    const int points = GetIOPointCount();
    for (int r = 0; r < points; ++r) {
        const auto rr = static_cast<std::size_t>(r);
        doc.line({ItemNumber(r), c.sRelayName[rr], yesNo(c.bSweepRelay[rr])});
    }
    doc.line({"[Off Hours Sweeps Group Schedule]"});
    doc.line({"Group Number", "Group Name", "Include In Off Hours Sweeps"});
    for (std::size_t g = 0; g < 48; ++g) doc.line({ItemNumber(static_cast<int>(g)), c.sGroupName[g], yesNo(c.bSweepGroup[g])});
}

void DocOpenCloseTimesSchedule(DocText& doc)
{
    const PanelConfig& c = tConfig;
    doc.line({"[Open Close Times Schedule]"});
    doc.line({"Day Of Week", "Open Time", "Close Time"});
    for (std::size_t w = 0; w < kWeekdayNames.size(); ++w)
        doc.line({kWeekdayNames[w], QuarterHourText(c.iOpenTime[w]), QuarterHourText(c.iCloseTime[w])});
    doc.line({"Date Of Year", "Open Time", "Close Time"});
    for (std::size_t m = 0; m < 12; ++m) OpenCloseMonth(doc, kMonthAbbreviations[m], static_cast<int>(m), kDaysInMonth[m]);
}
