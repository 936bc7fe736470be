// The fake panel is what every link test trusts, so it is checked on its own here,
// over a plain socket and a plain pseudo-terminal.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <chrono>

#include "core/hexText.h"
#include "fakePanel.h"
#include "fakePanelOptions.h"
#include "link/engine/frameProtocol.h"
#include "link/engine/panelCommands.h"

namespace pc = panelCommand;

namespace {

// A minimal host end: writes text, reads until `length` characters or `ms` pass.
class RawLink {
public:
    explicit RawLink(int fd) : fd_(fd) {}
    ~RawLink()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    bool valid() const { return fd_ >= 0; }
    std::string exchange(const std::string& text, std::size_t length, int ms = 2000)
    {
        EXPECT_EQ(::write(fd_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
        return read(length, ms);
    }
    std::string read(std::size_t length, int ms)
    {
        std::string got;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (got.size() < length) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
            if (left <= 0) break;
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left)) <= 0) break;
            char buffer[512];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0) break;
            got.append(buffer, static_cast<std::size_t>(n));
        }
        return got;
    }
    std::string command(const PanelCommand& c, int ms = 2000) { return exchange(BuildFrame(c.text), static_cast<std::size_t>(c.replyLength), ms); }

private:
    int fd_;
};

int connectTo(const char* address)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(10001);
    ::inet_pton(AF_INET, address, &where.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int openRaw(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    ::tcgetattr(fd, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(fd, TCSANOW, &raw);
    return fd;
}

} // namespace

TEST(FakePanel, AnswersEveryCommandWithCorrectFramesOverTcp)
{
    FakePanel panel;
    ASSERT_TRUE(panel.listenTcp("127.0.0.61"));
    RawLink link(connectTo("127.0.0.61"));
    ASSERT_TRUE(link.valid());

    PanelStatus status{13, 5, 9, 12, 8, 26, 2, 24, 6, 3};
    panel.setStatus(status);
    const auto decoded = DecodeStatus(link.command(pc::ReadStatus()));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->hour, 13);
    EXPECT_EQ(decoded->weekday, 2);
    EXPECT_EQ(decoded->ioPoints, 24);
    EXPECT_EQ(decoded->cardType, 6);
    EXPECT_EQ(decoded->cardRevision, 3);

    panel.setRevisionText("REV 2");
    EXPECT_EQ(DecodeRevision(link.command(pc::ReadRevision())), "REV 2" + std::string(35, ' '));
    panel.setKeypad("HELLO", 0x05);
    const auto keypad = DecodeKeypad(link.command(pc::KeypadPoll(4)));
    ASSERT_TRUE(keypad);
    EXPECT_EQ(keypad->lamps, 5);

    // Switching changes the pages the status reads return.
    EXPECT_EQ(link.command(pc::SwitchRelay(5, true)), "[00]");
    EXPECT_EQ(DecodeItemPage(link.command(pc::ReadRelayStatus())), "000001" + std::string(42, '0'));
    EXPECT_EQ(link.command(pc::SwitchRelay(kAllItems, true)), "[00]");
    EXPECT_EQ(panel.page(FakePanel::Page::Relays), std::string(48, '1'));
    panel.setPage(FakePanel::Page::Groups, "2");
    EXPECT_EQ(link.command(pc::SwitchGroup(kAllItems, true)), "[00]");
    EXPECT_EQ(panel.page(FakePanel::Page::Groups), "2" + std::string(47, '1'));
    for (const auto& c : {pc::ReadInputStatus(), pc::ReadPresetStatus()}) EXPECT_TRUE(DecodeItemPage(link.command(c)));
    for (const auto& c : {pc::ForceTimer(3), pc::SetPreset(2), pc::CapturePreset(2)}) EXPECT_EQ(link.command(c), "[00]");
    EXPECT_EQ(link.command(pc::ForceWait()).size(), 6u);

    std::array<uint8_t, 65> presence{};
    presence[64] = 0x81;
    panel.setStationTable(FakePanel::StationTable::Presence, presence);
    EXPECT_EQ((*DecodeBytes(link.command(pc::ReadDevicePresence()), 65))[64], 0x81);
    for (const auto& c : {pc::ReadDeviceInputs(), pc::ReadDeviceLevels()}) EXPECT_TRUE(DecodeBytes(link.command(c), 65));
    std::array<uint8_t, 48> levels{};
    levels[47] = 200;
    panel.setDimmerLevels(levels);
    EXPECT_EQ((*DecodeBytes(link.command(pc::ReadDimmerLevels()), 48))[47], 200);

    // Memory: write, read back, checksum over the whole range, clear.
    const std::array<uint8_t, 6> password{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(link.command(pc::WriteMemory(kPasswordAddress, password)), "[00]");
    EXPECT_EQ(*DecodeBytes(link.command(pc::ReadMemory(kPasswordAddress, 6)), 6), std::vector<uint8_t>(password.begin(), password.end()));
    const auto whole = panel.memory(0, kPanelMemorySize);
    EXPECT_EQ(DecodeMemoryChecksum(link.command(pc::ChecksumMemory())), RangeChecksum(whole));
    EXPECT_EQ(link.command(pc::ClearMemory(0x1F40, 0x1F7F)), "[00]");
    EXPECT_EQ(panel.memory(kPasswordAddress, 6), std::vector<uint8_t>(6, 0));
    EXPECT_EQ(link.command(pc::ReadMemory(0x9FC0, 64)).size(), 132u);

    // The clock command sets the panel's clock.
    EXPECT_EQ(link.command(pc::SetClock(14, 5, 12, 8, 26, 2)), "[00]");
    EXPECT_EQ(panel.status().hour, 14);
    EXPECT_EQ(panel.status().weekday, 2);

    // Frames with a bad checksum and unknown commands stay unanswered but are recorded.
    EXPECT_EQ(link.exchange("[0001D4]", 34, 100), "");
    EXPECT_EQ(link.command(PanelCommand{"99", 4, 1}, 100), "");
    EXPECT_EQ(link.command(PanelCommand{"31A0003F", 4, 1}, 100), "");
    const auto frames = panel.received();
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames.front(), "[0001D3]");
    EXPECT_EQ(frames[frames.size() - 3], "[0001D4]");
}

