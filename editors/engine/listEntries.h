#pragma once
// Entries of the value lists that several editors drop over their cells, and the
// position a stored value selects. Stored values come from data files and panels, so
// a position is worked out wide and a value with no entry selects none (-1).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Format(n) & suffix for n = first .. last: "5Min" .. "999Min".
std::vector<std::string> suffixedNumberEntries(int first, int last, std::string_view suffix);
// The 96 quarter hours of a day, "12:00A" .. "11:45P"; entry q is quarter hour q.
std::vector<std::string> quarterHourEntries();
inline constexpr int kQuarterHours = 96;
// What a time cell shows: the quarter hour's text, or nothing outside 0..95.
std::string quarterHourCellText(int64_t quarterHour);
// The entry of `stored` in a list whose entry 0 stands for `offset`; -1 when the list
// of `count` entries has none.
int listPosition(int64_t stored, int64_t offset, int count);
