// b3fakepanel: the test panel as a program, to try the tool by hand without hardware.
//
//   b3fakepanel [--address 127.0.0.2] [--port 10001] [--pty] [--modem]
//               [--keypad TEXT] [--lamps HEX] [--station ADDRESS[:INPUTS]]...
//               [--force-wait MS] [--dimmer-levels HEX96]
//
// It listens on the TCP address, and with --pty also opens a pseudo-terminal whose
// path it prints; start the tool with B3_COM1=<that path> and choose COM1. --modem
// puts a modem front end on the pseudo-terminal. --keypad and --lamps set the
// keypad display (80 characters, four lines of 20) and its key lamps; each --station
// makes a station (1..64) answer, with its input byte in hex; --force-wait delays
// the answer that ends a forced timer; --dimmer-levels sets the 48 live dimmer levels,
// two hex digits each, device 1 output 1 first. Every frame received is printed. Ctrl-C ends it.

#include <array>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/hexText.h"
#include "fakePanel.h"
#include "link/engine/panelCommands.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) { stopRequested = 1; }

int usage()
{
    std::cerr << "usage: b3fakepanel [--address A.B.C.D] [--port N] [--pty] [--modem] [--keypad TEXT] [--lamps HEX]\n"
                 "                   [--station ADDRESS[:INPUTS]]... [--force-wait MS] [--dimmer-levels HEX96]\n";
    return 2;
}

std::string printable(const std::string& text)
{
    std::string out;
    for (char c : text) out += c == '\r' ? std::string("\\r") : std::string(1, c);
    return out;
}

// "ADDRESS[:INPUTS]": the station answers, with that input byte (hex).
bool addStation(const std::string& option, std::array<uint8_t, kStationAddresses>& presence,
                std::array<uint8_t, kStationAddresses>& inputs)
{
    const int address = std::atoi(option.c_str());
    if (address < 1 || address >= kStationAddresses) return false;
    const std::size_t colon = option.find(':');
    presence[static_cast<std::size_t>(address)] = 1;
    if (colon != std::string::npos)
        inputs[static_cast<std::size_t>(address)] = static_cast<uint8_t>(std::strtol(option.c_str() + colon + 1, nullptr, 16));
    return true;
}

// 96 hex digits to the 48 levels; nothing when the text is not exactly that.
std::optional<std::vector<uint8_t>> dimmerLevels(const std::string& hex)
{
    if (hex.size() != 2 * kDimmerLevels || hex.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos)
        return std::nullopt;
    std::vector<uint8_t> levels;
    for (std::size_t i = 0; i < hex.size(); i += 2)
        levels.push_back(static_cast<uint8_t>(HexByte(std::string_view(hex).substr(i, 2))));
    return levels;
}

} // namespace

int main(int argc, char** argv)
{
    std::string address = "127.0.0.2";
    int port = 10001;
    bool pty = false;
    bool modem = false;
    std::string keypad;
    int lamps = 0;
    std::array<uint8_t, kStationAddresses> presence{}, inputs{};
    int forceWaitMs = 0;
    std::vector<uint8_t> levels(kDimmerLevels, 0);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--address" && i + 1 < argc) address = argv[++i];
        else if (arg == "--port" && i + 1 < argc) port = std::atoi(argv[++i]);
        else if (arg == "--pty") pty = true;
        else if (arg == "--modem") pty = modem = true;
        else if (arg == "--keypad" && i + 1 < argc) keypad = argv[++i];
        else if (arg == "--lamps" && i + 1 < argc) lamps = static_cast<int>(std::strtol(argv[++i], nullptr, 16));
        else if (arg == "--station" && i + 1 < argc) {
            if (!addStation(argv[++i], presence, inputs)) return usage();
        }
        else if (arg == "--force-wait" && i + 1 < argc) forceWaitMs = std::atoi(argv[++i]);
        else if (arg == "--dimmer-levels" && i + 1 < argc) {
            const auto given = dimmerLevels(argv[++i]);
            if (!given) return usage();
            levels = *given;
        }
        else return usage();
    }

    FakePanel panel;
    // Its node table agrees with the points its status reports (two blocks on node 1),
    // as a real panel's does.
    const uint8_t nodeTable[] = {static_cast<uint8_t>(panel.status().ioPoints / 4)};
    panel.setMemory(kNodeTableAddress, nodeTable);
    panel.setKeypad(keypad, lamps);
    panel.setStationTable(FakePanel::StationTable::Presence, presence);
    panel.setStationTable(FakePanel::StationTable::Inputs, inputs);
    panel.setForceWaitDelayMs(forceWaitMs);
    panel.setDimmerLevels(levels);
    if (!panel.listenTcp(address, static_cast<uint16_t>(port))) {
        std::cerr << "cannot listen on " << address << ":" << port << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    std::cout << "panel listening on " << address << ":" << port << std::endl;
    if (pty) {
        panel.setModemFrontEnd(modem);
        const std::string path = panel.openPty();
        if (path.empty()) {
            std::cerr << "cannot open a pseudo-terminal\n";
            return 1;
        }
        std::cout << "serial line" << (modem ? " (modem)" : "") << " at " << path << "  -> B3_COM1=" << path << std::endl;
    }

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::size_t shown = 0;
    while (!stopRequested) {
        panel.waitForReceived(shown + 1, 200);
        const auto frames = panel.received();
        for (; shown < frames.size(); ++shown) std::cout << "<- " << printable(frames[shown]) << std::endl;
    }
    return 0;
}
