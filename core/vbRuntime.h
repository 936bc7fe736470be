#pragma once
// The few VB run-time rules that stored values and panel texts depend on, written
// once: Int() floors, Mid counts from 1, Val stops at the first non-digit, Format
// pads numbers and shows quarter hours as "h:nnA/P".

#include <cstdint>
#include <string>
#include <string_view>

// The integer nearest to value, a half going to the even neighbour (VB CInt).
int64_t NearestEven(double value);
// Format(value, "##0") with `decimals` 0 and Format(value, "##0.0") with 1: no leading
// zeros but the units, halves rounded away from zero (49.8 gives "50", 0.25 "0.3").
std::string FormatFixed(double value, int decimals);
// VB Int(): rounds toward minus infinity (Int(-1/64) = -1).
int64_t VbInt(double value);
// VB Int() of an integer division a / b computed exactly (b != 0).
int64_t VbIntDiv(int64_t a, int64_t b);
// VB Mid(text, start[, length]): start counts from 1; "" past the end.
std::string Mid(std::string_view text, int64_t start, int64_t length = -1);
// VB Left / Right.
std::string Left(std::string_view text, int64_t length);
std::string Right(std::string_view text, int64_t length);
// VB Val() for decimal text: leading blanks skipped, stops at the first other character.
double Val(std::string_view text);
// Format(n, "00"): at least two digits, never truncated (-5 gives "-05", 123 "123").
std::string Format00(int64_t value);
// Format(n, "000...") with `width` (2 or more) zeros: padded, never cut; -5 at width 3
// is "-005".
std::string FormatDigits(int64_t value, int width);
// Format(n): plain decimal text.
std::string FormatNumber(int64_t value);
// Format(q / 96, "h:nnA/P") for a quarter hour: 32 gives "8:00A", 84 "9:00P", 0 "12:00A".
std::string QuarterHourText(int32_t quarterHour);
// Format(minutes of day as time, "h:nnA/P"), the same pattern from hour and minute.
std::string TimeOfDayText(int32_t hour, int32_t minute);
// Text padded with blanks or cut to exactly `width` characters.
std::string FixedWidth(std::string_view text, std::size_t width);
