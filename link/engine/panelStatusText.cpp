#include "link/engine/panelStatusText.h"

#include <array>

#include "core/vbRuntime.h"

std::string PanelTimeText(int hour, int minute, int second)
{
    const std::string rest = ":" + Format00(minute) + ":" + Format00(second);
    if (hour == 0) return "12" + rest + " AM";
    if (hour == 12) return "12" + rest + " PM";
    if (hour > 12) return Format00(hour - 12) + rest + " PM";
    return Format00(hour) + rest + " AM";
}

std::string PanelDateText(int weekday, int month, int day, int year)
{
    static const std::array<const char*, 7> kDays = {"Sun ", "Mon ", "Tue ", "Wed ", "Thu ", "Fri ", "Sat "};
    const std::string date = Format00(month) + "/" + Format00(day) + "/" + Format00(year);
    if (weekday < 0 || weekday > 6) return date;
    return kDays[static_cast<std::size_t>(weekday)] + date;
}

std::string IOInstalledText(int points) { return Format00(points) + " Inputs/Relays"; }

std::string CardTypeText(int cardType, int revision)
{
    static const std::array<const char*, 8> kCards = {"None", "DMX", "MODBUS", "N2", "Voice/DTMF", "BACnet", "Modem", "Ethernet"};
    if (cardType < 0 || cardType > 7) return "Unknown Type";
    if (cardType == 0) return kCards[0];
    return std::string(kCards[static_cast<std::size_t>(cardType)]) + "  Rev " + FormatNumber(revision);
}
