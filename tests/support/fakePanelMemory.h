#pragma once
// What the fake panel holds and how it answers one command: the memory, the status,
// the pages and tables. Not thread-safe on its own; FakePanel guards it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/engine/panelCommands.h"
#include "link/engine/panelReplies.h"

struct FakePanelAnswer {
    std::string payload;
    int delayMs = 0;
};

struct FakePanelState {
    FakePanelState();

    std::vector<uint8_t> memory;
    PanelStatus status;
    std::string revision;
    std::string keypadDisplay;
    int keyLamps = 0;
    std::array<std::string, 4> pages;     // relays, groups, inputs, presets
    std::array<std::vector<uint8_t>, 3> stationTables;  // inputs, presence, levels
    std::vector<uint8_t> dimmerLevels;
    int forceWaitDelayMs = 0;

    // The payload to send back, or nothing when the panel would not answer.
    std::optional<FakePanelAnswer> answer(std::string_view command);

private:
    std::optional<FakePanelAnswer> switchItems(std::string& page, std::string_view args, bool keepUndefined);
    std::optional<FakePanelAnswer> writeMemory(std::string_view args);
    std::optional<FakePanelAnswer> readMemory(std::string_view args);
    std::optional<FakePanelAnswer> rangeCommand(std::string_view args, bool clear);
    std::optional<FakePanelAnswer> setClock(std::string_view args);
    std::string statusPayload() const;
};

std::string hexBytes(const std::vector<uint8_t>& bytes);
