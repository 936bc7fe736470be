#include "editors/engine/listEntries.h"

#include "core/vbRuntime.h"

std::vector<std::string> suffixedNumberEntries(int first, int last, std::string_view suffix)
{
    std::vector<std::string> entries;
    for (int n = first; n <= last; ++n) entries.push_back(FormatNumber(n) + std::string(suffix));
    return entries;
}

std::vector<std::string> quarterHourEntries()
{
    std::vector<std::string> entries;
    for (int q = 0; q < kQuarterHours; ++q) entries.push_back(QuarterHourText(q));
    return entries;
}

std::string quarterHourCellText(int64_t quarterHour)
{
    return listPosition(quarterHour, 0, kQuarterHours) < 0 ? std::string() : QuarterHourText(static_cast<int32_t>(quarterHour));
}

int listPosition(int64_t stored, int64_t offset, int count)
{
    const int64_t position = stored - offset;
    return position >= 0 && position < count ? static_cast<int>(position) : -1;
}
