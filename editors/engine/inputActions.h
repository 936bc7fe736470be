#pragma once
// What an input may do to its targets. An action code is the position of the action
// in the list of the input's type, 0 always being no action; the highest code of a
// list is its top action. Local inputs and networked station inputs share the lists.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

using ActionList = std::span<const std::string_view>;

inline constexpr std::array<std::string_view, 5> kOnOffBlinkActions = {
    "No Action", "On Only", "Off Only", "On And Off", "Blink Alert"};
inline constexpr std::array<std::string_view, 4> kOnOffActions = {"No Action", "On Only", "Off Only", "On And Off"};
// An input that acts on nothing in the table still needs an entry to show.
inline constexpr std::array<std::string_view, 1> kNoActions = {"."};
inline constexpr std::array<std::string_view, 2> kTimedOnActions = {"No Action", "Timed On"};
inline constexpr std::array<std::string_view, 4> kBiLevelActions = {"No Action", "On-Off", "Hi-Lo(NO)", "Hi-Lo(NC)"};
inline constexpr std::array<std::string_view, 3> kStepActions = {"No Action", "Step A", "Step B"};
inline constexpr std::array<std::string_view, 2> kDisableActions = {"No Action", "Disable"};
inline constexpr std::array<std::string_view, 4> kOverrideActions = {"No Action", "Hold On", "Hold Off", "Hold Status"};
inline constexpr std::array<std::string_view, 2> kForceActions = {"No Action", "Force"};

inline int16_t topAction(ActionList actions) { return static_cast<int16_t>(actions.size()) - 1; }

// The two tables a local input drives.
enum class InputControlTable { Relays, Groups };

// What the rows of an action table stand for.
enum class ActionTargets { None, Relays, LocalInputs, Timers, Groups, Presets };

// The action list of a local input type (0..12) on a table; none for another type.
std::optional<ActionList> localInputActions(int inputType, InputControlTable table);
// The targets a local input type shows on a table; None also for a type outside 0..12,
// which has no action list to edit them with.
ActionTargets localInputTargets(int inputType, InputControlTable table);

// Lowers a code above the top action to it; true when the code changed.
bool clampToTopAction(int16_t& code, int16_t top);
