#pragma once
// Texts of the dimmer codes that the dimmer editor and the documentation show alike.

#include <string>

// Control option action 0..105: "Revert To Photocell", "Lower 10%", "Raise 10%",
// "Goto 0%" .. "Goto 100%", "Ramp Down", "Ramp Up"; empty for any other code.
std::string DimActionText(int code);
// Fade rate code 0..42 in seconds: 2 s steps up to code 15 (30 s), then 10 s steps
// from 40 s; empty for any other code.
std::string DimFadeSeconds(int code);
