#include "platform/stationList.h"

#include "platform/latin1.h"
#include "platform/vbControls.h"

QStringList stationListEntries()
{
    QStringList entries{QStringLiteral("Select Device")};
    for (int s = 1; s < kStationCount; ++s) entries << toQ(tStation[static_cast<std::size_t>(s)].sName);
    return entries;
}

StationRecord* chosenStation(const VbComboBox* list)
{
    const int s = list->ListIndex();
    return s >= 1 && s < kStationCount ? &tStation[static_cast<std::size_t>(s)] : nullptr;
}

StationRecord& shownStation(const VbComboBox* list)
{
    if (StationRecord* station = chosenStation(list)) return *station;
    static StationRecord noStation;
    noStation = StationRecord{};
    return noStation;
}
