#include "editors/engine/inputActions.h"

namespace {

enum LocalInputType : int {
    MomentaryOnOff, MomentaryPB, MaintOnOff, MaintMultiWay, SetPreset, TimedOn, HidBiLevel,
    TwoStep, FourStep, InputDisable, TimerDisable, OutputOverride, ForceTimer,
};

} // namespace

std::optional<ActionList> localInputActions(int inputType, InputControlTable table)
{
    const bool relays = table == InputControlTable::Relays;
    switch (inputType) {
    case MomentaryOnOff:
    case MaintOnOff: return ActionList(kOnOffBlinkActions);
    case MomentaryPB:
    case MaintMultiWay: return ActionList(kOnOffActions);
    case SetPreset: return ActionList(kNoActions);
    case TimedOn: return ActionList(kTimedOnActions);
    case HidBiLevel: return ActionList(kBiLevelActions);
    case TwoStep:
    case FourStep: return ActionList(kStepActions);
    case InputDisable:
    case TimerDisable: return relays ? ActionList(kDisableActions) : ActionList(kNoActions);
    case OutputOverride: return ActionList(kOverrideActions);
    case ForceTimer: return relays ? ActionList(kForceActions) : ActionList(kNoActions);
    default: return std::nullopt;
    }
}

ActionTargets localInputTargets(int inputType, InputControlTable table)
{
    if (inputType < MomentaryOnOff || inputType > ForceTimer) return ActionTargets::None;
    if (table == InputControlTable::Groups) {
        switch (inputType) {
        case SetPreset:
        case InputDisable:
        case TimerDisable:
        case ForceTimer: return ActionTargets::None;
        default: return ActionTargets::Groups;
        }
    }
    switch (inputType) {
    case SetPreset: return ActionTargets::None;
    case InputDisable: return ActionTargets::LocalInputs;
    case TimerDisable:
    case ForceTimer: return ActionTargets::Timers;
    default: return ActionTargets::Relays;
    }
}

bool clampToTopAction(int16_t& code, int16_t top)
{
    if (code <= top) return false;
    code = top;
    return true;
}
