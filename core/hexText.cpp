#include "core/hexText.h"

namespace {

std::string lowHexDigits(uint32_t value, int digits)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads the first `width` characters the way the VB "&h...&" conversion does.
int32_t readHexPrefix(std::string_view text, std::size_t width)
{
    const std::string_view head = text.substr(0, width);
    int32_t value = 0;
    for (char c : head) {
        if (c == ' ' || c == '\t' || c == '\n') continue;
        const int digit = hexDigitValue(c);
        if (digit < 0) break;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

std::string Hex2(int32_t value) { return lowHexDigits(static_cast<uint32_t>(value), 2); }
std::string Hex4(int32_t value) { return lowHexDigits(static_cast<uint32_t>(value), 4); }
int32_t HexByte(std::string_view text) { return readHexPrefix(text, 2); }
int32_t HexWord(std::string_view text) { return readHexPrefix(text, 4); }
