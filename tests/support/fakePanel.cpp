#include "fakePanel.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <optional>

#include "core/hexText.h"
#include "fakePanelMemory.h"
#include "link/engine/frameProtocol.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kModemEscape = "[%%%%%";

void setNonBlocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

void writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
        } else {
            return;
        }
    }
}

// A modem's answer: the echo, the result line, then line ends up to what the tool waits for.
std::string modemAnswer(const std::string& echo, const std::string& result, std::size_t minLength)
{
    std::string text = echo + "\r\n" + result + "\r\n";
    if (text.size() < minLength) text.resize(minLength, '\n');
    return text;
}

} // namespace

struct FakePanel::Impl {
    struct Channel {
        int fd = -1;
        bool pty = false;
        std::string input;
        bool modemOnline = false;
    };
    struct Scheduled {
        Clock::time_point due;
        int fd;
        std::string text;
    };

    mutable std::mutex mutex;
    mutable std::condition_variable receivedChanged;
    FakePanelState state;
    std::vector<std::string> receivedLog;
    std::vector<Channel> channels;
    std::vector<Scheduled> scheduled;
    int listenFd = -1;
    int ptySlaveFd = -1;
    std::string ptyName;
    bool modemFrontEnd = false;
    int accepted = 0;
    Fault fault = Fault::None;
    int faultExchanges = 0;
    int lateMs = 0;
    int dropAfter = -1;
    int wakeFds[2] = {-1, -1};
    bool stopping = false;
    std::thread thread;

    Impl()
    {
        if (::pipe2(wakeFds, O_NONBLOCK | O_CLOEXEC) != 0) wakeFds[0] = wakeFds[1] = -1;
        thread = std::thread([this] { run(); });
    }

    ~Impl()
    {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        wake();
        thread.join();
        for (const Channel& c : channels) ::close(c.fd);
        if (listenFd >= 0) ::close(listenFd);
        if (ptySlaveFd >= 0) ::close(ptySlaveFd);
        ::close(wakeFds[0]);
        ::close(wakeFds[1]);
    }

