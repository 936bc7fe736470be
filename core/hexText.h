#pragma once
// Fixed-width upper-case hex text as the panel protocol carries every number.

#include <cstdint>
#include <string>
#include <string_view>

// Two hex digits of the low byte: Hex2(300) = "2C", Hex2(-1) = "FF".
std::string Hex2(int32_t value);
// Four hex digits of the low 16 bits: Hex4(70000) = "1170", Hex4(-1) = "FFFF".
std::string Hex4(int32_t value);
// Value of the first two (four) characters read as hex; blanks, tabs and line feeds
// are skipped, reading stops at the first non-digit, an empty text gives 0.
int32_t HexByte(std::string_view text);
int32_t HexWord(std::string_view text);