TEST(FakePanel, FaultsOnRequest)
{
    FakePanel panel;
    ASSERT_TRUE(panel.listenTcp("127.0.0.62"));
    RawLink link(connectTo("127.0.0.62"));
    ASSERT_TRUE(link.valid());

    panel.injectFault(FakePanel::Fault::Silence, 1);
    EXPECT_EQ(link.command(pc::ReadStatus(), 150), "");
    EXPECT_EQ(link.command(pc::ReadStatus()).size(), 34u);

    panel.injectFault(FakePanel::Fault::BadChecksum, 1);
    const std::string bad = link.command(pc::ReadStatus());
    EXPECT_EQ(bad.size(), 34u);
    EXPECT_FALSE(ReplyIsValid(bad, 34));

    panel.injectFault(FakePanel::Fault::ShortReply, 2);
    EXPECT_EQ(link.command(pc::ReadStatus(), 150).size(), 33u);
    EXPECT_EQ(link.command(pc::SwitchRelay(1, true), 150), "[00");

    panel.injectFault(FakePanel::Fault::LongReply, 1);
    const std::string longer = link.command(pc::ReadRevision(), 300);
    EXPECT_EQ(link.read(1, 100), "");
    EXPECT_EQ(longer.size(), 45u);
    EXPECT_TRUE(ReplyIsValid(longer, 45));

    panel.injectFault(FakePanel::Fault::LateReply, 1, 300);
    EXPECT_EQ(link.command(pc::ReadStatus(), 100), "");
    EXPECT_EQ(link.read(34, 1000).size(), 34u);

    panel.setForceWaitDelayMs(200);
    EXPECT_EQ(link.command(pc::ForceWait(), 50), "");
    EXPECT_EQ(link.read(6, 1000).size(), 6u);

    panel.dropConnectionAfter(1);
    EXPECT_EQ(link.command(pc::ReadStatus()).size(), 34u);
    EXPECT_EQ(link.command(pc::ReadStatus(), 500), "");
    EXPECT_EQ(panel.connectionsAccepted(), 1);
}

TEST(FakePanel, PseudoTerminalWithModemFrontEnd)
{
    FakePanel panel;
    panel.setModemFrontEnd(true);
    const std::string path = panel.openPty();
    ASSERT_FALSE(path.empty());
    const int openedFd = openRaw(path);
    RawLink line(openedFd);
    ASSERT_TRUE(line.valid());

    // Before dialling, frames stop at the modem and never reach the panel.
    EXPECT_EQ(line.command(pc::ReadRevision(), 100), "");
    EXPECT_EQ(line.command(pc::ModemReset()).size(), 20u);
    EXPECT_FALSE(panel.modemOnline());
    const std::string connect = line.command(pc::ModemDial("555-1234"));
    EXPECT_NE(connect.find("CONNECT"), std::string::npos);
    EXPECT_GE(connect.size(), 30u);
    EXPECT_TRUE(panel.modemOnline());
    EXPECT_EQ(line.command(pc::ReadRevision()).size(), 44u);
    EXPECT_EQ(line.command(pc::ModemEscape()).size(), 50u);
    EXPECT_FALSE(panel.modemOnline());
    EXPECT_EQ(line.command(pc::ModemHangUp()).size(), 50u);

    const std::vector<std::string> expected{"ATZ\r", "ATDT 555-1234\r", BuildFrame("05"), "[%%%%%", "ATZ"};
    EXPECT_EQ(panel.received(), expected);

    // A dropped line hangs up: the host's side reads end of file or an error.
    panel.setModemFrontEnd(false);
    panel.dropConnectionAfter(0);
    EXPECT_EQ(line.command(pc::ReadStatus(), 150), "");
    char c = 0;
    EXPECT_LE(::read(openedFd, &c, 1), 0);
}

TEST(FakePanel, InputsOptionSetsTheInputStatusPage)
{
    const auto options = ParseFakePanelOptions({"--address", "127.0.0.63", "--inputs", "1203", "--pty"});
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->pty);  // --inputs takes just its value; the option after it still counts
    FakePanel panel;
    ApplyFakePanelOptions(*options, panel);
    ASSERT_TRUE(panel.listenTcp(options->address));
    RawLink link(connectTo("127.0.0.63"));
    ASSERT_TRUE(link.valid());
    // The inputs given come first; the rest keep the panel's default, all contacts open.
    EXPECT_EQ(DecodeItemPage(link.command(pc::ReadInputStatus())), "1203" + std::string(44, '0'));

    // All 48 inputs may be given, in either letter case; the panel answers upper case.
    const std::string all48 = "0123456789abcdef0123456789ABCDEF3210fedcba987654";
    const auto full = ParseFakePanelOptions({"--inputs", all48});
    ASSERT_TRUE(full);
    ApplyFakePanelOptions(*full, panel);
    EXPECT_EQ(DecodeItemPage(link.command(pc::ReadInputStatus())), "0123456789ABCDEF0123456789ABCDEF3210FEDCBA987654");

    for (const std::string& bad : {all48 + "0", std::string("12G3"), std::string("")})
        EXPECT_FALSE(ParseFakePanelOptions({"--inputs", bad})) << '"' << bad << '"';
    EXPECT_FALSE(ParseFakePanelOptions({"--inputs"}));
}
