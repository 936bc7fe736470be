#pragma once
// The documentation file's line format and the field encodings its sections share.
// Every line is its fields joined by one TAB and ended by CR LF; names go out as the
// 8-bit text they are stored as.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class DocText {
public:
    void line(std::initializer_list<std::string_view> fields);
    const std::string& bytes() const { return out_; }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

// The 1-based two-digit number of a relay, group, input, timer or preset: 0 gives "01".
std::string ItemNumber(int64_t index);
// A prefixed item number: ('R', 4) gives "R05".
std::string ItemRef(char prefix, int64_t index);

// A field listing items joined by "," (no blank); empty until the first item.
class ListField {
public:
    void add(std::string_view item);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Appends ItemRef(prefix, j) for every j in 0..count-1 whose relation code is not 0:
// a list shows that a relation exists, whatever the action.
template <class Code>
void AddItemsWhere(ListField& list, char prefix, int count, Code code)
{
    for (int j = 0; j < count; ++j)
        if (code(j) != 0) list.add(ItemRef(prefix, j));
}

// Input `input` (0-based) of networked station `station`: (10, 2) gives "TL-0A.3".
std::string StationInputRef(int station, int input);
// "Timed On 010 Min".
std::string TimedOnText(int64_t minutes);

// The PC clock's reading as the header prints it.
struct DocDateTime {
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};
// "hh:mm AM/PM mm/dd/yyyy": midnight is "12:00 AM", noon "12:00 PM".
std::string DocTimeStamp(const DocDateTime& when);
