#pragma once
// How an input's type and what it controls read in the documentation. Local inputs
// and the inputs of networked stations share the rules: a station input type is
// first turned into the local input type it behaves like.

#include <cstdint>
#include <functional>
#include <string>

// What one input acts on: the action code on target j of its relay (or input, or
// timer) table and of its group table, and the preset of a Set Preset input.
struct InputTargets {
    std::function<int(int j)> relayTable;
    std::function<int(int j)> groupTable;
    int presetIndex = 0;
};

// The type text of a local input type `kind` (0..12): the type's name, or the timed-on
// time for a Timed On input; empty for any other code.
std::string InputTypeText(int kind, int64_t timedOnMinutes);

// The control list of an input of local type `kind`: relays then groups, the one
// preset, local inputs or timers; empty for a code outside the types.
std::string InputControlList(int kind, const InputTargets& targets);

// Relays (installed points), then groups (all 48) whose code is not 0.
std::string RelaysThenGroups(const InputTargets& targets);
