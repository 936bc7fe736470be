// b3fakepanel: the test panel as a program, to try the tool by hand without hardware.
//
//   b3fakepanel [--address 127.0.0.2] [--port 10001] [--pty] [--modem]
//               [--keypad TEXT] [--lamps HEX] [--station ADDRESS[:INPUTS]]...
//               [--inputs HEX] [--force-wait MS] [--dimmer-levels HEX96]
//
// It listens on the TCP address, and with --pty also opens a pseudo-terminal whose
// path it prints; start the tool with B3_COM1=<that path> and choose COM1. --modem
// puts a modem front end on the pseudo-terminal. --keypad and --lamps set the
// keypad display (80 characters, four lines of 20) and its key lamps; each --station
// makes a station (1..64) answer, with its input byte in hex; --inputs sets the
// contacts of the local inputs, one hex digit each, input 1 first, up to 48 (1 on,
// 2 off, 3 both; inputs not given report 0); --force-wait delays the answer that ends
// a forced timer; --dimmer-levels sets the 48 live dimmer levels, two hex digits each,
// device 1 output 1 first. Every frame received is printed. Ctrl-C ends it.

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "fakePanel.h"
#include "fakePanelOptions.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) { stopRequested = 1; }

std::string printable(const std::string& text)
{
    std::string out;
    for (char c : text) out += c == '\r' ? std::string("\\r") : std::string(1, c);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const auto options = ParseFakePanelOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::cerr << FakePanelUsage();
        return 2;
    }

    FakePanel panel;
    ApplyFakePanelOptions(*options, panel);
    if (!panel.listenTcp(options->address, static_cast<uint16_t>(options->port))) {
        std::cerr << "cannot listen on " << options->address << ":" << options->port << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    std::cout << "panel listening on " << options->address << ":" << options->port << std::endl;
    if (options->pty) {
        panel.setModemFrontEnd(options->modem);
        const std::string path = panel.openPty();
        if (path.empty()) {
            std::cerr << "cannot open a pseudo-terminal\n";
            return 1;
        }
        std::cout << "serial line" << (options->modem ? " (modem)" : "") << " at " << path << "  -> B3_COM1=" << path << std::endl;
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
