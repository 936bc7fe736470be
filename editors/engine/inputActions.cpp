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

InputControlTargets localInputTargets(int inputType, InputControlTable table)
{
    if (inputType < MomentaryOnOff || inputType > ForceTimer) return InputControlTargets::None;
    if (table == InputControlTable::Groups) {
        switch (inputType) {
        case SetPreset:
        case InputDisable:
        case TimerDisable:
        case ForceTimer: return InputControlTargets::None;
        default: return InputControlTargets::Groups;
        }
    }
    switch (inputType) {
    case SetPreset: return InputControlTargets::None;
    case InputDisable: return InputControlTargets::LocalInputs;
    case TimerDisable:
    case ForceTimer: return InputControlTargets::Timers;
    default: return InputControlTargets::Relays;
    }
}

bool clampToTopAction(int16_t& code, int16_t top)
{
    if (code <= top) return false;
    code = top;
    return true;
}
