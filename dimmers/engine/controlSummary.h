#pragma once
// The one-line summary of a dimmer control option, shown for all 16 options under the
// option being edited: " 02-HW:-I:12-Goto 50%-Fade-Revert When Input Opens".

#include <cstdint>
#include <string>

struct ControlOption {
    int32_t type = 0;
    int32_t instant = 0;  // flag
    int32_t number = 0;   // input, timer or preset, 0-based
    int32_t device = 0;   // 0 hardwired, 1 .. 64 networked station
    int32_t action = 0;
    int32_t revert = 0;
};

// `option` counts from 0. Codes no list has add what their rule gives, or nothing.
std::string ControlSummary(int option, const ControlOption& fields);
