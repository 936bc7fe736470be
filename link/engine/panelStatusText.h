#pragma once
// How the connect form shows the panel's clock, installed I/O and add-on card.

#include <string>

// "12:05:09 AM" for 0:05:09, "01:05:09 PM" for 13:05:09.
std::string PanelTimeText(int hour, int minute, int second);
// "Tue 12/08/26"; a weekday the panel cannot name shows the date alone.
std::string PanelDateText(int weekday, int month, int day, int year);
// "08 Inputs/Relays".
std::string IOInstalledText(int points);
// "None", "DMX  Rev 3", ..., "Unknown Type".
std::string CardTypeText(int cardType, int revision);
