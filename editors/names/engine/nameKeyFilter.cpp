#include "editors/names/engine/nameKeyFilter.h"

#include <string_view>

int NameKeyFilter(int KeyAscii)
{
    constexpr std::string_view kSigns = " .-/*#@():?";
    if (KeyAscii == 8) return KeyAscii;
    if (KeyAscii >= '0' && KeyAscii <= '9') return KeyAscii;
    if (KeyAscii >= 'A' && KeyAscii <= 'Z') return KeyAscii;
    if (KeyAscii >= 'a' && KeyAscii <= 'z') return KeyAscii - 32;
    if (KeyAscii > 0 && KeyAscii < 128 && kSigns.find(static_cast<char>(KeyAscii)) != std::string_view::npos) return KeyAscii;
    return 0;
}
