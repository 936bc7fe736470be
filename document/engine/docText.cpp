#include "document/engine/docText.h"

#include "core/hexText.h"
#include "core/vbRuntime.h"

void DocText::line(std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) out_ += '\t';
        out_ += field;
        first = false;
    }
    out_ += "\r\n";
}

void ListField::add(std::string_view item)
{
    if (!text_.empty()) text_ += ',';
    text_ += item;
}

std::string ItemNumber(int64_t index) { return Format00(index + 1); }

std::string ItemRef(char prefix, int64_t index) { return prefix + ItemNumber(index); }

std::string StationInputRef(int station, int input) { return "TL-" + Hex2(station) + "." + std::to_string(input + 1); }

std::string TimedOnText(int64_t minutes) { return "Timed On " + FormatDigits(minutes, 3) + " Min"; }

std::string DocTimeStamp(const DocDateTime& when)
{
    const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
    return Format00(hour12) + ":" + Format00(when.minute) + (when.hour < 12 ? " AM " : " PM ") + Format00(when.month) +
           "/" + Format00(when.day) + "/" + FormatDigits(when.year, 4);
}
