#include "fakePanelOptions.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "core/hexText.h"
#include "fakePanel.h"

namespace {

bool isHexText(const std::string& text)
{
    return text.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos;
}

// "ADDRESS[:INPUTS]": the station answers, with that input byte (hex).
bool addStation(const std::string& value, FakePanelOptions& options)
{
    const int address = std::atoi(value.c_str());
    if (address < 1 || address >= kStationAddresses) return false;
    const std::size_t colon = value.find(':');
    options.stationPresence[static_cast<std::size_t>(address)] = 1;
    if (colon != std::string::npos)
        options.stationInputs[static_cast<std::size_t>(address)] =
            static_cast<uint8_t>(std::strtol(value.c_str() + colon + 1, nullptr, 16));
    return true;
}

// 96 hex digits to the 48 levels; false when the text is not exactly that.
bool setDimmerLevels(const std::string& hex, FakePanelOptions& options)
{
    if (hex.size() != 2 * kDimmerLevels || !isHexText(hex)) return false;
    options.dimmerLevels.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2)
        options.dimmerLevels.push_back(static_cast<uint8_t>(HexByte(std::string_view(hex).substr(i, 2))));
    return true;
}

// One hex digit per input, 1 to 48 of them. The panel's page carries upper-case hex.
bool setInputContacts(const std::string& hex, FakePanelOptions& options)
{
    if (hex.empty() || hex.size() > kItemPageLength || !isHexText(hex)) return false;
    options.inputContacts = hex;
    std::transform(hex.begin(), hex.end(), options.inputContacts.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return true;
}

// An option that takes a value; false when it is unknown or the value is malformed.
bool setValuedOption(const std::string& name, const std::string& value, FakePanelOptions& options)
{
    if (name == "--address") options.address = value;
    else if (name == "--port") options.port = std::atoi(value.c_str());
    else if (name == "--keypad") options.keypad = value;
    else if (name == "--lamps") options.lamps = static_cast<int>(std::strtol(value.c_str(), nullptr, 16));
    else if (name == "--station") return addStation(value, options);
    else if (name == "--inputs") return setInputContacts(value, options);
    else if (name == "--force-wait") options.forceWaitMs = std::atoi(value.c_str());
    else if (name == "--dimmer-levels") return setDimmerLevels(value, options);
    else return false;
    return true;
}

} // namespace

std::optional<FakePanelOptions> ParseFakePanelOptions(const std::vector<std::string>& args)
{
    FakePanelOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--pty") options.pty = true;
        else if (args[i] == "--modem") options.pty = options.modem = true;
        else if (i + 1 == args.size() || !setValuedOption(args[i], args[i + 1], options)) return std::nullopt;
        else ++i;
    }
    return options;
}

const char* FakePanelUsage()
{
    return "usage: b3fakepanel [--address A.B.C.D] [--port N] [--pty] [--modem] [--keypad TEXT] [--lamps HEX]\n"
           "                   [--station ADDRESS[:INPUTS]]... [--inputs HEX] [--force-wait MS] [--dimmer-levels HEX96]\n";
}

void ApplyFakePanelOptions(const FakePanelOptions& options, FakePanel& panel)
{
    // Its node table agrees with the points its status reports (two blocks on node 1),
    // as a real panel's does.
    const uint8_t nodeTable[] = {static_cast<uint8_t>(panel.status().ioPoints / 4)};
    panel.setMemory(kNodeTableAddress, nodeTable);
    panel.setKeypad(options.keypad, options.lamps);
    panel.setStationTable(FakePanel::StationTable::Presence, options.stationPresence);
    panel.setStationTable(FakePanel::StationTable::Inputs, options.stationInputs);
    // Inputs not given go on reporting what they did.
    const std::string reported = panel.page(FakePanel::Page::Inputs);
    panel.setPage(FakePanel::Page::Inputs, options.inputContacts + reported.substr(options.inputContacts.size()));
    panel.setForceWaitDelayMs(options.forceWaitMs);
    panel.setDimmerLevels(options.dimmerLevels);
}
