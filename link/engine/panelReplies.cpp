#include "link/engine/panelReplies.h"

#include "core/hexText.h"
#include "link/engine/panelCommands.h"

namespace {

constexpr std::size_t kFrameOverhead = 4;

bool hasPayload(std::string_view reply, std::size_t payloadLength)
{
    return reply.size() == payloadLength + kFrameOverhead;
}

int hexDigitAt(std::string_view reply, std::size_t position)
{
    if (position < 1 || position > reply.size()) return 0;
    return HexByte(reply.substr(position - 1, 1));
}

} // namespace

int ReplyByte(std::string_view reply, int j)
{
    if (j < 0) return 0;
    const std::size_t first = 2 * static_cast<std::size_t>(j) + 2;
    if (first + 1 > reply.size()) return 0;
    return HexByte(reply.substr(first - 1, 2));
}

std::optional<PanelStatus> DecodeStatus(std::string_view reply)
{
    if (!hasPayload(reply, 30)) return std::nullopt;
    PanelStatus s;
    s.hour = ReplyByte(reply, 0);
    s.minute = ReplyByte(reply, 1);
    s.second = ReplyByte(reply, 2);
    s.month = ReplyByte(reply, 3);
    s.day = ReplyByte(reply, 4);
    s.year = ReplyByte(reply, 5);
    s.weekday = hexDigitAt(reply, 14);
    s.ioPoints = ReplyByte(reply, 7);
    s.cardType = hexDigitAt(reply, 19);
    s.cardRevision = hexDigitAt(reply, 20);
    return s;
}

std::optional<std::string> DecodeRevision(std::string_view reply)
{
    if (!hasPayload(reply, kRevisionLength)) return std::nullopt;
    return std::string(reply.substr(1, kRevisionLength));
}

std::optional<KeypadState> DecodeKeypad(std::string_view reply)
{
    if (!hasPayload(reply, kKeypadDisplayLength + 2)) return std::nullopt;
    return KeypadState{std::string(reply.substr(1, kKeypadDisplayLength)), ReplyByte(reply, kKeypadDisplayLength / 2)};
}

std::optional<std::string> DecodeItemPage(std::string_view reply)
{
    if (!hasPayload(reply, kItemPageLength)) return std::nullopt;
    return std::string(reply.substr(1, kItemPageLength));
}

std::optional<std::vector<uint8_t>> DecodeBytes(std::string_view reply, int count)
{
    if (count < 0 || !hasPayload(reply, 2 * static_cast<std::size_t>(count))) return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<std::size_t>(count));
    for (int j = 0; j < count; ++j) bytes[static_cast<std::size_t>(j)] = static_cast<uint8_t>(ReplyByte(reply, j));
    return bytes;
}

std::optional<uint16_t> DecodeMemoryChecksum(std::string_view reply)
{
    if (!hasPayload(reply, 4)) return std::nullopt;
    return static_cast<uint16_t>(HexWord(reply.substr(1, 4)));
}