    void wake()
    {
        const char c = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeFds[1], &c, 1);
    }

    void run()
    {
        std::unique_lock lock(mutex);
        while (!stopping) {
            std::vector<pollfd> fds{{wakeFds[0], POLLIN, 0}};
            if (listenFd >= 0) fds.push_back({listenFd, POLLIN, 0});
            for (const Channel& c : channels) fds.push_back({c.fd, POLLIN, 0});
            int timeout = -1;
            if (!scheduled.empty()) {
                const auto next = std::min_element(scheduled.begin(), scheduled.end(),
                                                   [](const Scheduled& a, const Scheduled& b) { return a.due < b.due; });
                const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(next->due - Clock::now()).count();
                timeout = static_cast<int>(std::max<int64_t>(0, wait) + 1);
            }
            lock.unlock();
            ::poll(fds.data(), fds.size(), timeout);
            lock.lock();
            if (stopping) break;
            for (const pollfd& p : fds) {
                if (!(p.revents & (POLLIN | POLLHUP | POLLERR))) continue;
                if (p.fd == wakeFds[0]) drainWake();
                else if (p.fd == listenFd) acceptClient();
                else readChannel(p.fd);
            }
            sendDue();
        }
    }

    void drainWake()
    {
        char buffer[64];
        while (::read(wakeFds[0], buffer, sizeof buffer) > 0) {
        }
    }

    void acceptClient()
    {
        const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        ++accepted;
        channels.push_back(Channel{fd, false, {}, false});
    }

    Channel* channelOf(int fd)
    {
        const auto it = std::find_if(channels.begin(), channels.end(), [fd](const Channel& c) { return c.fd == fd; });
        return it == channels.end() ? nullptr : &*it;
    }

    void closeChannel(int fd)
    {
        ::close(fd);
        std::erase_if(channels, [fd](const Channel& c) { return c.fd == fd; });
        std::erase_if(scheduled, [fd](const Scheduled& s) { return s.fd == fd; });
    }

    void readChannel(int fd)
    {
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        Channel* channel = channelOf(fd);
        if (!channel) return;
        if (n <= 0) {
            // The pty's master reads EIO only while no slave is open, which our own slave
            // descriptor prevents; a socket reading 0 has been closed by the tool.
            if (!channel->pty && (n == 0 || (errno != EAGAIN && errno != EINTR))) closeChannel(fd);
            return;
        }
        channel->input.append(buffer, static_cast<std::size_t>(n));
        process(fd);
    }

    void record(std::string text)
    {
        receivedLog.push_back(std::move(text));
        receivedChanged.notify_all();
    }

    void send(int fd, std::string text, int delayMs)
    {
        if (delayMs <= 0) writeAll(fd, text);
        else scheduled.push_back({Clock::now() + std::chrono::milliseconds(delayMs), fd, std::move(text)});
    }

    void sendDue()
    {
        const auto now = Clock::now();
        std::vector<Scheduled> due;
        std::erase_if(scheduled, [&](Scheduled& s) {
            if (s.due > now) return false;
            due.push_back(std::move(s));
            return true;
        });
        for (const Scheduled& s : due) writeAll(s.fd, s.text);
    }

    void process(int fd)
    {
        for (;;) {
            Channel* channel = channelOf(fd);
            if (!channel) return;
            const bool commandMode = channel->pty && modemFrontEnd && !channel->modemOnline;
            const bool progressed = commandMode ? modemCommand(*channel) : frame(*channel);
            if (!progressed) return;
        }
    }

    // One AT command from the start of the input, when complete.
    bool modemCommand(Channel& channel)
    {
        std::string& in = channel.input;
        const std::size_t start = in.find('A');
        if (start == std::string::npos) {
            in.clear();
            return false;
        }
        in.erase(0, start);
        if (in.size() < 3) return false;
        if (in.compare(0, 3, "ATZ") == 0) {
            // With a carriage return it is the reset before dialling, without it the
            // second step of a hang-up; the tool waits for 20 and 50 characters.
            const bool withReturn = in.size() > 3 && in[3] == '\r';
            const std::string text = in.substr(0, withReturn ? 4 : 3);
            in.erase(0, text.size());
            record(text);
            writeAll(channel.fd, modemAnswer(text, "OK", withReturn ? 20 : 50));
            return true;
        }
        const std::size_t end = in.find('\r');
        if (end == std::string::npos) return false;
        const std::string text = in.substr(0, end + 1);
        in.erase(0, end + 1);
        record(text);
        if (text.compare(0, 4, "ATDT") == 0) {
            channel.modemOnline = true;
            writeAll(channel.fd, modemAnswer(text, "CONNECT 9600", 30));
        } else {
            writeAll(channel.fd, modemAnswer(text, "OK", 0));
        }
        return true;
    }

    // One bracketed frame from the input, when complete; anything before a '[' and a
    // frame cut short by a new '[' are dropped.
    bool frame(Channel& channel)
    {
        std::string& in = channel.input;
        const std::size_t open = in.find('[');
        if (open == std::string::npos) {
            in.clear();
            return false;
        }
        in.erase(0, open);
        if (channel.pty && modemFrontEnd && in.compare(0, kModemEscape.size(), kModemEscape) == 0) {
            in.erase(0, kModemEscape.size());
            record(std::string(kModemEscape));
            channel.modemOnline = false;
            writeAll(channel.fd, modemAnswer("", "OK", 50));
            return true;
        }
        const std::size_t close = in.find(']');
        const std::size_t reopen = in.find('[', 1);
        if (reopen != std::string::npos && (close == std::string::npos || reopen < close)) {
            in.erase(0, reopen);
            return true;
        }
        if (close == std::string::npos) return false;
        const std::string text = in.substr(0, close + 1);
        in.erase(0, close + 1);
        record(text);
        exchange(channel, text);
        return true;
    }

    void exchange(Channel& channel, const std::string& text)
    {
        if (text.size() < 6 || text.compare(0, 3, "[00") != 0) return;
        const std::string body = text.substr(1, text.size() - 4);
        if (HexByte(text.substr(text.size() - 3, 2)) != FrameChecksum(body)) return;
        if (dropAfter == 0) {
            dropAfter = -1;
            // A pseudo-terminal hangs up: the tool's side sees the line go dead.
            if (channel.pty) {
                ::close(ptySlaveFd);
                ptySlaveFd = -1;
            }
            closeChannel(channel.fd);
            return;
        }
        if (dropAfter > 0) --dropAfter;

        const std::optional<FakePanelAnswer> answer = state.answer(std::string_view(body).substr(2));
        const Fault now = faultExchanges != 0 ? fault : Fault::None;
        if (faultExchanges > 0) --faultExchanges;
        if (!answer || now == Fault::Silence) return;

        std::string payload = answer->payload;
        int delay = answer->delayMs;
        std::string reply;
        switch (now) {
        case Fault::BadChecksum:
            reply = BuildReply(payload);
            reply[reply.size() - 2] = reply[reply.size() - 2] == '0' ? '1' : '0';
            break;
        case Fault::ShortReply:
            if (payload.empty()) reply = "[00";
            else reply = BuildReply(payload.substr(0, payload.size() - 1));
            break;
        case Fault::LongReply: reply = BuildReply(payload + "0"); break;
        case Fault::LateReply:
            reply = BuildReply(payload);
            delay += lateMs;
            break;
        default: reply = BuildReply(payload); break;
        }
        send(channel.fd, reply, delay);
    }
};

FakePanel::FakePanel() : impl_(std::make_unique<Impl>()) {}

FakePanel::~FakePanel() = default;

bool FakePanel::listenTcp(const std::string& address, uint16_t port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1
        || ::bind(fd, reinterpret_cast<const sockaddr*>(&where), sizeof where) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return false;
    }
    {
        std::lock_guard lock(impl_->mutex);
        if (impl_->listenFd >= 0) ::close(impl_->listenFd);
        impl_->listenFd = fd;
    }
    impl_->wake();
    return true;
}

