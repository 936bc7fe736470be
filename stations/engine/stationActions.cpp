#include "stations/engine/stationActions.h"

#include "core/itemTexts.h"
#include "stations/engine/stationFamilies.h"

namespace {

int kindOf(StationFamily family, int16_t inputType)
{
    return StationInputKind(family, StationListCode(family, inputType));
}

} // namespace

std::optional<ActionList> stationInputActions(long deviceType, int16_t inputType, InputControlTable table)
{
    const StationFamily family = StationFamilyOf(deviceType);
    if (family == StationFamily::Photocell) return ActionList(kOnOffBlinkActions);
    const int kind = kindOf(family, inputType);
    if (kind < 0) return std::nullopt;
    if (family == StationFamily::EightInput && kind == kLocalMaintOnOff) return ActionList(kOnOffActions);
    return localInputActions(kind, table);
}

ActionTargets stationInputTargets(long deviceType, int16_t inputType, InputControlTable table)
{
    const StationFamily family = StationFamilyOf(deviceType);
    if (family == StationFamily::Photocell)
        return table == InputControlTable::Relays ? ActionTargets::Relays : ActionTargets::Groups;
    const int kind = kindOf(family, inputType);
    return kind < 0 ? ActionTargets::None : localInputTargets(kind, table);
}

bool stationInputSetsPreset(long deviceType, int16_t inputType)
{
    return kindOf(StationFamilyOf(deviceType), inputType) == kLocalSetPreset;
}
