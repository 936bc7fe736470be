#include "document/engine/docInputControl.h"

#include "core/itemTexts.h"
#include "core/modB3Glimwarden.h"
#include "document/engine/docText.h"

namespace {

std::string itemsWithCode(char prefix, int count, const std::function<int(int)>& code)
{
    ListField list;
    AddItemsWhere(list, prefix, count, code);
    return list.text();
}

} // namespace

std::string InputTypeText(int kind, int64_t timedOnMinutes)
{
    if (kind == kLocalTimedOn) return TimedOnText(timedOnMinutes);
    return std::string(codeText(kLocalInputTypeNames, kind));
}

std::string RelaysThenGroups(const InputTargets& targets)
{
    ListField list;
    AddItemsWhere(list, 'R', GetIOPointCount(), targets.relayTable);
    AddItemsWhere(list, 'G', 48, targets.groupTable);
    return list.text();
}

std::string InputControlList(int kind, const InputTargets& targets)
{
    switch (kind) {
    case kLocalSetPreset: return ItemRef('P', targets.presetIndex);
    case kLocalInputDisable: return itemsWithCode('I', GetIOPointCount(), targets.relayTable);
    case kLocalTimerDisable:
    case kLocalForceTimer: return itemsWithCode('T', 48, targets.relayTable);
    default:
        if (kind < 0 || kind >= static_cast<int>(kLocalInputTypeNames.size())) return {};
        return RelaysThenGroups(targets);
    }
}
