#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/modB3Glimwarden.h"
#include "core/vbRuntime.h"
#include "document/engine/docSections.h"
#include "document/engine/docText.h"

namespace {

// Suffix of each kind of relative time; the kind is (code - 24) / 32.
constexpr std::array<std::string_view, 8> kRelativeSuffixes = {
    " Before Sunrise", " After Sunrise", " Before Sunset", " After Sunset",
    " Before Open",    " After Open",    " Before Close",  " After Close",
};

// Numbers of the timer and preset lists: plain 1-based decimal, comma-joined.
void addNumber(ListField& list, int index) { list.add(FormatNumber(index + 1)); }

std::string timerTimeText(int code, int minute)
{
    if (code >= 0 && code <= 23) {
        // A time of day, read off a day fraction: the sign and whole days drop out.
        const int minutes = std::abs(code * 60 + minute) % 1440;
        return TimeOfDayText(minutes / 60, minutes % 60);
    }
    const int kind = (code - 24) / 32;
    if (code < 24 || (code - 24) % 32 > 3 || kind >= static_cast<int>(kRelativeSuffixes.size())) return {};
    const int offset = (code & 3) * 256 + minute;
    return FormatDigits(offset, 3) + std::string(kRelativeSuffixes[static_cast<std::size_t>(kind)]);
}

std::string timerDaysText(int month, int date, int days)
{
    if (month != 0) return Format00(month) + "/" + Format00(date);
    // A set bit means the timer skips that day (or the holidays, bit 7).
    static constexpr std::string_view kLetters = "SMTWTFSH";
    std::string text = "--------";
    for (std::size_t bit = 0; bit < 8; ++bit)
        if ((days & (1 << bit)) == 0) text[bit] = kLetters[bit];
    return text;
}

} // namespace

void DocTimerSchedule(DocText& doc)
{
    const PanelConfig& c = tConfig;
    const int points = GetIOPointCount();
    doc.line({"[Timer Relay/Group/Preset Schedule]"});
    doc.line({"Timer Number", "Timer Name", "Time", "Days", "Off Relays", "On Relays", "Off Groups", "On Groups",
              "Presets"});
    for (int t = 0; t < 48; ++t) {
        const auto tt = static_cast<std::size_t>(t);
        ListField offRelays, onRelays, offGroups, onGroups, presets;
        for (int r = 0; r < points; ++r) {
            if (c.iTimerToRelayControl(t, r) == 2) addNumber(offRelays, r);
            if (c.iTimerToRelayControl(t, r) == 1) addNumber(onRelays, r);
        }
        for (int g = 0; g < 48; ++g) {
            if (c.iTimerToGroupControl(t, g) == 2) addNumber(offGroups, g);
            if (c.iTimerToGroupControl(t, g) == 1) addNumber(onGroups, g);
        }
        for (int p = 0; p < 48; ++p)
            if (c.iTimerToPresetControl(t, p) != 0) addNumber(presets, p);
        doc.line({ItemNumber(t), c.sTimerName[tt], timerTimeText(c.iTimerTime[tt], c.iTimerMinute[tt]),
                  timerDaysText(c.iTimerHolidayMonth[tt], c.iTimerHolidayDate[tt], c.iTimerDays[tt]),
                  offRelays.text(), onRelays.text(), offGroups.text(), onGroups.text(), presets.text()});
    }
}

void DocPresetSchedule(DocText& doc)
{
    const PanelConfig& c = tConfig;
    const int points = GetIOPointCount();
    doc.line({"[Preset Schedule]"});
    doc.line({"Preset Number", "Preset Name", "Off Relays", "On Relays"});
    for (int p = 0; p < 48; ++p) {
        ListField offRelays, onRelays;
        for (int r = 0; r < points; ++r) {
            if (c.iPresetRelayState(p, r) == 2) addNumber(offRelays, r);
            if (c.iPresetRelayState(p, r) == 1) addNumber(onRelays, r);
        }
        doc.line({ItemNumber(p), c.sPresetName[static_cast<std::size_t>(p)], offRelays.text(), onRelays.text()});
    }
}
