#include "core/vbRuntime.h"

#include <cmath>
#include <cstdlib>

int64_t VbInt(double value) { return static_cast<int64_t>(std::floor(value)); }

int64_t NearestEven(double value) { return static_cast<int64_t>(std::nearbyint(value)); }

std::string FormatFixed(double value, int decimals)
{
    double scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const int64_t scaled = static_cast<int64_t>(std::round(value * scale));
    const uint64_t magnitude = scaled < 0 ? static_cast<uint64_t>(-(scaled + 1)) + 1 : static_cast<uint64_t>(scaled);
    const uint64_t unit = static_cast<uint64_t>(scale);
    std::string text = scaled < 0 ? "-" : "";
    text += std::to_string(magnitude / unit);
    if (decimals > 0) {
        std::string fraction = std::to_string(magnitude % unit);
        fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
        text += "." + fraction;
    }
    return text;
}

int64_t VbIntDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

std::string Mid(std::string_view text, int64_t start, int64_t length)
{
    if (start < 1 || start > static_cast<int64_t>(text.size())) return {};
    const auto from = static_cast<std::size_t>(start - 1);
    if (length < 0) return std::string(text.substr(from));
    return std::string(text.substr(from, static_cast<std::size_t>(length)));
}

std::string Left(std::string_view text, int64_t length)
{
    if (length <= 0) return {};
    return std::string(text.substr(0, static_cast<std::size_t>(length)));
}

std::string Right(std::string_view text, int64_t length)
{
    if (length <= 0) return {};
    const auto n = static_cast<std::size_t>(length);
    if (n >= text.size()) return std::string(text);
    return std::string(text.substr(text.size() - n));
}

double Val(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    bool fraction = false;
    double scale = 1;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        if (fraction) {
            scale /= 10;
            value += (c - '0') * scale;
        } else {
            value = value * 10 + (c - '0');
        }
    }
    return negative ? -value : value;
}

std::string Format00(int64_t value)
{
    const uint64_t magnitude = value < 0 ? static_cast<uint64_t>(-(value + 1)) + 1 : static_cast<uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

std::string FormatDigits(int64_t value, int width)
{
    // Format00 already handles the sign and the first two digits.
    std::string text = Format00(value);
    const std::size_t sign = value < 0 ? 1 : 0;
    const std::size_t digits = text.size() - sign;
    if (digits < static_cast<std::size_t>(width)) text.insert(sign, static_cast<std::size_t>(width) - digits, '0');
    return text;
}

std::string FormatNumber(int64_t value) { return std::to_string(value); }

std::string TimeOfDayText(int32_t hour, int32_t minute)
{
    const int32_t h12 = hour % 12 == 0 ? 12 : hour % 12;
    std::string text = std::to_string(h12) + ":";
    if (minute < 10) text += '0';
    text += std::to_string(minute);
    text += hour < 12 ? 'A' : 'P';
    return text;
}

std::string QuarterHourText(int32_t quarterHour)
{
    // A date value's time part ignores the sign and the whole days.
    const int32_t q = std::abs(quarterHour) % 96;
    return TimeOfDayText(q / 4, (q % 4) * 15);
}

std::string FixedWidth(std::string_view text, std::size_t width)
{
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}
