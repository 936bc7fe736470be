#pragma once
// What a networked station's input may do to the relays (or timers) and groups: the
// action list of its type and the rows the list edits. The lists are the local
// inputs' lists, taken by the local type each station code behaves like, with two
// station rules: an "8 Input" maintained input has no blink alert, and every photocell
// input has it.

#include <cstdint>
#include <optional>

#include "editors/engine/inputActions.h"

// The action list of input type `inputType` of a station of `deviceType`; none for no
// station type or a code of no type.
std::optional<ActionList> stationInputActions(long deviceType, int16_t inputType, InputControlTable table);
// The rows that list edits: relays (timers for a "4 Input" Timer Disable input) or
// groups; none for a Set Preset input, the group table of a Timer Disable input, and
// every input without an action list.
ActionTargets stationInputTargets(long deviceType, int16_t inputType, InputControlTable table);
// A Set Preset input recalls a preset instead of acting on rows.
bool stationInputSetsPreset(long deviceType, int16_t inputType);
