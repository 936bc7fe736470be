#include "link/engine/frameProtocol.h"

#include "core/hexText.h"

namespace {

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

} // namespace

uint8_t FrameChecksum(std::string_view text)
{
    unsigned c = 0;
    for (char ch : text) {
        c *= 2;
        if (c > 255) c -= 255;
        c = (c + static_cast<unsigned char>(ch)) % 256;
    }
    return static_cast<uint8_t>(c);
}

std::string BuildFrame(std::string_view command)
{
    std::string body = "00";
    body += command;
    return "[" + body + Hex2(FrameChecksum(body)) + "]";
}

std::string BuildReply(std::string_view payload)
{
    return "[" + std::string(payload) + Hex2(FrameChecksum(payload)) + "]";
}

bool ReplyIsValid(std::string_view reply, std::size_t expectedLength)
{
    const std::size_t length = reply.size();
    if (length != expectedLength || length < 4) return false;
    const std::string_view digits = reply.substr(length - 3, 2);
    // A garbled checksum field must not read as a partial number that happens to match.
    if (!isHexDigit(digits[0]) || !isHexDigit(digits[1])) return false;
    return HexByte(digits) == FrameChecksum(reply.substr(1, length - 4));
}