std::string FakePanel::openPty()
{
    int master = -1, slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) return {};
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    setNonBlocking(master);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    {
        std::lock_guard lock(impl_->mutex);
        // Our own slave descriptor stays open so the master never sees a hang-up when
        // the tool closes and reopens the port.
        impl_->ptySlaveFd = slave;
        impl_->ptyName = name;
        impl_->channels.push_back(Impl::Channel{master, true, {}, false});
    }
    impl_->wake();
    return name;
}

std::string FakePanel::ptyPath() const
{
    std::lock_guard lock(impl_->mutex);
    return impl_->ptyName;
}

void FakePanel::setModemFrontEnd(bool on)
{
    std::lock_guard lock(impl_->mutex);
    impl_->modemFrontEnd = on;
}

bool FakePanel::modemOnline() const
{
    std::lock_guard lock(impl_->mutex);
    return std::any_of(impl_->channels.begin(), impl_->channels.end(), [](const Impl::Channel& c) { return c.pty && c.modemOnline; });
}

void FakePanel::setMemory(int address, std::span<const uint8_t> bytes)
{
    std::lock_guard lock(impl_->mutex);
    for (std::size_t j = 0; j < bytes.size(); ++j) {
        const int at = address + static_cast<int>(j);
        if (at >= 0 && at < kPanelMemorySize) impl_->state.memory[static_cast<std::size_t>(at)] = bytes[j];
    }
}

std::vector<uint8_t> FakePanel::memory(int address, int count) const
{
    std::lock_guard lock(impl_->mutex);
    std::vector<uint8_t> bytes;
    for (int at = address; at < address + count; ++at)
        if (at >= 0 && at < kPanelMemorySize) bytes.push_back(impl_->state.memory[static_cast<std::size_t>(at)]);
    return bytes;
}

void FakePanel::setStatus(const PanelStatus& status)
{
    std::lock_guard lock(impl_->mutex);
    impl_->state.status = status;
}

PanelStatus FakePanel::status() const
{
    std::lock_guard lock(impl_->mutex);
    return impl_->state.status;
}

namespace {

std::string fitted(const std::string& text, std::size_t width, char pad)
{
    std::string t = text.substr(0, width);
    t.resize(width, pad);
    return t;
}

std::vector<uint8_t> fittedBytes(std::span<const uint8_t> bytes, std::size_t count)
{
    std::vector<uint8_t> v(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), count)));
    v.resize(count, 0);
    return v;
}

} // namespace

void FakePanel::setRevisionText(const std::string& text)
{
    std::lock_guard lock(impl_->mutex);
    impl_->state.revision = fitted(text, kRevisionLength, ' ');
}

void FakePanel::setKeypad(const std::string& display, int lamps)
{
    std::lock_guard lock(impl_->mutex);
    impl_->state.keypadDisplay = fitted(display, kKeypadDisplayLength, ' ');
    impl_->state.keyLamps = lamps & 0xFF;
}

void FakePanel::setPage(Page page, const std::string& states)
{
    std::lock_guard lock(impl_->mutex);
    impl_->state.pages[static_cast<std::size_t>(page)] = fitted(states, kItemPageLength, '0');
}

std::string FakePanel::page(Page page) const
{
    std::lock_guard lock(impl_->mutex);
    return impl_->state.pages[static_cast<std::size_t>(page)];
}

void FakePanel::setStationTable(StationTable table, std::span<const uint8_t> bytes)
{
    std::lock_guard lock(impl_->mutex);
    impl_->state.stationTables[static_cast<std::size_t>(table)] = fittedBytes(bytes, kStationAddresses);
}

void FakePanel::setDimmerLevels(std::span<const uint8_t> levels)
{
    std::lock_guard lock(impl_->mutex);
    impl_->state.dimmerLevels = fittedBytes(levels, kDimmerLevels);
}

void FakePanel::setForceWaitDelayMs(int ms)
{
    std::lock_guard lock(impl_->mutex);
    impl_->state.forceWaitDelayMs = ms;
}

std::vector<std::string> FakePanel::received() const
{
    std::lock_guard lock(impl_->mutex);
    return impl_->receivedLog;
}

void FakePanel::clearReceived()
{
    std::lock_guard lock(impl_->mutex);
    impl_->receivedLog.clear();
}

bool FakePanel::waitForReceived(std::size_t count, int timeoutMs) const
{
    std::unique_lock lock(impl_->mutex);
    return impl_->receivedChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                           [&] { return impl_->receivedLog.size() >= count; });
}

int FakePanel::connectionsAccepted() const
{
    std::lock_guard lock(impl_->mutex);
    return impl_->accepted;
}

void FakePanel::injectFault(Fault fault, int exchanges, int lateMs)
{
    std::lock_guard lock(impl_->mutex);
    impl_->fault = fault;
    impl_->faultExchanges = exchanges;
    impl_->lateMs = lateMs;
}

void FakePanel::dropConnectionAfter(int exchanges)
{
    std::lock_guard lock(impl_->mutex);
    impl_->dropAfter = exchanges;
}
