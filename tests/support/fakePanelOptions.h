#pragma once
// b3fakepanel's command line: what the person trying the tool asks the panel to be,
// read from the arguments and then applied to a FakePanel. Kept apart from the
// program's main() so that the engine tests read the options as the program does.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/engine/panelCommands.h"

class FakePanel;

struct FakePanelOptions {
    std::string address = "127.0.0.2";
    int port = 10001;
    bool pty = false;
    bool modem = false;
    std::string keypad;
    int lamps = 0;
    std::array<uint8_t, kStationAddresses> stationPresence{};
    std::array<uint8_t, kStationAddresses> stationInputs{};
    int forceWaitMs = 0;
    std::vector<uint8_t> dimmerLevels = std::vector<uint8_t>(kDimmerLevels, 0);
    // The input status page's first characters, input 1 first, upper-case hex; the
    // rest of the page stays as the panel reports it by default.
    std::string inputContacts;
};

// The arguments after the program name; nothing when one is unknown, lacks its value
// or has a malformed value.
std::optional<FakePanelOptions> ParseFakePanelOptions(const std::vector<std::string>& args);

// The usage text the program prints when ParseFakePanelOptions refuses the arguments.
const char* FakePanelUsage();

// Everything but the address, the port and the serial line, which the program opens.
void ApplyFakePanelOptions(const FakePanelOptions& options, FakePanel& panel);
