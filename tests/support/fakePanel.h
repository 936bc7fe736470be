#pragma once
// A panel of our own for the tests and for trying the tool by hand: 40,960 bytes of
// configuration memory and every command of the panel protocol, answered with correct
// frames from its own thread. It serves a TCP port on a loopback address of the
// caller's choice and the master side of a pseudo-terminal, optionally behind a modem
// front end that answers AT commands. It records every frame (and modem text) it
// receives and misbehaves on request.
//
// Modem answers are padded to the lengths the tool waits for, so that a test never
// sits out a time-out on them.

#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "link/engine/panelReplies.h"

class FakePanel {
public:
    enum class Page { Relays, Groups, Inputs, Presets };
    enum class StationTable { Inputs, Presence, Levels };
    enum class Fault { None, Silence, BadChecksum, ShortReply, LongReply, LateReply };

    FakePanel();
    ~FakePanel();
    FakePanel(const FakePanel&) = delete;
    FakePanel& operator=(const FakePanel&) = delete;

    // Serves address:port (SO_REUSEADDR). False when it cannot be bound.
    bool listenTcp(const std::string& address, uint16_t port = 10001);
    // Opens a pseudo-terminal and serves its master side; returns the path the tool
    // opens ("" on failure).
    std::string openPty();
    std::string ptyPath() const;
    // The pseudo-terminal behaves as a modem: AT commands until a dial connects it,
    // "[%%%%%" drops back to commands.
    void setModemFrontEnd(bool on);
    bool modemOnline() const;

    // Memory, addresses 0x0000..0x9FFF; out-of-range parts are ignored.
    void setMemory(int address, std::span<const uint8_t> bytes);
    std::vector<uint8_t> memory(int address, int count) const;

    void setStatus(const PanelStatus& status);
    PanelStatus status() const;
    void setRevisionText(const std::string& text);   // padded or cut to 40
    void setKeypad(const std::string& display, int lamps);  // display padded or cut to 80
    void setPage(Page page, const std::string& states);     // padded or cut to 48
    std::string page(Page page) const;
    void setStationTable(StationTable table, std::span<const uint8_t> bytes);  // 65 bytes
    void setDimmerLevels(std::span<const uint8_t> levels);                      // 48 bytes
    // How long the panel takes to answer the wait that follows a forced timer.
    void setForceWaitDelayMs(int ms);

    // Frames and modem texts in arrival order, exactly as received.
    std::vector<std::string> received() const;
    void clearReceived();
    // Blocks until at least `count` entries were received or `timeoutMs` pass.
    bool waitForReceived(std::size_t count, int timeoutMs) const;
    int connectionsAccepted() const;

    // The next `exchanges` well-formed frames (-1: all of them) meet `fault`;
    // LateReply answers after `lateMs`.
    void injectFault(Fault fault, int exchanges = 1, int lateMs = 0);
    // Answers `exchanges` more frames, then drops the connection at the next one
    // (a pseudo-terminal hangs up for good).
    void dropConnectionAfter(int exchanges);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
