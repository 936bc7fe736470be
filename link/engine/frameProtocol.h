#pragma once
// The panel's framed text protocol: a command goes out as "[00" + text + checksum + "]",
// a reply comes back as lead character + payload + checksum + trail character.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// 8-bit add-and-rotate checksum: c = c * 2 (less 255 when above 255), plus the code.
uint8_t FrameChecksum(std::string_view text);
// "[0001D3]" for "01": the checksum covers the constant "00" and the command.
std::string BuildFrame(std::string_view command);
// What a panel sends back: "[" + payload + checksum of the payload + "]". "[00]" acknowledges.
std::string BuildReply(std::string_view payload);
// A reply is good only at exactly the expected length with a matching checksum over
// everything between the first character and the two checksum digits. Lead and trail
// characters are not examined.
bool ReplyIsValid(std::string_view reply, std::size_t expectedLength);
