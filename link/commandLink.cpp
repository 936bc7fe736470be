#include "link/commandLink.h"

#include <algorithm>
#include <vector>

#include "core/modB3Glimwarden.h"
#include "link/engine/frameProtocol.h"
#include "platform/childFormRegistry.h"
#include "platform/msgBox.h"
#include "platform/serialPortControl.h"
#include "platform/socketControl.h"
#include "platform/stopwatch.h"
#include "link/windowHooks.h"

namespace {

constexpr int kExchangeStopwatch = 0;
constexpr int kAttempts = 3;
constexpr int kDrainReads = 4;

std::vector<const void*> holders;
bool exchangeRunning = false;

std::function<void()>& linkFreedHandler()
{
    static std::function<void()> handler;
    return handler;
}

// The two transports seen alike by the senders.
struct Transport {
    virtual ~Transport() = default;
    virtual bool isOpen() = 0;
    virtual std::string read() = 0;
    virtual void write(const std::string& text) = 0;
    virtual int waiting() = 0;
    virtual void waitFor(int count, int64_t ms) = 0;
};

struct SerialTransport final : Transport {
    bool isOpen() override { return comGW().PortOpen(); }
    std::string read() override { return comGW().Input(); }
    void write(const std::string& text) override { comGW().Output(text); }
    int waiting() override { return comGW().InBufferCount(); }
    // Blocks in the device wait, handling no events; wakes for each arrival.
    void waitFor(int, int64_t ms) override { comGW().waitForInput(ms); }
};

struct SocketTransport final : Transport {
    bool isOpen() override { return WinSockGW().State() == SocketControl::sckConnected; }
    std::string read() override { return WinSockGW().GetData(); }
    void write(const std::string& text) override { WinSockGW().SendData(text); }
    int waiting() override { return WinSockGW().BytesReceived(); }
    // Runs the event loop, so the window stays alive and the reply is seen at once.
    void waitFor(int count, int64_t ms) override { WinSockGW().waitForInput(count, ms); }
};

Transport& transportFor(bool serial)
{
    static SerialTransport serialTransport;
    static SocketTransport socketTransport;
    if (serial) return serialTransport;
    return socketTransport;
}

void drain(Transport& link)
{
    for (int i = 0; i < kDrainReads; ++i) link.read();
}

// Waits until `count` characters are in or the stopwatch reaches `ms`.
void awaitReply(Transport& link, int count, int64_t ms)
{
    for (;;) {
        if (link.waiting() >= count) return;
        const int64_t left = ms - StopwatchElapsedMs(kExchangeStopwatch);
        if (left <= 0 || !link.isOpen()) return;
        link.waitFor(count, left);
    }
}

class ExchangeScope {
public:
    ExchangeScope() { exchangeRunning = true; }
    ~ExchangeScope() { exchangeRunning = false; }

private:
    LinkBusyScope busy_;
};

} // namespace

LinkBusyScope::LinkBusyScope(const void* holder) : holder_(holder) { holders.push_back(holder); }

LinkBusyScope::~LinkBusyScope()
{
    holders.erase(std::find(holders.begin(), holders.end(), holder_));
    if (holders.empty() && linkFreedHandler()) linkFreedHandler()();
}

bool LinkBusy() { return !holders.empty(); }

bool LinkBusyFor(const void* asker)
{
    return exchangeRunning || std::any_of(holders.begin(), holders.end(), [asker](const void* h) { return h != asker; });
}

void SetLinkFreedHandler(std::function<void()> handler) { linkFreedHandler() = std::move(handler); }

bool SendCommand(const std::string& sCmd, int16_t iLen, int32_t lSeconds)
{
    int64_t ms = static_cast<int64_t>(lSeconds) * 1000;
    if (iConnectionType == kConnectionModem) ms *= 3;
    if (!bConnected || exchangeRunning) return false;
    // The same test as the connect button: any type from 2 up is the socket.
    Transport& link = transportFor(iConnectionType < kConnectionTcpIp);
    // A connect still under way, or a line that went down, has nothing to send on.
    if (!link.isOpen()) return false;
    const ExchangeScope exchange;

    drain(link);
    const std::string frame = BuildFrame(sCmd);
    for (int attempt = 0;;) {
        drain(link);
        if (!link.isOpen()) return false;
        link.write(frame);
        StopwatchRestart(kExchangeStopwatch);
        awaitReply(link, iLen, ms);
        // A reply completed only as the time ran out does not count.
        if (StopwatchElapsedMs(kExchangeStopwatch) < ms) {
            sReply = link.read();
            if (ReplyIsValid(sReply, static_cast<std::size_t>(iLen < 0 ? 0 : iLen))) {
                mainWindowHooks::SetStatusPanelText(2, "Connected");
                return true;
            }
        }
        if (++attempt >= kAttempts) return false;
        mainWindowHooks::SetStatusPanelText(2, "Error - Retry: " + std::to_string(attempt));
    }
}

bool SendCommand(const PanelCommand& command) { return SendCommand(command.text, command.replyLength, command.timeoutSeconds); }

bool SendRaw(const std::string& sText, int16_t iLen, int32_t lSeconds)
{
    if (!bConnected || exchangeRunning) return false;
    Transport& line = transportFor(true);
    // Nothing goes to a port that never opened (a modem connect that failed early).
    if (!line.isOpen()) return false;
    const ExchangeScope exchange;
    const int64_t ms = static_cast<int64_t>(lSeconds) * 1000;
    drain(line);
    line.write(sText);
    StopwatchRestart(kExchangeStopwatch);
    awaitReply(line, iLen, ms);
    const bool inTime = StopwatchElapsedMs(kExchangeStopwatch) < ms;
    sReply = line.read();
    return inTime;
}

bool SendRaw(const PanelCommand& text) { return SendRaw(text.text, text.replyLength, text.timeoutSeconds); }

void ConnectionLost()
{
    mainWindowHooks::DisconnectGW();
    mainWindowHooks::CloseChildForms();
    childForms::show("frmB3Connect");
    MsgBox("Connection To Brevantine 3 Panel Lost", vbExclamation, kAppTitle);
    mainWindowHooks::UpdateStatusBar();
}
